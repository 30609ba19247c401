// Any bytes as a position list file, imported as waypoints and as a route
// into a data set with few slots; every line that reads in range must
// format and read back in range.
#include "files/FileErrorPrompt.h"
#include "files/PositionLine.h"
#include "files/PositionListImport.h"
#include "gpsdata/GPSData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("fuzz-positions-%1.txt").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size));
    file.close();
    for (bool route : {false, true}) {
        gpsdata::GPSData data;
        data.SetMaxNumGPSWaypoints(20);
        data.SetMaxNumGPSWptsPerRoute(10);
        files::FileErrorPrompt prompt(data);
        files::PositionListImport(data, prompt).Import(path, route);
    }
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const files::PositionLine read = files::PositionLine::Parse(line);
        if (!read.InRange())
            continue;
        const auto back =
            files::PositionLine::Parse(files::PositionLine::Format(read.latitude, read.longitude));
        if (!back.InRange())
            __builtin_trap();
    }
    return 0;
}
