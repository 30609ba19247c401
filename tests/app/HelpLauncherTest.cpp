#include "app/HelpLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

QString MakeHelp(const QTemporaryDir& dir) {
    QDir(dir.path()).mkpath(QStringLiteral("Help"));
    const QString file = HelpLauncher::HelpFile(dir.path());
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write("<html></html>");
    return file;
}

} // namespace

TEST(Help, PageIsMainFrameInTheHelpFolder) {
    EXPECT_EQ(HelpLauncher::HelpFile(QStringLiteral("/opt/tf")),
              QStringLiteral("/opt/tf/Help/Main Frame.htm"));
}

TEST(Help, MissingPageAsksForAReinstall) {
    QTemporaryDir dir;
    bool opened = false;
    const QString message = HelpLauncher::Open(HelpLauncher::HelpFile(dir.path()), [&](const QUrl&) {
        opened = true;
        return true;
    });
    EXPECT_EQ(message, QStringLiteral("Help file not found.\nYou need to reinstall the application."));
    EXPECT_FALSE(opened);
}

TEST(Help, NoBrowserAsksForOne) {
    QTemporaryDir dir;
    const QString file = MakeHelp(dir);
    EXPECT_EQ(HelpLauncher::Open(file, [](const QUrl&) { return false; }),
              QStringLiteral("You must install a default html browser to view the help files."));
}

TEST(Help, BrowserGetsThePageAsALocalUrl) {
    QTemporaryDir dir;
    const QString file = MakeHelp(dir);
    QUrl seen;
    EXPECT_EQ(HelpLauncher::Open(file,
                                 [&](const QUrl& url) {
                                     seen = url;
                                     return true;
                                 }),
              QString());
    EXPECT_EQ(seen.toLocalFile(), file);
}

TEST(Help, ShippedPageExists) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(TF_SOURCE_DIR "/share/Help/Main Frame.htm")));
}
