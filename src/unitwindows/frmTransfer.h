#pragma once

#include "comm/TransferSelection.h"

#include <QDialog>

namespace gpsdata {
class GPSData;
}

namespace unitwindows {

class TransferRangeBox;

// The transfer window for a unit that keeps every slot (the Dezav link):
// All, None or a range of item numbers per kind, then Download or Upload.
class frmTransfer : public QDialog {
    Q_OBJECT
public:
    // The up-downs reach the data set's limits of each kind.
    frmTransfer(const gpsdata::GPSData& data, const comm::TransferSelection& selection,
                QWidget* owner = nullptr);

    comm::TransferSelection Selection() const;
    TransferRangeBox* Box(const QString& prefix) const;

    int FirstWpt() const;
    int LastWpt() const;
    int FirstRte() const;
    int LastRte() const;
    int FirstIcn() const { return 0; }
    int LastIcn() const;
    int FirstTrl() const;
    int LastTrl() const;

signals:
    void DownloadRequested(const comm::TransferSelection& selection);
    void UploadRequested(const comm::TransferSelection& selection);

private:
    TransferRangeBox* waypoints_;
    TransferRangeBox* routes_;
    TransferRangeBox* icons_;
    TransferRangeBox* trails_;
};

} // namespace unitwindows
