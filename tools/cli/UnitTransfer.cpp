#include "UnitTransfer.h"

#include "CliCommand.h"

#include <QEventLoop>

namespace cli {

UnitTransfer::UnitTransfer(gpsdata::GPSData& data, QTextStream& err, const char* command)
    : err_(err), command_(command), prompt_(err, command), progress_(err), identity_(session_, data),
      engine_(session_, data) {
    session_.SetPrompt(&prompt_);
    session_.SetStatus(&progress_);
    identity_.SetPrompt(&prompt_);
    identity_.SetStatus(&progress_);
    engine_.SetPrompt(&prompt_);
    engine_.SetProgress(&progress_);
    engine_.SetStatus(&progress_);
}

bool UnitTransfer::Connect(const QString& device, int baud) {
    pod_.Ports().SetComDevice(1, device);
    session_.SetComPort(1);
    session_.SetAutoSelectComPort(false);
    session_.SetBaudRate(baud);
    // Identified once the unit's name arrived; a failed connection or
    // identification has said so through the prompt.
    bool named = false;
    QEventLoop loop;
    QObject::connect(&session_, &comm::Connection::ProductName, &loop, [&] {
        named = true;
        loop.quit();
    });
    QObject::connect(&session_, &comm::Connection::LurchError, &loop, [&](quint16 code) {
        if (code == 782)
            loop.quit();
    });
    // A failed attempt raises the change before its message.
    QObject::connect(&session_, &comm::Connection::ConnectedStatusChanged, &loop, [&] {
        QMetaObject::invokeMethod(
            &loop,
            [&] {
                if (prompt_.Shown() > 0)
                    loop.quit();
            },
            Qt::QueuedConnection);
    });
    if (!session_.Connect())
        return false;
    loop.exec();
    return named && session_.Connected();
}

bool UnitTransfer::Run(void (comm::TransferEngine::*start)(comm::TransferSelection),
                       const comm::TransferSelection& selection) {
    bool complete = false;
    QEventLoop loop;
    QObject::connect(&engine_, &comm::TransferEngine::Finished, &loop, [&](bool ok) {
        complete = ok;
        loop.quit();
    });
    (engine_.*start)(selection);
    if (engine_.Busy())
        loop.exec();
    if (complete)
        err_ << progress_.LastStep() << Qt::endl;
    else if (prompt_.Shown() == 0)
        err_ << "terrafold-cli " << command_ << ": the transfer was broken off" << Qt::endl;
    return complete;
}

bool UnitTransfer::Download(const comm::TransferSelection& selection) {
    return Run(&comm::TransferEngine::Download, selection);
}

bool UnitTransfer::Upload(const comm::TransferSelection& selection) {
    return Run(&comm::TransferEngine::Upload, selection);
}

comm::TransferSelection UnitTransfer::Kinds(const QString& list) {
    const comm::KindRange none = comm::KindRange::Nothing();
    comm::TransferSelection selection{none, none, none, none};
    for (const QString& kind : list.split(u',', Qt::SkipEmptyParts)) {
        if (kind == QLatin1String("waypoints"))
            selection.waypoints = comm::KindRange::Everything();
        else if (kind == QLatin1String("routes"))
            selection.routes = comm::KindRange::Everything();
        else if (kind == QLatin1String("icons"))
            selection.icons = comm::KindRange::Everything();
        else if (kind == QLatin1String("trails"))
            selection.trails = comm::KindRange::Everything();
        else
            throw UsageError("unknown kind '" + kind.toStdString() + "' (waypoints, routes, icons, trails)");
    }
    return selection;
}

int UnitTransfer::Baud(const QString& text) {
    static const QList<int> rates{2400, 4800, 9600, 19200, 38400, 57600, 115200};
    bool ok = false;
    const int rate = text.toInt(&ok);
    if (!ok || !rates.contains(rate))
        throw UsageError("--baud takes one of 2400, 4800, 9600, 19200, 38400, 57600, 115200");
    return rate;
}

} // namespace cli
