#include "linkpod/CardService.h"

#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/UsrFormat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace linkpod {

namespace {

constexpr int CardBlock = 4096;
// The fixed value a file write is started with.
constexpr std::uint16_t WriteFlags = 10;

bool IsCardCommand(Command c) {
    return c >= Command::GetCards && c <= Command::AbortCardFile;
}

bool IsCardFileCommand(Command c) {
    return c >= Command::StartCardFile && c <= Command::AbortCardFile;
}

QByteArray StartPayload(int slot, const QString& name, std::uint64_t size, bool replace,
                        std::uint32_t handle) {
    PayloadWriter w;
    w.U8(static_cast<std::uint8_t>(slot)).Text(name);
    w.U32(static_cast<std::uint32_t>(size & 0xFFFFFFFFu)).U32(static_cast<std::uint32_t>(size >> 32));
    w.U32(static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch())).U16(WriteFlags);
    w.U8(replace ? 1 : 0).U32(handle);
    return w.Data();
}

} // namespace

CardService::CardService(UserDataStore* store, Sender send, QObject* parent)
    : QObject(parent), store_(store), send_(std::move(send)) {
    connect(&readerJob_, &UsrFileJob::Progress, this, &CardService::UserDataProgress);
    connect(&readerJob_, &UsrFileJob::LoadEnded, this, &CardService::UserDataLoaded);
    connect(&readerJob_, &UsrFileJob::SaveEnded, this, [this](int result) {
        emit UserDataSaved(result == UsrFileJob::DiskFull ? InsufficientSpace : result);
        Changed(ReaderDevice(readerPort_));
    });
}

CardService::~CardService() = default;

