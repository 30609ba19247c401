#include "unitwindows/MapUnitCommands.h"

#include "comm/Connection.h"
#include "comm/FlashTexts.h"
#include "mapbuild/MapData.h"
#include "unitwindows/UnitPanes.h"

#include <QAction>

namespace unitwindows {

namespace {
constexpr qint32 SlowRate = 19200;
}

MapUnitCommands::MapUnitCommands(comm::Connection& session, mapbuild::MapData& map, QObject* parent)
    : QObject(parent), session_(session), map_(map), upload_(session), partitions_(session, map, upload_),
      cards_(session, upload_), panes_(new UnitPanes(session, partitions_, cards_)) {
    connect(&upload_, &comm::MapUpload::Beep, this, &MapUnitCommands::Beep);
    const auto refresh = [this] { Refresh(); };
    connect(&session_, &comm::Connection::ConnectedStatusChanged, this, refresh);
    connect(&partitions_, &comm::FlashPartitions::LinesChanged, this, refresh);
    connect(&cards_, &comm::CardOperations::DevicesChanged, this, refresh);
    connect(&upload_, &comm::MapUpload::Finished, this, refresh);
    connect(&map_, &mapbuild::MapData::StateChanged, this, refresh);
}

void MapUnitCommands::SetPrompt(ui::Prompt* prompt) {
    prompt_ = prompt;
    upload_.SetPrompt(prompt);
    partitions_.SetPrompt(prompt);
    cards_.SetPrompt(prompt);
}

void MapUnitCommands::SetProgress(ui::Progress* progress) {
    upload_.SetProgress(progress);
    cards_.SetProgress(progress);
}

void MapUnitCommands::SetActions(const Actions& actions) {
    actions_ = actions;
    if (actions_.sendMap)
        connect(actions_.sendMap, &QAction::triggered, this, &MapUnitCommands::DownloadCartridge);
    if (actions_.erase)
        connect(actions_.erase, &QAction::triggered, this, &MapUnitCommands::EraseFlash);
    if (actions_.format)
        connect(actions_.format, &QAction::triggered, this, &MapUnitCommands::FormatDevice);
    Refresh();
}

bool MapUnitCommands::CanSendMap() const {
    if (map_.CartridgeFileLen() <= 0 || upload_.Pending())
        return false;
    return session_.ConnectionIsLurch() ? !partitions_.Lines().isEmpty() : !cards_.Devices().isEmpty();
}

void MapUnitCommands::Refresh() {
    const bool partitions = session_.ConnectionIsLurch();
    const bool cards = !cards_.Devices().isEmpty();
    if (actions_.sendMap)
        actions_.sendMap->setEnabled(CanSendMap());
    if (actions_.erase) {
        actions_.erase->setText(partitions ? QStringLiteral("&Erase Section")
                                           : QStringLiteral("&Erase File"));
        actions_.erase->setEnabled(!upload_.Pending() &&
                                   (partitions ? !partitions_.Lines().isEmpty() : cards));
    }
    if (actions_.format)
        actions_.format->setEnabled(!upload_.Pending() && !partitions && cards);
}

bool MapUnitCommands::SlowLineAccepted() {
    // The card reader is not on the serial line.
    if (!session_.SerialConnected() || session_.BaudRate() >= SlowRate || !prompt_)
        return true;
    return prompt_->Ask(QStringLiteral("Communications Warning"),
                        comm::FlashTexts::SlowRateWarning(session_.BaudRate()), ui::Buttons::YesNo,
                        ui::Icon::Exclamation) == ui::Answer::Yes;
}

void MapUnitCommands::DownloadCartridge() {
    if (session_.ConnectionIsLurch())
        partitions_.DownloadCartridge(panes_->SelectedFlashRows());
    else if (cards_.SelectedDevice() < 0 || SlowLineAccepted())
        cards_.DownloadCartridge(map_.CartridgeFileName());
    Refresh();
}

void MapUnitCommands::EraseFlash() {
    if (session_.ConnectionIsLurch())
        partitions_.EraseFlash(panes_->SelectedFlashRows());
    else
        cards_.EraseFile(panes_->SelectedFileRow());
}

void MapUnitCommands::FormatDevice() {
    cards_.FormatDevice();
}

} // namespace unitwindows
