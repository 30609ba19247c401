#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <functional>

#include <csignal>
#include <sys/prctl.h>

namespace linkpod_testing {

// The event loop the link needs; one for the whole test binary.
inline void EnsureApp() {
    static int argc = 1;
    static char name[] = "tf_linkpod_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// Runs the event loop until `done` holds or a generous time has passed; the
// answer says which. Never used to measure anything.
inline bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
    QElapsedTimer clock;
    clock.start();
    // Sleeps between events; the tick makes sure the deadline is seen.
    QTimer tick;
    tick.start(50);
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// terrafold-unit on a fresh pseudo-terminal.
class UnitProcess {
public:
    explicit UnitProcess(const QStringList& args) {
        EnsureApp();
        process_.setProgram(QStringLiteral(TF_BINARY_DIR "/bin/terrafold-unit"));
        process_.setArguments(args);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The unit dies with the test: a test aborted by a sanitizer must not
        // leave a unit holding CTest's output pipe open until the timeout.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start();
        if (process_.waitForStarted(30000))
            WaitFor([this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; },
                    30000);
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~UnitProcess() {
        process_.kill();
        process_.waitForFinished(30000);
    }
    const QString& Path() const { return path_; }
    bool Running() const { return process_.state() == QProcess::Running; }

private:
    QProcess process_;
    QString path_;
};

} // namespace linkpod_testing
