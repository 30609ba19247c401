#include "app/Entry.h"

#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/Trace.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"

#include <QApplication>
#include <QEventLoop>

#include <memory>

namespace app {

int Entry::Run(const QStringList& arguments, SingleInstance& instance) {
    Trace(QString(70, QLatin1Char('*')));
    Trace(QStringLiteral("Main"));
    const QString commandLine = JoinCommandLine(arguments);
    if (instance.HandOver(commandLine)) {
        Trace(QStringLiteral("We are not alone"));
        Trace(QStringLiteral("Found a buddy"));
        return 0;
    }

    auto splash = std::make_unique<frmSplash>();
    splash->show();
    Trace(QStringLiteral("Splash shown"));
    splash->repaint();

    frmMain main(&instance);
    main.ParseCommandOptions(commandLine);
    Trace(QStringLiteral("Got command options"));
    main.Load();
    Trace(QStringLiteral("frmMain loaded"));
    if (!main.AppReady()) {
        QEventLoop wait;
        QObject::connect(&main, &frmMain::Ready, &wait, &QEventLoop::quit);
        QObject::connect(&main, &frmMain::Unloaded, &wait, &QEventLoop::quit);
        wait.exec();
    }
    splash.reset();
    if (main.IsUnloaded())
        return 0;
    Trace(QStringLiteral("Executing commands"));
    main.ExecuteCommands(commandLine);
    return QApplication::exec();
}

} // namespace app
