#include "app/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

void Touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(CommandOption, TokenRunsFromKeyToNextBlank) {
    EXPECT_EQ(GetCommandOption(QStringLiteral("/dF /tmp/a b.nmp"), QStringLiteral("/d")),
              QStringLiteral("/dF"));
    EXPECT_EQ(GetCommandOption(QStringLiteral("x.usr /DE"), QStringLiteral("/d")), QStringLiteral("/DE"));
    EXPECT_EQ(GetCommandOption(QStringLiteral("x.usr"), QStringLiteral("/d")), QString());
}

TEST(CommandOption, KeyInsideAPathIsNoOption) {
    EXPECT_EQ(GetCommandOption(QStringLiteral("/home/dave/docs/a.nmp"), QStringLiteral("/d")), QString());
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/data/maps/x.nmp")), FindFirstCDDrive());
}

TEST(CommandOption, DriveLetterOrFolderSelectsTheCD) {
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/dF /tmp/map file.nmp")), QStringLiteral("F:"));
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/d/media/cdrom x.usr")), QStringLiteral("/media/cdrom"));
    EXPECT_EQ(ParseCommandOptions(QString()), FindFirstCDDrive());
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/d")), FindFirstCDDrive());
}

TEST(LongPath, ComponentsTakeTheirNamesOnDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Maps")));
    Touch(dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP")));
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("my maps/LAKE TRIP.nmp"))),
              dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP")));
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP"))),
              dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP")));
}

TEST(LongPath, ExactSpellingWinsOverOtherCase) {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("a.usr")));
    Touch(dir.filePath(QStringLiteral("A.usr")));
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("A.usr"))), dir.filePath(QStringLiteral("A.usr")));
}

TEST(LongPath, MissingPathGivesEmptyText) {
    QTemporaryDir dir;
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("none/x.usr"))), QString());
    EXPECT_EQ(ResolveLongPath(QString()), QString());
    EXPECT_EQ(ResolveLongPath(QStringLiteral("   ")), QString());
}

TEST(LongPath, RelativePathsAreTakenFromTheCurrentFolder) {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("Trip.usr")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString resolved = ResolveLongPath(QStringLiteral("trip.USR"));
    QDir::setCurrent(before);
    EXPECT_EQ(resolved, QDir(dir.path()).canonicalPath() + QStringLiteral("/Trip.usr"));
}

TEST(JoinedCommandLine, ExistingFilesBecomeAbsolute) {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("a b.nmp")));
    const QString line =
        JoinCommandLine({QStringLiteral("/dE"), QStringLiteral("a b.nmp")}, QDir(dir.path()));
    EXPECT_EQ(line, QStringLiteral("/dE ") + dir.filePath(QStringLiteral("a b.nmp")));
}

TEST(CommandNames, FromEachWordTheLongestRunComesFirst) {
    EXPECT_EQ(CommandNameCandidates(QStringLiteral("/dF a b  c")),
              (QStringList{"/dF a b  c", "/dF a b", "/dF a", "/dF", "a b  c", "a b", "a", "b  c", "b", "c"}));
    EXPECT_TRUE(CommandNameCandidates(QStringLiteral("   ")).isEmpty());
}
