// terrafold-unit: a GPS unit on a pseudo-terminal (or a serial device), for
// trying Terrafold without a unit and for the tests of its unit link.
#include "FaultyTransport.h"
#include "PtyTransport.h"
#include "UnitEmulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>

using namespace unitsim;

namespace {

// "0-41,50" as unit symbol codes (program symbols + 10000).
QList<std::uint16_t> ParseSymbols(const QString& text) {
    QList<std::uint16_t> out;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        const int from = ends.value(0).toInt();
        const int to = ends.size() > 1 ? ends.value(1).toInt() : from;
        for (int s = std::max(from, 0); s <= std::min(to, 55535); ++s)
            out.append(static_cast<std::uint16_t>(s + 10000));
    }
    return out;
}

UnitConfig ConfigFrom(const QCommandLineParser& p) {
    auto number = [&](const char* name) { return p.value(QLatin1String(name)).toInt(); };
    auto u16 = [&](const char* name) {
        return static_cast<std::uint16_t>(std::clamp(number(name), 0, 65535));
    };
    UnitConfig c;
    c.product.name = p.value(QStringLiteral("name"));
    c.product.productId = u16("product-id");
    const QStringList version = p.value(QStringLiteral("version")).split(QLatin1Char('.'));
    c.product.versionMajor = static_cast<std::uint16_t>(version.value(0).toUInt());
    c.product.versionMinor =
        static_cast<std::uint16_t>(version.value(1).leftJustified(2, QLatin1Char('0')).toUInt());
    c.product.text = QStringLiteral("Terrafold unit emulator");
    c.limits.maxWaypoints = u16("max-waypoints");
    c.limits.maxIcons = u16("max-icons");
    c.limits.maxRoutes = u16("max-routes");
    c.limits.maxWaypointsPerRoute = u16("max-route-waypoints");
    c.limits.maxTrails = u16("max-trails");
    c.limits.symbols = ParseSymbols(p.value(QStringLiteral("symbols")));
    c.limits.maxTrailPoints = p.value(QStringLiteral("max-trail-points")).toUInt();
    c.limits.maxNameBytes = static_cast<std::uint16_t>(std::clamp(number("max-name-bytes"), 1, 65535));
    c.limits.maxCommentBytes = u16("max-comment-bytes");
    c.deviceId = static_cast<std::uint16_t>(p.value(QStringLiteral("device-id")).toUInt(nullptr, 0));
    c.rate = number("rate");
    c.paced = p.isSet(QStringLiteral("pace"));
    c.limitsFirst = p.isSet(QStringLiteral("limits-first"));
    c.dezav = p.isSet(QStringLiteral("dezav"));
    c.partitions = std::clamp(number("partitions"), 0, 64);
    c.partitionSize = p.value(QStringLiteral("partition-size")).toUInt();
    c.flashFile = p.value(QStringLiteral("flash-file"));
    c.cards = p.values(QStringLiteral("card"));
    c.dropReply = number("drop-reply");
    c.corruptEvery = number("corrupt-every");
    c.silentAfter = number("silent-after");
    c.vanishAfter = number("vanish-after");
    c.strayMessages = number("stray");
    c.refuseBlock = number("refuse-block");
    c.lateReply = number("late-reply");
    c.refuseWrite = number("refuse-write");
    c.refuseStart = number("refuse-start");
    c.refuseEnd = p.isSet(QStringLiteral("refuse-end"));
    c.loseCardReply = number("lose-card-reply");
    return c;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("terrafold-unit"));
    std::signal(SIGPIPE, SIG_IGN);

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Acts as a GPS unit for Terrafold. Prints the serial device to use on its first line of output."));
    p.addHelpOption();
    const QList<QCommandLineOption> options{
        {QStringLiteral("device"), QStringLiteral("Use this serial device instead of a new pseudo-terminal."),
         QStringLiteral("path")},
        {QStringLiteral("rate"), QStringLiteral("The unit's line rate."), QStringLiteral("baud"),
         QStringLiteral("9600")},
        {QStringLiteral("pace"), QStringLiteral("Send no faster than the line rate.")},
        {QStringLiteral("name"), QStringLiteral("Product name."), QStringLiteral("text"),
         QStringLiteral("Terrafold Trail 12")},
        {QStringLiteral("product-id"), QStringLiteral("Product id."), QStringLiteral("n"),
         QStringLiteral("100")},
        {QStringLiteral("version"), QStringLiteral("Software version, major.minor."), QStringLiteral("v"),
         QStringLiteral("3.40")},
        {QStringLiteral("max-waypoints"), QStringLiteral("Waypoint slots."), QStringLiteral("n"),
         QStringLiteral("500")},
        {QStringLiteral("max-icons"), QStringLiteral("Icon slots."), QStringLiteral("n"),
         QStringLiteral("250")},
        {QStringLiteral("max-routes"), QStringLiteral("Route slots."), QStringLiteral("n"),
         QStringLiteral("20")},
        {QStringLiteral("max-route-waypoints"), QStringLiteral("Waypoints per route."), QStringLiteral("n"),
         QStringLiteral("50")},
        {QStringLiteral("max-trails"), QStringLiteral("Trail slots."), QStringLiteral("n"),
         QStringLiteral("10")},
        {QStringLiteral("max-trail-points"), QStringLiteral("Points in one trail."), QStringLiteral("n"),
         QStringLiteral("20000")},
        {QStringLiteral("max-name-bytes"), QStringLiteral("UTF-8 bytes of a name."), QStringLiteral("n"),
         QStringLiteral("255")},
        {QStringLiteral("max-comment-bytes"), QStringLiteral("UTF-8 bytes of a waypoint comment."),
         QStringLiteral("n"), QStringLiteral("1024")},
        {QStringLiteral("symbols"), QStringLiteral("Symbols the unit shows, e.g. 0-41,50."),
         QStringLiteral("list"), QStringLiteral("0-41")},
        {QStringLiteral("device-id"), QStringLiteral("The unit's device id."), QStringLiteral("id"),
         QStringLiteral("0x2A01")},
        {QStringLiteral("limits-first"),
         QStringLiteral("Identify with the limits before the product record.")},
        {QStringLiteral("card"), QStringLiteral("A memory card in the unit (a folder; repeatable)."),
         QStringLiteral("folder")},
        {QStringLiteral("dezav"),
         QStringLiteral("Act as a unit using the Dezav link, with flash partitions.")},
        {QStringLiteral("partitions"), QStringLiteral("Flash partitions (Dezav)."), QStringLiteral("n"),
         QStringLiteral("4")},
        {QStringLiteral("partition-size"), QStringLiteral("Bytes per flash partition."),
         QStringLiteral("bytes"), QStringLiteral("1048576")},
        {QStringLiteral("flash-file"),
         QStringLiteral("Write each map programmed into partitions to this file."), QStringLiteral("path")},
        {QStringLiteral("refuse-block"), QStringLiteral("Refuse the Nth map block (partition or card file)."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("refuse-start"),
         QStringLiteral("Refuse every card file start with this card code (1 to 8)."), QStringLiteral("code"),
         QStringLiteral("0")},
        {QStringLiteral("refuse-end"),
         QStringLiteral("Refuse to end card files; the file written is dropped.")},
        {QStringLiteral("lose-card-reply"),
         QStringLiteral("Never answer the Nth card file request (start, block, end or read), once."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("drop-reply"), QStringLiteral("Lose the Nth packet sent, once."), QStringLiteral("n"),
         QStringLiteral("0")},
        {QStringLiteral("corrupt-every"), QStringLiteral("Flip a byte in every Nth packet sent."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("silent-after"), QStringLiteral("Answer nothing after N packets received."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("vanish-after"), QStringLiteral("Close the line and exit after N packets received."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("refuse-write"),
         QStringLiteral("Refuse the Nth item write (waypoints, routes, icons, trails) as full."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("late-reply"),
         QStringLiteral("Answer the Nth packet received only after the host has given up waiting."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("stray"), QStringLiteral("Send N stray messages after identifying."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("stats"),
         QStringLiteral("Keep the bytes received and sent so far in this file (\"received sent\")."),
         QStringLiteral("file")},
    };
    p.addOptions(options);
    p.process(app);
    const UnitConfig config = ConfigFrom(p);

    PtyTransport line;
    line.SetPaced(config.paced);
    QString path = p.value(QStringLiteral("device"));
    if (path.isEmpty()) {
        path = line.OpenPty(config.rate);
    } else if (!line.Open(path, config.rate)) {
        path.clear();
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "terrafold-unit: %s\n", qPrintable(line.ErrorText()));
        return 1;
    }
    FaultyTransport faulty(&line, config);
    UnitEmulator unit(config, &faulty);
    QObject::connect(&unit, &UnitEmulator::FellSilent, &faulty, [&faulty] { faulty.SetMute(true); });
    QObject::connect(&unit, &UnitEmulator::Vanished, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&line, &linkpod::LinkTransport::Lost, &app, [] { QCoreApplication::exit(0); });

    // For benchmarks: the counts, rewritten while they change.
    QTimer stats;
    const QString statsPath = p.value(QStringLiteral("stats"));
    QObject::connect(&stats, &QTimer::timeout, &line, [&line, statsPath, last = qint64(-1)]() mutable {
        if (line.TotalReceived() + line.TotalSent() == last)
            return;
        last = line.TotalReceived() + line.TotalSent();
        QSaveFile file(statsPath);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::number(line.TotalReceived()) + ' ' + QByteArray::number(line.TotalSent()));
            file.commit();
        }
    });
    if (!statsPath.isEmpty())
        stats.start(100);

    QTextStream(stdout) << path << Qt::endl;
    std::fprintf(stderr, "terrafold-unit: %s at %d baud%s\n", qPrintable(path), config.rate,
                 config.dezav ? " (Dezav link)" : "");
    return app.exec();
}
