#pragma once

#include "app/MapFile.h"
#include "carver/Carver.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"

#include <QStringList>

namespace cli {

// Keeps the texts of message boxes for the command's report.
class CollectingPrompt : public ui::Prompt {
public:
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons, ui::Icon) override {
        texts << text;
        (void)title;
        return ui::Answer::Ok;
    }
    QStringList texts;
};

// A border engine, map definition and workspace file class, as the desktop
// program holds them, for commands that read or write workspaces.
struct WorkspaceSession {
    Carver carver;
    mapbuild::MapData map{carver};
    app::ProgramSettings settings;
    app::RecentFiles recent;
    CollectingPrompt prompt;
    app::MapFile file{settings, map, recent, prompt};
};

} // namespace cli
