#pragma once

#include "comm/TransferEngine.h"
#include "gpsdata/Prompt.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

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

class frmMMCSaveStatus;
class frmProgress;
class frmTransferUserData;

// The main window's side of the transfers: the transfer windows, the
// question before a download overwrites changed data, the undo step each
// downloaded kind records, the progress window and its Cancel; with the card
// reader, the window of the card's user data file and, while the data set
// goes onto the card, the save status window.
class UnitTransfers : public QObject, private ui::StatusSink {
    Q_OBJECT
public:
    UnitTransfers(comm::Connection& session, gpsdata::GPSData& data, mapview::UndoStack& undo,
                  ui::Prompt& prompt, ui::StatusSink& messages, frmProgress& progress, QWidget* owner);
    ~UnitTransfers() override;

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
    // The last selection, which the download buttons use and the settings
    // file keeps.
    const comm::TransferSelection& Selection() const { return selection_; }
    void SetSelection(const comm::TransferSelection& selection) { selection_ = selection; }
    QDialog* TransferWindow() const;
    frmTransferUserData& UserDataWindow() const { return *userData_; }
    frmMMCSaveStatus& SaveStatusWindow() const { return *saveStatus_; }

private:
    template <class Window> void Open(Window* window);
    // The engine's status texts: the status bar, and the save status window
    // while it shows.
    void SetStatusText(int panel, const QString& text) override;

    comm::Connection& session_;
    gpsdata::GPSData& data_;
    ui::StatusSink& messages_;
    QWidget* owner_;
    std::unique_ptr<frmTransferUserData> userData_;
    std::unique_ptr<frmMMCSaveStatus> saveStatus_;
    comm::TransferEngine engine_;
    std::function<bool(const QString&)> abortDirty_;
    comm::TransferSelection selection_;
    QPointer<QDialog> window_;
};

} // namespace unitwindows
