#include "comm/CardOperations.h"

#include "comm/CardTexts.h"
#include "comm/Connection.h"
#include "comm/MapUpload.h"
#include "linkpod/LinkPod.h"

#include <QDir>
#include <QFileInfo>

namespace comm {

namespace {

constexpr int NameRefused = 5; // the card write code for a name the card does not take
constexpr int MostFiles = 65534;

// The characters a short name keeps besides letters and digits.
bool ShortNameChar(QChar c) {
    return c.unicode() < 128 && (c.isLetterOrNumber() || QStringLiteral("_-!#$%&'()@^{}").contains(c));
}

QString Kept(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (ShortNameChar(c))
            out += c.toUpper();
    return out;
}

} // namespace

CardOperations::CardOperations(Connection& session, MapUpload& upload, QObject* parent)
    : QObject(parent), session_(session), upload_(upload), userData_(session.Pod()) {
    connect(&session_, &Connection::FLNewDeviceReady, this, &CardOperations::FLNewDeviceReady);
    connect(&session_, &Connection::DeviceRemoved, this, &CardOperations::RemoveDevice);
    connect(&session_, &Connection::ProgrammingRefused, this, &CardOperations::Started);
    connect(&session_, &Connection::ConnectedStatusChanged, this, &CardOperations::DropGone);
    connect(&userData_, &TransferUserData::Finished, this, &CardOperations::UserDataDone);
}

QString CardOperations::ShortName(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString base = Kept(info.completeBaseName());
    const QString extension = Kept(info.suffix()).left(3);
    QString shortBase = base.isEmpty() ? QStringLiteral("MAP") : base;
    if (shortBase.size() > 8 || base.size() != info.completeBaseName().size())
        shortBase = shortBase.left(6) + QStringLiteral("~1");
    return extension.isEmpty() ? shortBase : shortBase + QLatin1Char('.') + extension;
}

const CardOperations::Card* CardOperations::SelectedCard() const {
    return selected_ >= 0 && selected_ < devices_.size() ? &devices_[selected_] : nullptr;
}

void CardOperations::FLNewDeviceReady(quint16 device, int) {
    const Card keep = SelectedCard() ? *SelectedCard() : Card{{}, 0, -1};
    devices_.removeIf([device](const Card& c) { return c.device == device; });
    session_.OnDevice(device, [&](linkpod::LinkPod& pod) {
        for (int slot = 0, n = pod.CardSlotCount(); slot < n; ++slot) {
            const linkpod::CardSlot s = pod.CardSlotInfo(slot);
            if (s.type == linkpod::CardSlot::Card)
                devices_.append(
                    {CardTexts::CardEntry(pod.CardSlotLabel(slot), s.formatted, s.capacity, s.used), device,
                     slot});
        }
    });
    Reselect(keep);
}

void CardOperations::Reselect(const Card& keep) {
    selected_ = -1;
    for (int i = 0; i < devices_.size(); ++i)
        if (devices_[i].device == keep.device && devices_[i].slot == keep.slot)
            selected_ = i;
    emit DevicesChanged();
    SelectDevice(selected_);
}

void CardOperations::RemoveDevice(quint16 device) {
    devices_.removeIf([device](const Card& c) { return c.device == device; });
    Reselect({{}, 0, -1});
}

void CardOperations::ClearDevices() {
    devices_.clear();
    Reselect({{}, 0, -1});
}

void CardOperations::DropGone() {
    const auto gone = [this](const Card& c) {
        const bool reader =
            c.device == linkpod::LinkPod::ReaderDevice(1) || c.device == linkpod::LinkPod::ReaderDevice(2);
        return reader ? !session_.LPTPortOpen() : !session_.SerialConnected();
    };
    if (std::none_of(devices_.begin(), devices_.end(), gone))
        return;
    const Card keep = SelectedCard() ? *SelectedCard() : Card{{}, 0, -1};
    devices_.removeIf(gone);
    Reselect(keep);
}

void CardOperations::SelectDevice(int row) {
    selected_ = row >= 0 && row < devices_.size() ? row : -1;
    files_.clear();
    if (const Card* card = SelectedCard()) {
        session_.OnDevice(card->device, [&](linkpod::LinkPod& pod) {
            const int count = pod.CardFileCount(card->slot);
            for (int i = 0; i < (count > MostFiles ? 0 : count); ++i) {
                const linkpod::CardFile f = pod.CardFileInfo(card->slot, i);
                if (f.type == linkpod::CardFile::Map)
                    files_.append({CardTexts::FileEntry(f.name, f.size), i});
            }
        });
    }
    emit FilesChanged();
}

bool CardOperations::NoCard() {
    if (SelectedCard())
        return false;
    if (prompt_)
        prompt_->Message(ui::ProgramTitle(), QStringLiteral("You must select a valid MMC card first."),
                         ui::Icon::Exclamation);
    return true;
}

bool CardOperations::Started(int code) {
    if (code == 0)
        return true;
    // A name the card does not take is tried once more in its short form.
    if (code == NameRefused && !shortNameTried_ && upload_.Pending()) {
        shortNameTried_ = true;
        const QFileInfo info(startPath_);
        return Started(session_.StartFlashProgramming(info.dir().filePath(ShortName(info.fileName())),
                                                      upload_.Data().DataLength(), startCard_.device,
                                                      startCard_.slot));
    }
    upload_.Cancel();
    if (prompt_)
        prompt_->Message(ui::ProgramTitle(), CardTexts::FileWriteStartResult(code), ui::Icon::Exclamation);
    return false;
}

bool CardOperations::DownloadCartridge(const QString& path) {
    if (NoCard())
        return false;
    if (!upload_.LoadData(path)) {
        if (prompt_)
            prompt_->Message(QStringLiteral("File Error"), QStringLiteral("Error loading file: ") + path,
                             ui::Icon::Critical);
        return false;
    }
    startPath_ = path;
    startCard_ = *SelectedCard();
    shortNameTried_ = false;
    return Started(session_.StartFlashProgramming(path, upload_.Data().DataLength(), startCard_.device,
                                                  startCard_.slot));
}

bool CardOperations::Confirm(const QString& text) {
    return !prompt_ || prompt_->Ask(QStringLiteral("Warning"), text, ui::Buttons::YesNo,
                                    ui::Icon::Exclamation) == ui::Answer::Yes;
}

void CardOperations::EraseFile(int fileRow) {
    const Card* card = SelectedCard();
    if (!card || fileRow < 0 || fileRow >= files_.size()) {
        if (prompt_)
            prompt_->Message(ui::ProgramTitle(), QStringLiteral("You must select a file to erase."),
                             ui::Icon::Exclamation);
        return;
    }
    if (!Confirm(QStringLiteral("Are you sure you want to erase the selected file?")))
        return;
    const int index = files_[fileRow].index;
    session_.OnDevice(card->device, [&](linkpod::LinkPod& pod) { pod.EraseCardFile(card->slot, index); });
}

void CardOperations::FormatDevice() {
    if (NoCard() || !Confirm(QStringLiteral("This will erase all files on the selected MMC card.\r\n"
                                            "Are you sure you wish to continue?")))
        return;
    const Card* card = SelectedCard();
    session_.OnDevice(card->device,
                      [&](linkpod::LinkPod& pod) { pod.FormatCard(card->slot, QStringLiteral("No Label")); });
}

void CardOperations::SaveData() {
    if (NoCard())
        return;
    userData_.SaveData(SelectedCard()->device, SelectedCard()->slot, QDateTime::currentDateTime());
}

void CardOperations::LoadData() {
    if (NoCard())
        return;
    userData_.LoadData(SelectedCard()->device, SelectedCard()->slot);
}

} // namespace comm
