#pragma once

#include "linkpod/CardFolder.h"
#include "linkpod/Command.h"
#include "linkpod/FolderWatch.h"
#include "linkpod/Frame.h"
#include "linkpod/UserDataStore.h"
#include "linkpod/UsrFileJob.h"

#include <QLockFile>
#include <QObject>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace linkpod {

// The card side of the control: the card reader (a folder per parallel
// port) and the cards of a connected unit, which the unit describes in a
// card directory the control keeps. Queries answer at once from the folder or
// the directory; changes go to the folder or the unit and end in
// FLNewDeviceReady once the directory is current again.
//
// A file write is confirmed at both ends: FileWriteStarted once the card took
// the start (a unit's card answers after the host's own check passed), and
// FileWriteEnded once the card has the whole file under its name. A write
// given up half-way is aborted, so neither its handle nor its partial file
// stays behind.
class CardService : public QObject {
    Q_OBJECT
public:
    using Sender =
        std::function<void(Command kind, std::uint16_t device, const QByteArray& payload, Command reply)>;

    CardService(UserDataStore* store, Sender send, QObject* parent = nullptr);
    ~CardService() override;

    static std::uint16_t ReaderDevice(int port) { return static_cast<std::uint16_t>(0x4C00 + port); }

    // 0 open; 1 no such port; 2 in use by another program; 3 reader missing
    // (its folder does not exist).
    int OpenReader(int port, const QString& folder);
    static constexpr int ReaderMissing = 3;
    void CloseReader();
    bool ReaderOpen() const { return reader_ != nullptr; }

    // A unit announced its card device, or the unit went away (device 0).
    void SetUnitCardDevice(std::uint16_t device);
    std::uint16_t UnitCardDevice() const { return unitDevice_; }
    bool IsCardDevice(std::uint16_t device) const;
    // Handles a unit reply meant for the card side; false when it is not.
    bool HandleReply(Command request, const Frame& reply);
    void SetCapacity(const StoreCapacity& capacity) { capacity_ = capacity; }

    int SlotCount(std::uint16_t device) const;
    CardSlot Slot(std::uint16_t device, int slot) const;
    int FileCount(std::uint16_t device, int slot) const;
    CardFile File(std::uint16_t device, int slot, int index) const;

    void EraseFile(std::uint16_t device, int slot, int index);
    void Format(std::uint16_t device, int slot, const QString& label);
    // The card code of the host's own check; 0 when the start went to the
    // card, whose own answer follows as FileWriteStarted.
    int StartWrite(std::uint16_t device, int slot, const QString& name, std::uint64_t size,
                   std::uint32_t& handle);
    int WriteBlock(const QByteArray& bytes, int count, std::uint32_t handle);
    void EndWrite(std::uint32_t handle);
    void AbortWrite(std::uint32_t handle);
    // A request to the unit was never answered.
    void OnTimedOut(Command request);

    void SaveUserData(std::uint16_t device, int slot, const QDateTime& when);
    void LoadUserData(std::uint16_t device, int slot);

    // Card user data results beside the load results of ".usr" files.
    static constexpr int InsufficientSpace = 1;
    static constexpr int SaveFailed = 29;
    // A request the card never answered: the result of the file start or
    // the user data job it belonged to.
    static constexpr int Unanswered = 1002;

signals:
    void FLNewDeviceReady(std::uint16_t device, int flag);
    void CardDeviceAnnounced(std::uint16_t device, int slotCount);
    void ProgramFlashMemorySent(bool ok);
    void FileWriteStarted(std::uint32_t handle, int code);
    void FileWriteEnded(std::uint32_t handle, bool ok);
    // The reader's folder went away; the reader is closed.
    void ReaderRemoved(std::uint16_t device);
    void UserDataProgress(int percent);
    void UserDataLoaded(int result);
    void UserDataSaved(int result);

private:
    struct Handle {
        std::uint16_t device;
        int slot;
    };
    struct CardJob {
        bool active = false;
        bool saving = false;
        int slot = 0;
        std::uint32_t handle = 0;
        QByteArray bytes;
        qsizetype done = 0;
    };

    const CardDirectory* Directory(std::uint16_t device) const;
    // The write of `handle` leaves the open writes; nothing when it is not one.
    std::optional<Handle> Take(std::uint32_t handle);
    void RefreshUnitCards();
    void Changed(std::uint16_t device);
    void OnReaderVanished();
    void OnFileReply(Command request, std::uint16_t code);
    static std::uint32_t Front(std::deque<std::uint32_t>& handles);
    void NextJobStep();
    void EndJob(int result);
    void Send(Command kind, const QByteArray& payload, Command reply);

    UserDataStore* store_;
    Sender send_;
    StoreCapacity capacity_;
    int readerPort_ = 0;
    std::unique_ptr<CardFolder> reader_;
    std::unique_ptr<QLockFile> readerLock_;
    std::unique_ptr<FolderWatch> readerWatch_;
    UsrFileJob readerJob_;
    std::uint16_t unitDevice_ = 0;
    bool announced_ = false;
    CardDirectory unitCards_;
    std::map<std::uint32_t, Handle> handles_;
    std::uint32_t nextHandle_ = 1;
    // Handles of the starts and ends sent to the unit, in the order the
    // unit answers them.
    std::deque<std::uint32_t> starting_;
    std::deque<std::uint32_t> ending_;
    CardJob job_;
};

} // namespace linkpod
