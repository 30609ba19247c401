#pragma once

#include "linkpod/Records.h"

#include <QFile>
#include <QString>

#include <map>
#include <memory>

namespace linkpod {

// A memory card that is a folder: a card reader's card, a card in the unit
// emulator, or a mounted SD card. An optional description file ".card" in the
// folder holds "key=value" lines: label, capacity (bytes; caps the space and
// makes the used bytes the sum of the files), formatted (0 or 1), maxfiles,
// readonly (0 or 1), shortnames (1: only 8.3 names are accepted).
//
// A file being written lives under a hidden temporary name and appears under
// its own name only when EndWrite completes it.
class CardFolder {
public:
    explicit CardFolder(QString root);
    ~CardFolder();
    CardFolder(const CardFolder&) = delete;
    CardFolder& operator=(const CardFolder&) = delete;

    const QString& Root() const { return root_; }
    bool Exists() const;
    CardSlot Slot() const;
    QList<CardFile> Files() const;
    QString PathOf(const QString& name) const;

    bool EraseFile(int index);
    // Removes every file and folder inside the card folder (never following a
    // link out of it) and marks the card formatted with `label`.
    bool Format(const QString& label);

    // Start-of-write results (the card write codes of the documentation).
    enum WriteResult {
        Started = 0,
        NoSpace = 1,
        TooManyFiles = 2,
        InvalidDevice = 4,
        IllegalName = 5,
        TooManyOpen = 6,
        WriteProtected = 7,
        FileExists = 8,
    };
    // `replace` lets a write take the place of an existing file of that name
    // (the user data file is rewritten that way).
    int StartWrite(const QString& name, std::uint64_t size, std::uint32_t handle, bool replace = false);
    bool WriteBlock(std::uint32_t handle, const QByteArray& bytes);
    bool EndWrite(std::uint32_t handle);
    void AbortWrite(std::uint32_t handle);

    // The start-of-write check alone, on a slot and its file list: the host
    // runs it against a unit's card directory before asking the unit.
    static int CheckStart(const CardSlot& slot, const QList<CardFile>& files, const QString& name,
                          std::uint64_t size, bool replace);
    static bool LegalName(const QString& name, bool shortNamesOnly);
    static std::uint16_t TypeOf(const QString& name);
    static constexpr int MaxOpenWrites = 4;
    static constexpr std::uint16_t DefaultMaxFiles = 256;
    static QString UserDataFileName() { return QStringLiteral("USERDATA.USR"); }

private:
    struct Description {
        QString label;
        std::uint64_t capacity = 0;
        bool formatted = true;
        std::uint16_t maxFiles = DefaultMaxFiles;
        bool readOnly = false;
        bool shortNames = false;
    };
    struct Write {
        QString name;
        std::uint64_t size = 0;
        std::uint64_t written = 0;
        bool replace = false;
        std::unique_ptr<QFile> file;
    };

    Description Describe() const;
    void SaveDescription(const Description& d) const;
    std::uint64_t PendingBytes() const;

    QString root_;
    std::map<std::uint32_t, Write> writes_;
};

} // namespace linkpod
