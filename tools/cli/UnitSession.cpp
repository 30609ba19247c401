#include "UnitSession.h"

#include "CliCommand.h"

#include "comm/LurchErrorReaction.h"
#include "comm/PortChoice.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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
    QObject::connect(&session, &comm::Connection::LurchError, [this](quint16 code) {
        const comm::LurchErrorReaction r = comm::LurchErrorReaction::For(code, session.ComPort());
        if (!r.text.isEmpty())
            prompt.Message(r.title, r.text, r.icon);
    });
    QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) { uploads << ok; });
}

bool UnitSession::Connect(const QString& device, int baud) {
    pod.Ports().SetComDevice(1, device);
    session.SetComPort(1);
    session.SetAutoSelectComPort(false);
    session.SetBaudRate(baud);
    // Ready once the unit told its name and how far its lists reach, as a
    // transfer is sized from them at once.
    bool named = false, sized = false;
    const auto name = QObject::connect(&session, &comm::Connection::ProductName, [&named] { named = true; });
    const auto size = QObject::connect(&pod, &linkpod::LinkPod::MemoryStatusRead, [&sized] { sized = true; });
    const int shownBefore = prompt.Shown();
    // A failed attempt or identification has said so through the prompt.
    const bool answered =
        session.Connect() &&
        WaitFor([&] { return (named && sized) || prompt.Shown() > shownBefore; }, ConnectSeconds);
    QObject::disconnect(name);
    QObject::disconnect(size);
    if (!answered && prompt.Shown() == shownBefore)
        err << "terrafold-cli " << command << ": no unit answered on " << device << Qt::endl;
    return named && (session.Connected() || session.ConnectionIsLurch());
}

bool UnitSession::WaitFor(const std::function<bool()>& done, int seconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
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
