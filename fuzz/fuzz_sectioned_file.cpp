// Any bytes as a sectioned GPS data file, with and without a unit connected.
#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    for (bool connected : {false, true}) {
        gpsdata::GPSData data;
        data.SetPath(QStringLiteral("fuzz.nrv"));
        files::GPSDataFile(data).Load(file, connected);
        // Whatever was loaded must save again.
        files::GPSDataFile::Image(data, data.Path());
    }
    return 0;
}
