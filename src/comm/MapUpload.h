#pragma once

#include "comm/FlashDataObject.h"
#include "comm/MapBlocks.h"
#include "gpsdata/Prompt.h"

#include <QObject>
#include <QTimer>

namespace comm {

class Connection;

// Sends a built map in 512-byte blocks, one block a step, each step waiting
// for the block's acknowledgement: into partitions after the unit erased them,
// or into a card file once its write started. The map is sent only once the
// unit or card confirmed its end; a card file given up half-way is aborted so
// that nothing of it stays on the card. It also follows the unit's erase
// progress.
class MapUpload : public QObject {
    Q_OBJECT
public:
    explicit MapUpload(Connection& session, QObject* parent = nullptr);

    void SetProgress(ui::Progress* progress) { progress_ = progress; }
    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }

    // Loads the map the next erase or file start sends; false when the file
    // cannot be read (nothing is sent then).
    bool LoadData(const QString& path);
    const FlashDataObject& Data() const { return image_; }
    // A map is loaded and waits for its erase or file start, or is being sent.
    bool Pending() const { return armed_ || sending_; }
    // Forgets a loaded map that was not started (Finished(false) when one was).
    void Cancel();
    // Opens the progress the unit's erase moves.
    void BeginErase();

signals:
    // Every block was taken and the unit or card confirmed the end of the map
    // (true), or the upload was refused, cancelled or broken off.
    void Finished(bool complete);
    // The program beeps when a map was sent.
    void Beep();

private:
    void OnErased();
    void OnStarted(const QString& caption);
    void Step();
    void OnBlockSent(bool ok);
    void OnEnded(bool ok);
    void Stop(bool complete);
    void OpenProgress(const QString& caption);
    void CloseProgress();

    Connection& session_;
    ui::Progress* progress_ = nullptr;
    ui::Prompt* prompt_ = nullptr;
    FlashDataObject image_;
    MapBlocks blocks_{image_};
    QTimer tmrTransfer;
    quint32 lastAddress_ = 0;
    bool armed_ = false;
    bool sending_ = false;
    bool ending_ = false; // every block sent, the end asked for
    bool progressOpen_ = false;
};

} // namespace comm
