#pragma once

#include "gpsdata/Prompt.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace gpsdata {
class GPSData;
}
namespace mapview {
class UndoStack;
}

namespace app {

class FileChooser;

// The File menu's position lists: importing a list as a route or as
// waypoints, and the export window.
class PositionListCommands : public QObject {
    Q_OBJECT
public:
    // `folder` gives the folder the dialogs start in.
    PositionListCommands(gpsdata::GPSData& data, mapview::UndoStack& undo, ui::Prompt& prompt,
                         std::function<QString()> folder, QWidget* owner);

    void SetChooser(FileChooser* chooser) { chooser_ = chooser; }

    // Asks for a file until one is found or the user cancels, and imports it.
    // The import is one undo step, so that undoing an earlier command never
    // takes the imported objects away unannounced.
    void Import(bool route);
    // Opens the export window.
    void Export();

private:
    gpsdata::GPSData& data_;
    mapview::UndoStack& undo_;
    ui::Prompt& prompt_;
    std::function<QString()> folder_;
    QWidget* owner_;
    FileChooser* chooser_ = nullptr;
};

} // namespace app
