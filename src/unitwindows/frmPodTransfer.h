#pragma once

#include "comm/TransferSelection.h"

#include <QDialog>

class QCheckBox;

namespace unitwindows {

// The transfer window of a unit on the standard link: one box per kind,
// each moving all of its kind or nothing.
class frmPodTransfer : public QDialog {
    Q_OBJECT
public:
    // A kind's box is checked unless the selection moves none of it.
    explicit frmPodTransfer(const comm::TransferSelection& selection, QWidget* owner = nullptr);

    // All for each checked kind, None for the others.
    comm::TransferSelection Selection() const;

signals:
    void DownloadRequested(const comm::TransferSelection& selection);
    void UploadRequested(const comm::TransferSelection& selection);

private:
    QCheckBox* Box(const char* name, const QString& caption, const comm::KindRange& range);

    QCheckBox* waypoints_;
    QCheckBox* routes_;
    QCheckBox* icons_;
    QCheckBox* trails_;
};

} // namespace unitwindows
