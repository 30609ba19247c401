#include "UnitSession.h"

#include "CliCommand.h"

#include "comm/PortChoice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace cli {

namespace {
constexpr int ConnectSeconds = 120; // the rate scan tries every rate on the port
}

UnitSession::UnitSession(gpsdata::GPSData& data, QTextStream& err, const char* command, ui::Answer questions)
    : err(err), command(command), prompt(err, command, questions), progress(err), identity(session, data) {
    session.SetPrompt(&prompt);
    session.SetStatus(&progress);
    identity.SetPrompt(&prompt);
    identity.SetStatus(&progress);
    upload.SetPrompt(&prompt);
    upload.SetProgress(&progress);
    partitions.SetPrompt(&prompt);
    cards.SetPrompt(&prompt);
    cards.SetProgress(&progress);
    QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) { uploads << ok; });
}

bool UnitSession::Connect(const QString& device, int baud) {
    pod.Ports().SetComDevice(1, device);
    session.SetComPort(1);
    session.SetAutoSelectComPort(false);
    session.SetBaudRate(baud);
    // Ready once the unit told its name (a transfer asks for the unit's
    // memory status itself). Stray messages only warn; any other link error
    // or a failed attempt has said so through the prompt and ends the wait.
    bool named = false, failed = false;
    const auto name = QObject::connect(&session, &comm::Connection::ProductName, [&named] { named = true; });
    const auto error = QObject::connect(&session, &comm::Connection::LurchError, [&failed](quint16 code) {
        failed = failed || code != linkpod::LinkPod::StrayMessages;
    });
    const int shownBefore = prompt.Shown();
    const bool answered =
        session.Connect() &&
        WaitFor(
            [&] { return named || failed || (prompt.Shown() > shownBefore && !session.SerialConnected()); },
            ConnectSeconds);
    QObject::disconnect(name);
    QObject::disconnect(error);
    if (!answered && prompt.Shown() == shownBefore)
        err << "terrafold-cli " << command << ": no unit answered on " << device << Qt::endl;
    return named && (session.Connected() || session.ConnectionIsLurch());
}

bool UnitSession::WaitFor(const std::function<bool()>& done, int seconds) {
    QElapsedTimer clock;
    clock.start();
    // Sleeps until something happens: the link's timers and the port wake
    // the loop, the tick makes sure the deadline is seen.
    QTimer tick;
    tick.start(100);
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool UnitSession::WaitForUpload(int seconds) {
    const bool ended = WaitFor([this] { return !uploads.isEmpty(); }, seconds);
    return ended && uploads.last();
}

int UnitSession::Baud(const QString& text) {
    if (text.isEmpty())
        return UsualBaud;
    bool ok = false;
    const int rate = text.toInt(&ok);
    if (ok && comm::PortChoice::Choosable(rate))
        return rate;
    QStringList rates;
    for (const qint32 r : comm::PortChoice::Rates)
        if (comm::PortChoice::Choosable(r))
            rates << QString::number(r);
    throw UsageError("--baud takes one of " + rates.join(", ").toStdString());
}

} // namespace cli
