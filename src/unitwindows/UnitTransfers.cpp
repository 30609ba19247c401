#include "unitwindows/UnitTransfers.h"

#include "comm/Connection.h"
#include "mapview/UndoStack.h"
#include "unitwindows/frmMMCSaveStatus.h"
#include "unitwindows/frmPodTransfer.h"
#include "unitwindows/frmProgress.h"
#include "unitwindows/frmTransfer.h"
#include "unitwindows/frmTransferUserData.h"

namespace unitwindows {

UnitTransfers::UnitTransfers(comm::Connection& session, gpsdata::GPSData& data, mapview::UndoStack& undo,
                             ui::Prompt& prompt, ui::StatusSink& messages, frmProgress& progress,
                             QWidget* owner)
    : QObject(owner), session_(session), data_(data), messages_(messages), owner_(owner),
      userData_(std::make_unique<frmTransferUserData>(owner)),
      saveStatus_(std::make_unique<frmMMCSaveStatus>(owner)), engine_(session, data) {
    engine_.SetPrompt(&prompt);
    engine_.SetProgress(&progress);
    engine_.SetUserDataProgress(userData_.get());
    engine_.SetStatus(this);
    engine_.SetUndoHook([&undo](const QString& name) { undo.PushUndoOperation(false, name); });
    connect(&progress, &frmProgress::CancelRequested, this, &UnitTransfers::CancelTransfer);
    connect(&engine_, &comm::TransferEngine::Finished, saveStatus_.get(), &QWidget::hide);
}

UnitTransfers::~UnitTransfers() = default;

QDialog* UnitTransfers::TransferWindow() const {
    return window_;
}

void UnitTransfers::SetStatusText(int panel, const QString& text) {
    messages_.SetStatusText(panel, text);
    if (saveStatus_->isVisible())
        saveStatus_->SetStatusText(panel, text);
}

template <class Window> void UnitTransfers::Open(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &Window::DownloadRequested, this, [this, window](const comm::TransferSelection& s) {
        if (Download(s))
            window->accept();
    });
    connect(window, &Window::UploadRequested, this, [this, window](const comm::TransferSelection& s) {
        if (Upload(s))
            window->accept();
    });
    window_ = window;
    window->open();
}

void UnitTransfers::ShowTransferWindow() {
    if (window_)
        return window_->raise();
    if (session_.ConnectionIsLurch())
        Open(new frmTransfer(data_, selection_, owner_));
    else
        Open(new frmPodTransfer(selection_, owner_));
}

bool UnitTransfers::Download(const comm::TransferSelection& selection) {
    if (engine_.Busy() || !session_.Linked())
        return false;
    if (abortDirty_ && abortDirty_(QStringLiteral("This will overwrite your current data.")))
        return false;
    selection_ = selection;
    engine_.Download(selection);
    return true;
}

bool UnitTransfers::Upload(const comm::TransferSelection& selection) {
    if (engine_.Busy() || !session_.Linked())
        return false;
    selection_ = selection;
    if (session_.LPTPortOpen()) {
        saveStatus_->SetStatusText(comm::TransferEngine::StatusPanel, {});
        saveStatus_->ShowOver(owner_);
    }
    engine_.Upload(selection);
    return true;
}

} // namespace unitwindows
