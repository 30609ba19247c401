#pragma once

#include "MapFileFixture.h"
#include "SessionFixture.h"

#include "../support/TestFiles.h"

#include "comm/CardOperations.h"
#include "comm/MapUpload.h"

#include <QDir>
#include <QTemporaryDir>

namespace comm_testing {

// The words for each code a card refuses to start a file with.
inline QString StartRefusal(int code) {
    static const char* const texts[] = {
        "",
        "There is insufficient space for the file on the selected card.\r\n"
        "Delete a file and try again, or select a different MMC card.",
        "The selected MMC card already has the maximum number of allowed files.\r\n"
        "Delete a file and try again, or select a different MMC card.",
        "Unable to start transfering the file.",
        "Invalid device selected.",
        "Illegal filename.",
        "Too many files open.",
        "Writing to this card is not allowed.",
        "A file by this name already exists on the MMC card.\r\n"
        "Rename your map or erase the file on the MMC card first."};
    return QString::fromUtf8(texts[code]);
}

// A session with the map window's card lists and the map upload, and a card
// (a folder) to put in the card reader on LPT1 or in a unit.
class CardFixture : public SessionFixture, public MapFileFixture {
protected:
    CardFixture() {
        pod.Ports().SetReaderFolder(1, card.path());
        upload.SetPrompt(&prompt);
        upload.SetProgress(&progress);
        cards.SetPrompt(&prompt);
        cards.SetProgress(&progress);
        prompt.fallback = ui::Answer::Yes;
        QObject::connect(&cards, &comm::CardOperations::UserDataDone, [this](bool ok) { userData << ok; });
        QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) {
            finished << ok;
            onCardAtFinish << OnCard();
        });
        QObject::connect(&upload, &comm::MapUpload::Beep, [this] { ++beeps; });
        QObject::connect(&session, &comm::Connection::ProgramFlashMemorySent, [this] {
            if (++acks == cancelAt)
                progress.cancel = true;
        });
    }

    // The card in the reader, with its description when one is given.
    void OpenReader(const QByteArray& description = {}) {
        if (!description.isEmpty())
            testing_support::WriteFile(card.filePath(".card"), description);
        session.SetLPTPort(1);
        session.OpenLPTPort();
        SelectTheCard();
    }

    // The card in a unit that shows `faults`.
    void StartUnitWithCard(const QStringList& faults = {}) {
        StartUnit(QStringList{"--card", card.path()} + faults, 115200);
        ConnectAt(115200);
        SelectTheCard();
    }

    void SelectTheCard() {
        ASSERT_TRUE(WaitFor([this] { return cards.Devices().size() == 1; }));
        cards.SelectDevice(0);
    }

    // The map at `path` went to the selected card and its upload finished, whole or not.
    bool Sent(const QString& path) {
        const qsizetype before = finished.size();
        return cards.DownloadCartridge(path) && WaitFor([&] { return finished.size() > before; });
    }
    // Every file in the card's folder, the hidden ones of writes under way too.
    QStringList OnCard() const { return QDir(card.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir card;
    comm::MapUpload upload{session};
    comm::CardOperations cards{session, upload};
    testing_support::RecordingProgress progress;
    QList<bool> userData;
    // Each finished map upload and what the card's folder held at that moment,
    // the beeps, the blocks acknowledged and the block after which to cancel.
    QList<bool> finished;
    QList<QStringList> onCardAtFinish;
    int beeps = 0;
    int acks = 0;
    int cancelAt = -1;
};

} // namespace comm_testing
