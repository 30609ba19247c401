#include "UnitProcess.h"

#include "../support/TestFiles.h"

#include "linkpod/LinkPod.h"
#include "linkpod/UsrFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace linkpod;
using namespace linkpod_testing;

namespace {

// The largest data set a unit of ours holds: every slot used, long names,
// extreme values, full trails.
UserDataStore MaximumDataSet() {
    UserDataStore s;
    for (int i = 0; i < 1000; ++i)
        s.waypoints.Put(UserWaypoint{static_cast<std::uint16_t>(i),
                                     static_cast<std::uint16_t>(10000 + i % 42),
                                     static_cast<std::uint8_t>(i % 3), i % 2 ? INT32_MIN + i : INT32_MAX - i,
                                     -i * 7919, -0.0f + i * 0.25f, 0xFFFFFFFFu - i,
                                     QStringLiteral("Wpt %1 ÄÖÜ 測").arg(i), QString(i % 50, QChar(u'x'))});
    for (int r = 0; r < 50; ++r) {
        UserRoute route{static_cast<std::uint16_t>(r), QStringLiteral("Route %1").arg(r), {}};
        for (int k = 0; k < 250; ++k)
            route.waypoints.append(static_cast<std::uint16_t>((r * 13 + k) % 1000));
        s.routes.Put(route);
    }
    for (int i = 0; i < 250; ++i)
        s.icons.Put(
            UserIcon{static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(10000 + i % 42), i, -i});
    for (int t = 0; t < 20; ++t) {
        UserTrail trail{static_cast<std::uint16_t>(t), QStringLiteral("Trl %1").arg(t), {}};
        for (int p = 0; p < 10000; ++p)
            trail.points.append(TrailPoint{p * 31 - t, -p * 17, p % 5 != 0});
        s.trails.Put(trail);
    }
    return s;
}

class UsrFiles : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApp();
        QObject::connect(&pod, &LinkPod::UserDataProgress, [this](int p) { progress << p; });
        QObject::connect(&pod, &LinkPod::UserDataSaved, [this](int r) { saved = r; });
        QObject::connect(&pod, &LinkPod::UserDataLoaded, [this](int r) { loaded = r; });
    }
    int Save(const QString& path) {
        saved = -1;
        pod.WriteUserDataFile(path, QDateTime::currentDateTimeUtc());
        EXPECT_TRUE(WaitFor([this] { return saved >= 0; }));
        return saved;
    }
    int Load(const QString& path) {
        loaded = -1;
        pod.ReadUserDataFile(path);
        EXPECT_TRUE(WaitFor([this] { return loaded >= 0; }));
        return loaded;
    }
    QString PathOf(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    LinkPod pod;
    QList<int> progress;
    int saved = -1;
    int loaded = -1;
};

} // namespace

TEST_F(UsrFiles, TheMaximumDataSetRoundTripsExactly) {
    const UserDataStore full = MaximumDataSet();
    pod.Store() = full;
    ASSERT_EQ(Save(PathOf("big data.usr")), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("big data.usr")})
        << "no temporary file is left behind";
    EXPECT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.back(), 100);
    pod.Store().Clear();
    ASSERT_EQ(Load(PathOf("big data.usr")), 0);
    EXPECT_TRUE(pod.Store() == full);
}

TEST_F(UsrFiles, AnEmptyStoreRoundTrips) {
    ASSERT_EQ(Save(PathOf("empty.usr")), 0);
    pod.Store().waypoints.Put(UserWaypoint{});
    ASSERT_EQ(Load(PathOf("empty.usr")), 0);
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);
}

TEST_F(UsrFiles, AFileThatIsMissingOrForeignOrDamagedLeavesTheStoreAlone) {
    pod.Store().waypoints.Put(UserWaypoint{3, 10001, 0, 1, 2, 0, 0, QStringLiteral("keep"), {}});
    ASSERT_EQ(Save(PathOf("good.usr")), 0);
    const UserDataStore before = pod.Store();
    EXPECT_EQ(Load(PathOf("missing.usr")), usr::NotFound);

    EXPECT_EQ(Load(testing_support::WriteFile(PathOf("foreign.usr"), "KTR sectioned data, not ours")),
              usr::Incompatible);
    QByteArray bytes = testing_support::ReadFile(PathOf("good.usr"));
    bytes[20] = static_cast<char>(bytes[20] ^ 0x40);
    EXPECT_EQ(Load(testing_support::WriteFile(PathOf("damaged.usr"), bytes)), usr::Damaged);
    EXPECT_TRUE(pod.Store() == before);
}

TEST_F(UsrFiles, MoreRecordsThanTheStoreTakesIsTooMuch) {
    for (int i = 0; i < 5; ++i)
        pod.Store().icons.Put(UserIcon{static_cast<std::uint16_t>(i), 10000, 0, 0});
    ASSERT_EQ(Save(PathOf("icons.usr")), 0);
    StoreCapacity small;
    small.icons = 4;
    pod.SetStoreCapacity(small);
    EXPECT_EQ(Load(PathOf("icons.usr")), usr::TooMuch);
}

TEST_F(UsrFiles, AFailedSaveReportsAccessDeniedKeepsWhatWasThereAndWritesNothing) {
    // A folder stands where the file should go: the save cannot replace it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.usr")));
    EXPECT_EQ(Save(PathOf("taken.usr")), UsrFileJob::AccessDenied);
    EXPECT_TRUE(QFileInfo(PathOf("taken.usr")).isDir());
    EXPECT_NE(Save(PathOf("no/such/folder/x.usr")), 0);
    EXPECT_FALSE(QFileInfo::exists(PathOf("no")));
}

TEST(UsrFormat, EveryTruncationOfAFileIsRefused) {
    UserDataStore s;
    s.routes.Put(UserRoute{1, QStringLiteral("r"), {1, 2}});
    s.trails.Put(UserTrail{0, QStringLiteral("t"), {{1, 2, true}}});
    const QByteArray bytes = usr::Encode(s, QDateTime::currentDateTimeUtc());
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        UserDataStore out;
        EXPECT_NE(usr::Decode(bytes.left(n), StoreCapacity{}, out), usr::Loaded) << n;
        EXPECT_TRUE(out == UserDataStore{});
    }
}

TEST(UsrFormat, TheChecksumIsTheStandardCrc32) {
    EXPECT_EQ(usr::Crc32("123456789"), 0xCBF43926u);
}
