#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the dynamic loader reports loading for one run.
CliRun RunWithLoaderLog(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "files");
    return RunCli(arguments, environment);
}

CliRun RunCopy(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(CliToolModule, DataSetCommandsStartWithoutThePainterOrTheGeometryLibraries) {
    QTemporaryDir dir;
    const QString gpx = dir.filePath("in.gpx");
    QFile file(gpx);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<gpx version='1.1'><wpt lat='40' lon='-105'><name>A</name></wpt></gpx>");
    file.close();

    const CliRun convert = RunWithLoaderLog({"convert", gpx, dir.filePath("out.nrv")});
    EXPECT_EQ(convert.exitCode, 0) << convert.err.right(400).constData();
    EXPECT_FALSE(convert.err.contains("libQt6Gui")) << "a conversion loads the painter";
    EXPECT_FALSE(convert.err.contains("libgeos")) << "a conversion loads the geometry library";

    // The same log shows them for a command that needs them.
    const CliRun print = RunWithLoaderLog({"print"});
    EXPECT_EQ(print.exitCode, 2);
    EXPECT_TRUE(print.err.contains("libQt6Gui"));
    EXPECT_TRUE(print.err.contains("usage:\n  terrafold-cli print"));
}

TEST(CliToolModule, AnInstalledProgramFindsItsModuleOrSaysItCannot) {
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("lib/terrafold");
    const QString program = prefix.filePath("bin/terrafold-cli");
    const QString module = prefix.filePath("lib/terrafold/terrafold-cli-tools.so");
    ASSERT_TRUE(QFile::copy(TF_BINARY_DIR "/bin/terrafold-cli", program));
    ASSERT_TRUE(QFile::copy(TF_BINARY_DIR "/bin/terrafold-cli-tools.so", module));

    const CliRun found = RunCopy(program, {"estimate"});
    EXPECT_EQ(found.exitCode, 2) << found.err.constData();
    EXPECT_TRUE(found.err.contains("terrafold-cli estimate: needs a workspace file"));

    ASSERT_TRUE(QFile::remove(module));
    const CliRun missing = RunCopy(program, {"estimate"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("terrafold-cli: cannot load its tool module")) << missing.err.constData();
    // The data-set commands do not need it.
    EXPECT_EQ(RunCopy(program, {"position", "--lat", "40", "--lon", "-105"}).exitCode, 0);
}
