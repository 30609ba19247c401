// Any bytes as a GPX file, loaded into a data set when they parse.
#include "files/GpxFile.h"
#include "files/GpxReader.h"
#include "gpsdata/GPSData.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto read =
        files::GpxReader::Read(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    if (read.error.isEmpty()) {
        gpsdata::GPSData data;
        files::GpxFile::Load(data, read.document);
    }
    return 0;
}