int CardService::OpenReader(int port, const QString& folder) {
    if (port < 1 || port > 2)
        return 1;
    CloseReader();
    if (!QFileInfo(folder).isDir())
        return ReaderMissing;
    const QByteArray key =
        QCryptographicHash::hash(QFileInfo(folder).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex();
    auto lock = std::make_unique<QLockFile>(QDir::temp().filePath(
        QStringLiteral("terrafold-reader-%1.lock").arg(QString::fromLatin1(key.left(16)))));
    if (!lock->tryLock(0))
        return 2;
    readerLock_ = std::move(lock);
    reader_ = std::make_unique<CardFolder>(folder);
    readerPort_ = port;
    readerWatch_ = std::make_unique<FolderWatch>(folder);
    connect(readerWatch_.get(), &FolderWatch::Changed, this, [this] { Changed(ReaderDevice(readerPort_)); });
    // Queued: the watch goes with the reader, after its signal has returned.
    connect(readerWatch_.get(), &FolderWatch::Vanished, this, &CardService::OnReaderVanished,
            Qt::QueuedConnection);
    Changed(ReaderDevice(port));
    return 0;
}

void CardService::OnReaderVanished() {
    if (!reader_)
        return;
    const std::uint16_t device = ReaderDevice(readerPort_);
    CloseReader();
    emit ReaderRemoved(device);
}

void CardService::CloseReader() {
    readerWatch_.reset();
    reader_.reset();
    readerLock_.reset();
    std::erase_if(handles_, [this](const auto& h) { return h.second.device == ReaderDevice(readerPort_); });
    readerPort_ = 0;
}

bool CardService::IsCardDevice(std::uint16_t device) const {
    return (reader_ && device == ReaderDevice(readerPort_)) || (unitDevice_ != 0 && device == unitDevice_);
}

void CardService::SetUnitCardDevice(std::uint16_t device) {
    if (job_.active && device != unitDevice_)
        EndJob(job_.saving ? SaveFailed : usr::NotFound);
    std::erase_if(handles_, [this](const auto& h) { return h.second.device == unitDevice_; });
    starting_.clear();
    ending_.clear();
    unitDevice_ = device;
    announced_ = false;
    unitCards_ = {};
    if (device)
        RefreshUnitCards();
}

void CardService::Send(Command kind, const QByteArray& payload, Command reply) {
    send_(kind, unitDevice_, payload, reply);
}

void CardService::RefreshUnitCards() {
    Send(Command::GetCards, {}, Command::CardList);
}

void CardService::Changed(std::uint16_t device) {
    QTimer::singleShot(0, this, [this, device] { emit FLNewDeviceReady(device, 1); });
}

const CardDirectory* CardService::Directory(std::uint16_t device) const {
    return unitDevice_ != 0 && device == unitDevice_ ? &unitCards_ : nullptr;
}

int CardService::SlotCount(std::uint16_t device) const {
    if (reader_ && device == ReaderDevice(readerPort_))
        return 1;
    const CardDirectory* d = Directory(device);
    return d ? static_cast<int>(d->cardSlots.size()) : 0;
}

CardSlot CardService::Slot(std::uint16_t device, int slot) const {
    if (reader_ && device == ReaderDevice(readerPort_))
        return slot == 0 ? reader_->Slot() : CardSlot{};
    const CardDirectory* d = Directory(device);
    return d ? d->cardSlots.value(slot) : CardSlot{};
}

int CardService::FileCount(std::uint16_t device, int slot) const {
    if (reader_ && device == ReaderDevice(readerPort_))
        return slot == 0 ? static_cast<int>(reader_->Files().size()) : 0;
    const CardDirectory* d = Directory(device);
    return d ? static_cast<int>(d->files.value(slot).size()) : 0;
}

CardFile CardService::File(std::uint16_t device, int slot, int index) const {
    if (reader_ && device == ReaderDevice(readerPort_))
        return slot == 0 ? reader_->Files().value(index) : CardFile{};
    const CardDirectory* d = Directory(device);
    return d ? d->files.value(slot).value(index) : CardFile{};
}

void CardService::EraseFile(std::uint16_t device, int slot, int index) {
    if (reader_ && device == ReaderDevice(readerPort_)) {
        if (slot == 0)
            reader_->EraseFile(index);
        Changed(device);
    } else if (Directory(device)) {
        Send(
            Command::EraseCardFile,
            PayloadWriter().U8(static_cast<std::uint8_t>(slot)).U16(static_cast<std::uint16_t>(index)).Data(),
            Command::Result);
    }
}

void CardService::Format(std::uint16_t device, int slot, const QString& label) {
    if (reader_ && device == ReaderDevice(readerPort_)) {
        if (slot == 0) {
            reader_->Format(label);
            Changed(device);
        }
    } else if (Directory(device)) {
        Send(Command::FormatCard, PayloadWriter().U8(static_cast<std::uint8_t>(slot)).Text(label).Data(),
             Command::Result);
    }
}

int CardService::StartWrite(std::uint16_t device, int slot, const QString& name, std::uint64_t size,
                            std::uint32_t& handle) {
    const std::uint32_t h = nextHandle_++;
    int code = CardFolder::InvalidDevice;
    if (reader_ && device == ReaderDevice(readerPort_)) {
        if (slot == 0)
            code = reader_->StartWrite(name, size, h);
        if (code == CardFolder::Started)
            QTimer::singleShot(0, this, [this, h] { emit FileWriteStarted(h, CardFolder::Started); });
    } else if (const CardDirectory* d = Directory(device)) {
        // What the directory already rules out is refused at once; the unit
        // checks again (it also knows its open files) and answers later.
        if (slot >= 0 && slot < d->cardSlots.size())
            code = CardFolder::CheckStart(d->cardSlots[slot], d->files.value(slot), name, size, false);
        if (code == CardFolder::Started) {
            starting_.push_back(h);
            Send(Command::StartCardFile, StartPayload(slot, name, size, false, h), Command::Result);
        }
    }
    if (code == CardFolder::Started) {
        handles_[h] = {device, slot};
        handle = h;
    }
    return code;
}

int CardService::WriteBlock(const QByteArray& bytes, int count, std::uint32_t handle) {
    const auto it = handles_.find(handle);
    if (it == handles_.end())
        return CardFolder::InvalidDevice;
    const QByteArray part = bytes.left(std::max(count, 0));
    if (reader_ && it->second.device == ReaderDevice(readerPort_)) {
        if (!reader_->WriteBlock(handle, part))
            return 1;
        QTimer::singleShot(0, this, [this] { emit ProgramFlashMemorySent(true); });
        return 0;
    }
    PayloadWriter w;
    w.U8(static_cast<std::uint8_t>(it->second.slot)).U32(handle).Bytes(part);
    Send(Command::WriteCardFile, w.Data(), Command::Result);
    return 0;
}

std::optional<CardService::Handle> CardService::Take(std::uint32_t handle) {
    const auto it = handles_.find(handle);
    if (it == handles_.end())
        return std::nullopt;
    const Handle h = it->second;
    handles_.erase(it);
    return h;
}

void CardService::EndWrite(std::uint32_t handle) {
    const std::optional<Handle> taken = Take(handle);
    if (!taken)
        return;
    const Handle h = *taken;
    if (reader_ && h.device == ReaderDevice(readerPort_)) {
        const bool ok = reader_->EndWrite(handle);
        QTimer::singleShot(0, this, [this, handle, ok] { emit FileWriteEnded(handle, ok); });
        Changed(h.device);
        return;
    }
    ending_.push_back(handle);
    Send(Command::EndCardFile, PayloadWriter().U8(static_cast<std::uint8_t>(h.slot)).U32(handle).Data(),
         Command::Result);
}

void CardService::AbortWrite(std::uint32_t handle) {
    const std::optional<Handle> taken = Take(handle);
    if (!taken)
        return;
    const Handle h = *taken;
    if (reader_ && h.device == ReaderDevice(readerPort_)) {
        reader_->AbortWrite(handle);
        return;
    }
    if (h.device == unitDevice_)
        Send(Command::AbortCardFile, PayloadWriter().U8(static_cast<std::uint8_t>(h.slot)).U32(handle).Data(),
             Command::Result);
}

std::uint32_t CardService::Front(std::deque<std::uint32_t>& handles) {
    if (handles.empty())
        return 0;
    const std::uint32_t h = handles.front();
    handles.pop_front();
    return h;
}

void CardService::OnTimedOut(Command request) {
    if (!IsCardFileCommand(request))
        return;
    if (job_.active && request != Command::AbortCardFile) {
        // A save the unit may have started leaves no partial file behind.
        if (job_.saving)
            Send(Command::AbortCardFile,
                 PayloadWriter().U8(static_cast<std::uint8_t>(job_.slot)).U32(job_.handle).Data(),
                 Command::Result);
        return EndJob(Unanswered);
    }
    OnFileReply(request, Unanswered);
}

// The answer to a map file request of the unit's card: a start or an end the
// caller waits for, a block, or an abort.
void CardService::OnFileReply(Command request, std::uint16_t code) {
    switch (request) {
    case Command::StartCardFile: {
        const std::uint32_t handle = Front(starting_);
        if (code != result::Ok)
            handles_.erase(handle);
        return emit FileWriteStarted(handle, code);
    }
    case Command::WriteCardFile:
        return emit ProgramFlashMemorySent(code == result::Ok);
    case Command::EndCardFile:
        emit FileWriteEnded(Front(ending_), code == result::Ok);
        return RefreshUnitCards();
    default:
        return RefreshUnitCards();
    }
}

void CardService::SaveUserData(std::uint16_t device, int slot, const QDateTime& when) {
    const QString name = CardFolder::UserDataFileName();
    if (reader_ && device == ReaderDevice(readerPort_)) {
        const CardSlot s = reader_->Slot();
        const QByteArray bytes = usr::Encode(*store_, when);
        if (CardFolder::CheckStart(s, reader_->Files(), name, static_cast<std::uint64_t>(bytes.size()),
                                   true) == CardFolder::NoSpace) {
            QTimer::singleShot(0, this, [this] { emit UserDataSaved(InsufficientSpace); });
            return;
        }
        readerJob_.Save(reader_->PathOf(name), *store_, when);
        return;
    }
    const CardDirectory* d = Directory(device);
    if (!d || slot < 0 || slot >= d->cardSlots.size() || job_.active) {
        QTimer::singleShot(0, this, [this] { emit UserDataSaved(SaveFailed); });
        return;
    }
    job_ = CardJob{true, true, slot, nextHandle_++, usr::Encode(*store_, when), 0};
    const int check = CardFolder::CheckStart(d->cardSlots[slot], d->files.value(slot), name,
                                             static_cast<std::uint64_t>(job_.bytes.size()), true);
    if (check != CardFolder::Started) {
        QTimer::singleShot(0, this, [this, check] {
            EndJob(check == CardFolder::NoSpace ? InsufficientSpace : SaveFailed);
        });
        return;
    }
    Send(Command::StartCardFile,
         StartPayload(slot, name, static_cast<std::uint64_t>(job_.bytes.size()), true, job_.handle),
         Command::Result);
}

void CardService::LoadUserData(std::uint16_t device, int slot) {
    const QString name = CardFolder::UserDataFileName();
    if (reader_ && device == ReaderDevice(readerPort_)) {
        readerJob_.Load(reader_->PathOf(name), store_, capacity_);
        return;
    }
    const CardDirectory* d = Directory(device);
    if (!d || slot < 0 || slot >= d->cardSlots.size() || job_.active) {
        QTimer::singleShot(0, this, [this] { emit UserDataLoaded(usr::NotFound); });
        return;
    }
    job_ = CardJob{true, false, slot, 0, {}, 0};
    NextJobStep();
}

void CardService::NextJobStep() {
    PayloadWriter w;
    w.U8(static_cast<std::uint8_t>(job_.slot));
    if (!job_.saving) {
        w.Text(CardFolder::UserDataFileName())
            .U32(static_cast<std::uint32_t>(job_.bytes.size()))
            .U16(CardBlock);
        Send(Command::ReadCardFile, w.Data(), Command::CardFileData);
        return;
    }
    if (job_.done < job_.bytes.size()) {
        const QByteArray part = job_.bytes.mid(job_.done, CardBlock);
        job_.done += part.size();
        w.U32(job_.handle).Bytes(part);
        Send(Command::WriteCardFile, w.Data(), Command::Result);
        emit UserDataProgress(static_cast<int>(job_.done * 100 / job_.bytes.size()));
        return;
    }
    w.U32(job_.handle);
    Send(Command::EndCardFile, w.Data(), Command::Result);
}

void CardService::EndJob(int result) {
    const bool saving = job_.saving;
    job_ = CardJob{};
    if (saving) {
        emit UserDataSaved(result);
        if (unitDevice_)
            RefreshUnitCards();
    } else {
        emit UserDataLoaded(result);
    }
}

bool CardService::HandleReply(Command request, const Frame& reply) {
    const auto kind = static_cast<Command>(reply.kind);
    PayloadReader in(reply.payload);
    if (kind == Command::CardList) {
        unitCards_ = codec::GetCardDirectory(in);
        if (!announced_) {
            announced_ = true;
            emit CardDeviceAnnounced(unitDevice_, static_cast<int>(unitCards_.cardSlots.size()));
        }
        emit FLNewDeviceReady(unitDevice_, 1);
        return true;
    }
    if (kind == Command::CardFileData && job_.active && !job_.saving) {
        const std::uint32_t offset = in.U32();
        const std::uint32_t total = in.U32();
        const QByteArray part = in.Bytes();
        if (!in.Ok() || offset != job_.bytes.size() || total > UsrFileJob::MaxFileSize) {
            EndJob(in.Ok() && total > UsrFileJob::MaxFileSize ? usr::Incompatible : usr::Damaged);
            return true;
        }
        job_.bytes.append(part);
        emit UserDataProgress(static_cast<int>(total ? job_.bytes.size() * 100 / total : 100));
        if (part.isEmpty() || job_.bytes.size() >= total)
            EndJob(usr::Decode(job_.bytes, capacity_, *store_));
        else
            NextJobStep();
        return true;
    }
    if (kind != Command::Result || !IsCardCommand(request))
        return false;
    in.U8();
    const std::uint16_t code = in.U16();
    switch (request) {
    case Command::EraseCardFile:
    case Command::FormatCard:
        RefreshUnitCards();
        break;
    case Command::StartCardFile:
    case Command::WriteCardFile:
        if (job_.active && job_.saving) {
            if (code == result::Ok)
                NextJobStep();
            else
                EndJob(code == CardFolder::NoSpace ? InsufficientSpace : SaveFailed);
        } else {
            OnFileReply(request, code);
        }
        break;
    case Command::EndCardFile:
        if (job_.active && job_.saving)
            EndJob(code == result::Ok ? 0 : SaveFailed);
        else
            OnFileReply(request, code);
        break;
    case Command::AbortCardFile:
        OnFileReply(request, code);
        break;
    case Command::ReadCardFile:
        if (job_.active && !job_.saving)
            EndJob(usr::NotFound);
        break;
    default:
        break;
    }
    return true;
}

} // namespace linkpod
