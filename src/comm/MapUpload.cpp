#include "comm/MapUpload.h"

#include "comm/Connection.h"
#include "comm/FlashTexts.h"
#include "comm/LurchErrorReaction.h"

namespace comm {

MapUpload::MapUpload(Connection& session, QObject* parent) : QObject(parent), session_(session) {
    tmrTransfer.setSingleShot(true);
    tmrTransfer.setInterval(1);
    connect(&tmrTransfer, &QTimer::timeout, this, &MapUpload::Step);
    connect(&session_, &Connection::FlashErased, this, &MapUpload::OnErased);
    connect(&session_, &Connection::ProgrammingStarted, this,
            [this] { OnStarted(QStringLiteral("Sending file")); });
    connect(&session_, &Connection::ProgramFlashMemorySent, this, &MapUpload::OnBlockSent);
    connect(&session_, &Connection::ProgrammingEnded, this, &MapUpload::OnEnded);
    connect(&session_, &Connection::ProgressFlash, this, [this](float percent) {
        if (progress_ && progressOpen_)
            progress_->SetValue(int(percent));
    });
    connect(&session_, &Connection::LurchError, this, [this](quint16 code) {
        const LurchErrorReaction r = LurchErrorReaction::For(code, session_.ComPort());
        if ((Pending() || progressOpen_) && (r.closesProgress || r.cancelsTransfer))
            Stop(false);
    });
    connect(&session_, &Connection::DeviceRemoved, this, [this] {
        if (Pending() || progressOpen_)
            Stop(false);
    });
}

bool MapUpload::LoadData(const QString& path) {
    armed_ = image_.LoadData(path);
    return armed_;
}

void MapUpload::Cancel() {
    if (armed_)
        Stop(false);
}

void MapUpload::OpenProgress(const QString& caption) {
    CloseProgress();
    if (progress_)
        progress_->Begin(caption);
    progressOpen_ = true;
}

void MapUpload::CloseProgress() {
    if (!progressOpen_)
        return;
    progressOpen_ = false;
    if (progress_) {
        progress_->SetValue(100);
        progress_->End();
    }
}

void MapUpload::BeginErase() {
    OpenProgress(QStringLiteral("Erasing Flash"));
}

void MapUpload::OnErased() {
    CloseProgress();
    // An erase on its own leaves the partitions empty; only an erase made
    // for a map is followed by the map.
    if (!armed_)
        return;
    if (progress_ && progress_->Cancelled())
        return Stop(false);
    OnStarted(QStringLiteral("Transferring Map"));
}

void MapUpload::OnStarted(const QString& caption) {
    if (!armed_)
        return;
    armed_ = false;
    sending_ = true;
    blocks_.Restart();
    OpenProgress(caption);
    tmrTransfer.start();
}

void MapUpload::Step() {
    if (!sending_ || ending_)
        return;
    if (progress_ && progress_->Cancelled())
        return Stop(false);
    const auto block = blocks_.Next();
    if (!block) {
        ending_ = true;
        if (progress_)
            progress_->SetValue(100);
        return session_.FlashProgramDone();
    }
    if (progress_)
        progress_->SetValue(int(block->percentBefore));
    lastAddress_ = block->address;
    if (!session_.ProgramFlash(block->address, quint32(block->bytes.size()), block->bytes))
        return Stop(false);
    if (progress_)
        progress_->SetValue(int(block->percentAfter));
}

void MapUpload::OnEnded(bool ok) {
    if (!ending_)
        return;
    if (ok) {
        CloseProgress();
        emit Beep();
        return Stop(true);
    }
    // The Dezav link reports a refused end as a link error of its own.
    if (prompt_ && !session_.ConnectionIsLurch())
        prompt_->Message(QStringLiteral("Write Error"), FlashTexts::WriteError(image_.DataLength()),
                         ui::Icon::Critical);
    Stop(false);
}

void MapUpload::OnBlockSent(bool ok) {
    if (!sending_ || ending_)
        return;
    if (ok)
        return tmrTransfer.start();
    // The Dezav link reports a refused block as a link error of its own.
    if (prompt_ && !session_.ConnectionIsLurch())
        prompt_->Message(QStringLiteral("Write Error"), FlashTexts::WriteError(lastAddress_),
                         ui::Icon::Critical);
    Stop(false);
}

void MapUpload::Stop(bool complete) {
    tmrTransfer.stop();
    CloseProgress();
    if (!complete)
        session_.AbortFlashProgramming();
    armed_ = sending_ = ending_ = false;
    emit Finished(complete);
}

} // namespace comm
