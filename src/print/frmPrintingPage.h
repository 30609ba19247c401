#pragma once

#include "gpsdata/Prompt.h"

#include <QDialog>

class QLabel;

namespace print {

// The small window that shows which page is being printed and lets the user
// stop the print; the print loop reads the cancel flag after every row.
class frmPrintingPage : public QDialog, public ui::Progress {
    Q_OBJECT
public:
    explicit frmPrintingPage(QWidget* parent = nullptr);

    void Begin(const QString& caption) override;
    void SetValue(int) override {}
    void SetText(const QString& text) override;
    void End() override;
    bool Cancelled() const override { return cancelled_; }

private:
    QLabel* lblPage_;
    bool cancelled_ = false;
};

} // namespace print
