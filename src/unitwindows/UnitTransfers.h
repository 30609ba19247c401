#pragma once

#include "comm/TransferEngine.h"
#include "gpsdata/Prompt.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QDialog;
class QWidget;

namespace comm {
class Connection;
}
namespace gpsdata {
class GPSData;
}
namespace mapview {
class UndoStack;
}

namespace unitwindows {

class frmProgress;

// The main window's side of the transfers: the transfer windows, the
// question before a download overwrites changed data, the undo step each
// downloaded kind records, the progress window and its Cancel.
class UnitTransfers : public QObject {
    Q_OBJECT
public:
    UnitTransfers(comm::Connection& session, gpsdata::GPSData& data, mapview::UndoStack& undo,
                  ui::Prompt& prompt, ui::StatusSink& messages, frmProgress& progress, QWidget* owner);

    // The unsaved-data question; true when the caller must not go on.
    void SetAbortDirty(std::function<bool(const QString& message)> abort) { abortDirty_ = std::move(abort); }

    // The transfer command: the range window for a unit that keeps every
    // slot, the window with one box per kind otherwise.
    void ShowTransferWindow();
    // The download buttons: every kind, as last chosen.
    void DownloadLast() { Download(selection_); }
    // False when nothing started (declined, or nothing to talk to).
    bool Download(const comm::TransferSelection& selection);
    bool Upload(const comm::TransferSelection& selection);
    void CancelTransfer() { engine_.CancelTransfer(); }

    comm::TransferEngine& Engine() { return engine_; }
    const comm::TransferSelection& Selection() const { return selection_; }
    QDialog* TransferWindow() const { return window_; }

private:
    template <class Window> void Open(Window* window);

    comm::Connection& session_;
    gpsdata::GPSData& data_;
    QWidget* owner_;
    comm::TransferEngine engine_;
    std::function<bool(const QString&)> abortDirty_;
    comm::TransferSelection selection_;
    QPointer<QDialog> window_;
};

} // namespace unitwindows
