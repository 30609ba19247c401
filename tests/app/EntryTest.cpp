#include "app/Entry.h"
#include "app/SingleInstance.h"
#include "app/Trace.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace app;

namespace {

QString UniqueName(const char* what) {
    return QStringLiteral("tf-entry-%1-%2").arg(QLatin1String(what)).arg(QCoreApplication::applicationPid());
}

// Closes the main window once its start-up has finished.
void CloseMainWindowWhenReady() {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<frmMain*>(w); main && main->AppReady()) {
                timer->deleteLater();
                QTimer::singleShot(0, main, [main] { main->close(); });
            }
    });
    timer->start(10);
}

bool Answers(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(1000);
}

} // namespace

TEST(Entry, FirstStartRunsTheStepsInOrder) {
    QStringList trace;
    SetTraceHook([&](const QString& label) { trace << label; });
    SingleInstance instance(UniqueName("first"));
    CloseMainWindowWhenReady();
    EXPECT_EQ(Entry::Run({}, instance), 0);
    SetTraceHook({});
    const QStringList order = {"Main",           "Splash shown",       "Initializing objects",
                               "frmMain loaded", "Executing commands", "QueryUnload",
                               "Calling End"};
    qsizetype at = -1;
    for (const QString& step : order) {
        const qsizetype found = trace.indexOf(step, at + 1);
        EXPECT_GT(found, at) << step.toStdString();
        at = found;
    }
    EXPECT_FALSE(trace.contains(QStringLiteral("We are not alone")));
}

TEST(Entry, SecondProgramEndsWhileTheFirstRuns) {
    const QString name = UniqueName("process");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TERRAFOLD_INSTANCE"), name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program = QStringLiteral(TF_BINARY_DIR "/bin/terrafold");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    // The first instance answers once its main window has loaded.
    for (int tries = 0; tries < 300 && !Answers(name); ++tries)
        first.waitForFinished(100);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {QStringLiteral("/tmp/none.usr")});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(10000);
}
