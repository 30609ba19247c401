#include "comm/TransferUserData.h"

#include "comm/CardTexts.h"
#include "files/UserDataFile.h"
#include "linkpod/LinkPod.h"

namespace comm {

TransferUserData::TransferUserData(linkpod::LinkPod& pod, QObject* parent) : QObject(parent), pod_(pod) {}

void TransferUserData::Begin(const QString& caption) {
    Detach();
    attached_ << connect(&pod_, &linkpod::LinkPod::UserDataProgress, this, &TransferUserData::OnProgress);
    if (progress_)
        progress_->Begin(caption);
}

void TransferUserData::LoadData(std::uint16_t device, int slot) {
    Begin(QStringLiteral("Loading User Data"));
    attached_ << connect(&pod_, &linkpod::LinkPod::UserDataLoaded, this, [this](int result) {
        // A damaged file has no card text of its own; it must not pass as loaded.
        QString text = CardTexts::LoadDataResult(result);
        if (text.isEmpty() && result != 0)
            text = files::UserDataFile::LoadFailureText(result);
        End(result, text);
    });
    pod_.Store().Clear();
    const std::uint16_t active = pod_.ActiveDevice();
    pod_.SetActiveDevice(device);
    pod_.LoadUserDataFromCard(slot);
    pod_.SetActiveDevice(active);
}

void TransferUserData::SaveData(std::uint16_t device, int slot, const QDateTime& when) {
    Begin(QStringLiteral("Saving User Data"));
    attached_ << connect(&pod_, &linkpod::LinkPod::UserDataSaved, this, [this](int result) {
        pod_.Store().Clear();
        QString text = CardTexts::SaveDataResult(result);
        if (text.isEmpty() && result != 0)
            text = files::UserDataFile::SaveFailureText(result);
        End(result, text);
    });
    const std::uint16_t active = pod_.ActiveDevice();
    pod_.SetActiveDevice(device);
    pod_.SaveUserDataToCard(slot, when);
    pod_.SetActiveDevice(active);
}

void TransferUserData::OnProgress(int percent) {
    if (!progress_)
        return;
    progress_->SetValue(percent);
    progress_->SetText(QString::number(percent) + u'%');
}

void TransferUserData::End(int result, const QString& text) {
    Detach();
    if (progress_)
        progress_->End();
    if (!text.isEmpty() && prompt_)
        prompt_->Message(ui::ProgramTitle(), text, ui::Icon::Information);
    emit Finished(result == 0);
}

void TransferUserData::Detach() {
    for (const auto& c : attached_)
        disconnect(c);
    attached_.clear();
}

} // namespace comm
