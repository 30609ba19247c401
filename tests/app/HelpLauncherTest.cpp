#include "app/HelpLauncher.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace app;

// The main window's test sees the browser get the page or be missing.
TEST(Help, AMissingHelpFileTellsTheUserToReinstall) {
    EXPECT_TRUE(QFile::exists(HelpLauncher::HelpFile(QStringLiteral(TF_SOURCE_DIR "/share"))));
    QTemporaryDir dir;
    bool opened = false;
    EXPECT_EQ(
        HelpLauncher::Open(HelpLauncher::HelpFile(dir.path()), [&](const QUrl&) { return opened = true; }),
        QStringLiteral("Help file not found.\nYou need to reinstall the application."));
    EXPECT_FALSE(opened);
}
