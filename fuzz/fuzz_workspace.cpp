// Feeds any bytes to the workspace and settings file reader, then writes the
// result back out: whatever was read must save again.
#include "app/MapFile.h"
#include "carver/Carver.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

class SilentPrompt : public ui::Prompt {
public:
    ui::Answer Ask(const QString&, const QString&, ui::Buttons, ui::Icon) override { return ui::Answer::Ok; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString input = QDir(dir.path()).filePath("input.nmp");
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Carver carver;
    mapbuild::MapData map(carver);
    app::ProgramSettings settings;
    app::RecentFiles recent;
    SilentPrompt prompt;
    app::MapFile file(settings, map, recent, prompt);
    file.LoadMapFile(input);
    file.SaveMapFile(QDir(dir.path()).filePath("output.nmp"), true);
    return 0;
}
