#include "FakeCategories.h"
#include "support/RecordingPrompt.h"
#include "support/TestFiles.h"

#include "carver/Carver.h"
#include "mapbuild/MapData.h"
#include "mapbuild/MasterCategories.h"
#include "mapbuild/SizeInMB.h"
#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"
#include "mastermap/MasterMapControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::RecordingProgress;
using testing_support::RecordingPrompt;

// A master map folder with one land square, a definition that uses it, the
// user's folder for the lists, and the system's temporary folder pointed at a
// folder of the test's own.
class CartridgeBuild : public ::testing::Test {
protected:
    void SetUp() override {
        oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toUtf8());
        Write(QStringLiteral("MasterDefinitionLibrary.dat"), "major 3 Land\nminor 60 Land\n");
        Write(QStringLiteral("MasterList.txt"), "M.at5\r\n");
        mastermap::At5Writer w;
        w.Add(mastermap_testing::Square(60, 0, 0, 96000));
        ASSERT_EQ(w.Write(res.filePath("M.at5")), "");
        ASSERT_EQ(control.ReadLibrary(res.filePath("MasterDefinitionLibrary.dat")), "");
        map.SetDrives(&drives);
        detail.valid = true; // the used list reaches the master map, which marks its layers in use
        map.SetDetail(&detail);
        map.SetCategorySource(&categories);
        map.SetPrompt(&prompt);
        map.SetProgress(&progress);
        map.SetListFolder(lists.path());
        map.SetMasterAt5ListPath(res.path());
        map.SetFileName(QStringLiteral("/home/ann/Lake.nmp"));
        carver.KAddPolyline(1);
        for (auto [x, y] : {std::pair{-1000, -1000}, {48000, -1000}, {48000, 100000}, {-1000, 100000}})
            carver.KAddPolyPoint(x, y);
    }
    void TearDown() override { qputenv("TMPDIR", oldTemp); }
    void Write(const QString& name, const QByteArray& bytes) {
        testing_support::WriteFile(res.filePath(name), bytes);
    }

    QByteArray oldTemp;
    QTemporaryDir res, temp, lists;
    Carver carver;
    mapbuild::MapData map{carver};
    mastermap::MasterMapControl control;
    mapbuild::MasterCategories categories{control};
    FakeDetail detail;
    NoDrives drives;
    RecordingPrompt prompt;
    RecordingProgress progress;
};

TEST_F(CartridgeBuild, EstimateAgreesWithTheBuiltFileAndItsSaveIsRemembered) {
    const qint32 estimate = map.EstimateCartridge();
    EXPECT_GT(estimate, 64);
    EXPECT_TRUE(map.CartridgeFileName().isEmpty());
    EXPECT_FALSE(QFile::exists(temp.filePath("Lake.dat")));

    ASSERT_TRUE(map.CreateCartridge());
    EXPECT_EQ(map.CartridgeFileName(), QDir(temp.path()).filePath("Lake.at5"));
    EXPECT_EQ(map.CartridgeFileLen(), estimate);
    EXPECT_FALSE(map.CartridgeDirty());
    EXPECT_EQ(prompt.Texts(), QStringList{"The size of your custom map is " + mapbuild::SizeInMB(estimate) +
                                          "  MB.\nClick the OK button to save your custom map"});
    EXPECT_EQ(progress.captions,
              QStringList({"Estimating map size - please wait", "Creating map - please wait"}));
    EXPECT_EQ(progress.ended, 2);
    // The build list, in the user's folder, holds the master map file found
    // in the master folder.
    EXPECT_TRUE(
        testing_support::ReadFile(lists.filePath("BuildList.txt")).contains(res.filePath("M.at5").toUtf8()));

    ASSERT_TRUE(map.CreateCartridge());
    const QString target = temp.filePath("saved/Lake.ncm");
    EXPECT_FALSE(map.SaveCartridge(target).isEmpty()); // no such folder
    EXPECT_TRUE(map.SavedMapPath().isEmpty());
    QDir().mkpath(temp.filePath("saved"));
    EXPECT_EQ(map.SaveCartridge(target), "");
    EXPECT_EQ(map.SavedMapPath(), target);
    EXPECT_EQ(QFileInfo(target).size(), map.CartridgeFileLen());
}

// Each failure is told and leaves no map; a build list that cannot be
// written afresh must not leave the engine an old one.
TEST_F(CartridgeBuild, FailuresAreToldAndLeaveNoMap) {
    QDir(temp.path()).mkdir("Lake.at5"); // a folder where the file should go
    EXPECT_FALSE(map.CreateCartridge());
    EXPECT_EQ(prompt.Texts(), QStringList{"Error creating temporary file."});
    QDir(temp.path()).rmdir("Lake.at5");

    testing_support::WriteFile(lists.filePath("file"), "");
    map.SetListFolder(lists.filePath("file/lists"));
    prompt.shown.clear();
    EXPECT_FALSE(map.CreateCartridge());
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_TRUE(
        prompt.shown[0].text.startsWith("Error saving " + lists.filePath("file/lists/BuildList.txt")));
    map.SetListFolder(lists.path());

    QFile::remove(res.filePath("MasterList.txt"));
    prompt.shown.clear();
    EXPECT_FALSE(map.CreateCartridge());
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, "Build Error");

    // The engine's own failure, for the estimate and the build.
    Write(QStringLiteral("MasterList.txt"), "M.at5\r\n");
    QFile::remove(res.filePath("MasterDefinitionLibrary.dat"));
    prompt.shown.clear();
    EXPECT_EQ(map.EstimateCartridge(), 0);
    EXPECT_FALSE(map.CreateCartridge());
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[1].title, "Build Error");
    EXPECT_FALSE(prompt.shown[1].text.isEmpty());
    EXPECT_TRUE(map.CartridgeFileName().isEmpty());
    EXPECT_TRUE(map.CartridgeDirty());
}

// The question before a very large map is for high detail only (the main
// window's build tests answer it).
TEST_F(CartridgeBuild, AVeryLargeLowDetailMapIsBuiltWithoutAsking) {
    carver.KClearAll();
    carver.KAddPolyline(1);
    for (auto [x, y] : {std::pair{-13000000, 3000000}, {-8000000, 3000000}, {-8000000, 6000000}})
        carver.KAddPolyPoint(x, y);
    ASSERT_GT(map.GetUSTotalArea(), 1.5e12f);
    map.CreateCartridge();
    for (const auto& shown : prompt.shown)
        EXPECT_NE(shown.buttons, ui::Buttons::YesNo) << shown.text.toStdString();
}

TEST(SizeInMB, RoundsUpToTheHundredth) {
    EXPECT_EQ(mapbuild::SizeInMB(1), "0.01");
    EXPECT_EQ(mapbuild::SizeInMB(1048576), "1.00");
    EXPECT_EQ(mapbuild::SizeInMB(1048577), "1.01");
    EXPECT_EQ(mapbuild::SizeInMB(0), "0.00");
}

} // namespace
