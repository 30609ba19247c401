#include "MapFileFixture.h"

#include "app/SettingsLoader.h"

namespace {

class Loader : public MapFileFixture {
protected:
    app::SettingsLoader Make(const QString& install) {
        return app::SettingsLoader(file, settings, map, prompt, Path("config"), install, Path("data"));
    }
    const QString shipped = QStringLiteral(TF_SOURCE_DIR "/share");
};

TEST_F(Loader, FirstRunReadsTheShippedDefaultsLaterRunsTheSavedSettingsAndRestoreTheDefaults) {
    settings.baudRate = 1;
    auto loader = Make(shipped);
    EXPECT_FALSE(loader.Load());
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(settings.baudRate, 9600);
    EXPECT_EQ(settings.midX, -10723000);
    EXPECT_EQ(map.MapPath(), Path("data/data"));
    EXPECT_TRUE(QDir(Path("data/data")).exists());
    EXPECT_TRUE(recent.Entries().isEmpty());

    // Later runs read the user's settings file, where the program saves them.
    settings.comPort = 3;
    ASSERT_TRUE(file.SaveMapFile(loader.SettingsFile(), true));
    settings = app::ProgramSettings();
    EXPECT_TRUE(loader.Load());
    EXPECT_EQ(settings.comPort, 3);

    // Restoring the defaults clears the map and reads them.
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(1, 1);
    map.SetDirty(true);
    settings.mapFontName = "Other";
    EXPECT_TRUE(loader.RestoreDefaults());
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    EXPECT_FALSE(map.Dirty());
    EXPECT_EQ(settings.mapFontName, QStringLiteral("Courier New"));
}

TEST_F(Loader, FirstRunWithoutDefaultsSaysSo) {
    auto loader = Make(Path("nowhere"));
    EXPECT_FALSE(loader.Load());
    EXPECT_EQ(prompt.Texts(), QStringList{QStringLiteral("'Default.ini' file not found!")});
    EXPECT_EQ(settings, app::ProgramSettings());
}

} // namespace
