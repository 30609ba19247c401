#include "app/CommandLine.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

void Touch(const QString& path) {
    testing_support::WriteFile(path, {});
}

} // namespace

// The option's token runs from its key to the next blank; a key inside a path is no option.
TEST(CommandOption, DriveLetterOrFolderSelectsTheCD) {
    EXPECT_EQ(GetCommandOption(QStringLiteral("/dF /tmp/a b.nmp"), QStringLiteral("/d")),
              QStringLiteral("/dF"));
    EXPECT_EQ(GetCommandOption(QStringLiteral("x.usr /DE"), QStringLiteral("/d")), QStringLiteral("/DE"));
    EXPECT_EQ(GetCommandOption(QStringLiteral("x.usr"), QStringLiteral("/d")), QString());
    EXPECT_EQ(GetCommandOption(QStringLiteral("/home/dave/docs/a.nmp"), QStringLiteral("/d")), QString());
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/dF /tmp/map file.nmp")), QStringLiteral("F:"));
    EXPECT_EQ(ParseCommandOptions(QStringLiteral("/d/media/cdrom x.usr")), QStringLiteral("/media/cdrom"));
    for (const QString& none : {QStringLiteral("/data/maps/x.nmp"), QString(), QStringLiteral("/d")})
        EXPECT_EQ(ParseCommandOptions(none), FindFirstCDDrive()) << none.toStdString();
}

// Each component takes its name on disk, the exact spelling first; relative paths start here.
TEST(LongPath, ComponentsTakeTheirNamesOnDiskAndAJoinedCommandLineNamesFilesAbsolutely) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Maps")));
    Touch(dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP")));
    Touch(dir.filePath(QStringLiteral("a.usr")));
    Touch(dir.filePath(QStringLiteral("A.usr")));
    const QString lake = dir.filePath(QStringLiteral("My Maps/Lake Trip.NMP"));
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("my maps/LAKE TRIP.nmp"))), lake);
    EXPECT_EQ(ResolveLongPath(lake), lake);
    EXPECT_EQ(ResolveLongPath(dir.filePath(QStringLiteral("A.usr"))), dir.filePath(QStringLiteral("A.usr")));
    for (const QString& missing :
         {dir.filePath(QStringLiteral("none/x.usr")), QString(), QStringLiteral("   ")})
        EXPECT_EQ(ResolveLongPath(missing), QString()) << missing.toStdString();

    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString resolved = ResolveLongPath(QStringLiteral("my maps/lake trip.nmp"));
    QDir::setCurrent(before);
    EXPECT_EQ(resolved, QDir(dir.path()).canonicalPath() + QStringLiteral("/My Maps/Lake Trip.NMP"));

    // A command line joined from arguments names existing files by their absolute paths.
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
