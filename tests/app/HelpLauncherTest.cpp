#include "app/HelpLauncher.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

namespace {

QString MakeHelp(const QTemporaryDir& dir) {
    QDir(dir.path()).mkpath(QStringLiteral("Help"));
    return testing_support::WriteFile(HelpLauncher::HelpFile(dir.path()), "<html></html>");
}

} // namespace

TEST(Help, TheBrowserGetsTheShippedPageOrTheUserIsToldWhatIsMissing) {
    EXPECT_TRUE(QFile::exists(HelpLauncher::HelpFile(QStringLiteral(TF_SOURCE_DIR "/share"))));
    QTemporaryDir dir;
    bool opened = false;
    const auto browser = [&](const QUrl&) { return opened = true; };
    EXPECT_EQ(HelpLauncher::Open(HelpLauncher::HelpFile(dir.path()), browser),
              QStringLiteral("Help file not found.\nYou need to reinstall the application."));
    EXPECT_FALSE(opened);

    const QString file = MakeHelp(dir);
    EXPECT_EQ(HelpLauncher::Open(file, [](const QUrl&) { return false; }),
              QStringLiteral("You must install a default html browser to view the help files."));
    QUrl seen;
    EXPECT_EQ(HelpLauncher::Open(file,
                                 [&](const QUrl& url) {
                                     seen = url;
                                     return true;
                                 }),
              QString());
    EXPECT_EQ(seen.toLocalFile(), file);
}
