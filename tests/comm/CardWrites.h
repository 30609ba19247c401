#pragma once

#include "../linkpod/UnitProcess.h"
#include "../support/RecordingPrompt.h"
#include "../support/TestFiles.h"

#include "comm/CardOperations.h"
#include "comm/Connection.h"
#include "comm/MapUpload.h"

#include <QDir>

#include <gtest/gtest.h>

namespace comm_testing {

// Follows the map writes to one card folder: each finished upload and what
// the folder held at that moment, the beeps and the blocks acknowledged.
class CardWrites {
public:
    CardWrites(comm::Connection& session, comm::MapUpload& upload, comm::CardOperations& cards,
               QString folder)
        : cards_(cards), folder_(std::move(folder)) {
        QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) {
            finished << ok;
            onCardAtFinish << OnCard();
        });
        QObject::connect(&upload, &comm::MapUpload::Beep, [this] { ++beeps; });
        QObject::connect(&session, &comm::Connection::ProgramFlashMemorySent, [this] {
            if (++acks == cancelAt_ && progress_)
                progress_->cancel = true;
        });
    }

    // The map at `path` went to the selected card and its upload finished, whole or not.
    bool Sent(const QString& path) {
        const qsizetype before = finished.size();
        return cards_.DownloadCartridge(path) &&
               linkpod_testing::WaitFor([&] { return finished.size() > before; });
    }
    // Every file in the card's folder, the hidden ones of writes under way too.
    QStringList OnCard() const { return QDir(folder_).entryList(QDir::Files | QDir::Hidden); }

    // The upload is cancelled through `progress` once `blocks` more blocks were taken.
    void CancelAfter(testing_support::RecordingProgress& progress, int blocks) {
        progress_ = &progress;
        cancelAt_ = acks + blocks;
    }

    QList<bool> finished;
    QList<QStringList> onCardAtFinish;
    int beeps = 0;
    int acks = 0;

private:
    comm::CardOperations& cards_;
    QString folder_;
    testing_support::RecordingProgress* progress_ = nullptr;
    int cancelAt_ = -1;
};

} // namespace comm_testing
