#pragma once

#include "comm/CardOperations.h"
#include "comm/FlashPartitions.h"
#include "comm/MapUpload.h"
#include "gpsdata/Prompt.h"

#include <QObject>

class QAction;
class QWidget;

namespace comm {
class Connection;
}
namespace mapbuild {
class MapData;
}

namespace unitwindows {

class UnitPanes;

// The map window's commands on the unit's memory: sending the built map into
// the selected partitions or as a file onto the selected card, erasing
// partitions or a card file, and formatting a card. It owns the partition and
// card lists and the map upload, and the panes that show them.
class MapUnitCommands : public QObject {
    Q_OBJECT
public:
    // The menu commands it drives; any may be null.
    struct Actions {
        QAction* sendMap = nullptr;
        QAction* erase = nullptr;
        QAction* format = nullptr;
    };

    MapUnitCommands(comm::Connection& session, mapbuild::MapData& map, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt);
    void SetProgress(ui::Progress* progress);
    // Runs the commands from the actions and keeps their state and captions.
    void SetActions(const Actions& actions);

    // The panes, to be placed into the map window (which then owns them).
    UnitPanes* Panes() const { return panes_; }
    comm::FlashPartitions& Partitions() { return partitions_; }
    comm::CardOperations& Cards() { return cards_; }
    comm::MapUpload& Upload() { return upload_; }

    void DownloadCartridge();
    void EraseFlash();
    void FormatDevice();
    // Brings the commands' state and the erase caption up to date.
    void Refresh();

    // Whether the built map can go somewhere now.
    bool CanSendMap() const;

signals:
    // A map was sent whole: the program beeps.
    void Beep();

private:
    bool SlowLineAccepted();

    comm::Connection& session_;
    mapbuild::MapData& map_;
    comm::MapUpload upload_;
    comm::FlashPartitions partitions_;
    comm::CardOperations cards_;
    UnitPanes* panes_;
    ui::Prompt* prompt_ = nullptr;
    Actions actions_;
};

} // namespace unitwindows
