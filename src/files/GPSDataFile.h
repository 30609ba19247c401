#pragma once

#include "files/OpenResult.h"
#include "files/SectionType.h"

#include <QByteArray>
#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;
struct FileHeader;
class SectionDirectory;

// Loads and saves the data set's file (the one named by its Path) in the
// sectioned format. Problems are reported through the data set's FileError,
// as the windows expect; the data set itself stays free of file code.
class GPSDataFile {
public:
    explicit GPSDataFile(gpsdata::GPSData& data) : m_data(data) {}

    // Names holding ".usr" are the unit's own format, read and written by the
    // communication control.
    static bool IsUserDataFile(const QString& path);

    // `CurrentlyConnected` keeps the connected unit's product and limits.
    // A file that cannot be read, or is refused from its header (a cartridge
    // file, an unsupported version, not a GPS data file at all), leaves the
    // data set as it was. The file's limits are stored as they are: nothing
    // already read is cut by them.
    OpenResult OpenFile(bool CurrentlyConnected);
    // OpenFile for the file's bytes already in memory.
    OpenResult Load(const QByteArray& bytes, bool CurrentlyConnected);
    // "Error opening <path>" CR LF `reason`, through the data set's FileError.
    static void RaiseOpenError(gpsdata::GPSData& data, const QString& path, const QString& reason);
    // Writes a temporary file beside the target and renames it over the old
    // file only when complete; false, with a FileError and the old file
    // intact, when that fails.
    bool SaveFile();

    // The complete file image of the data set as it would be saved to `path`.
    static QByteArray Image(gpsdata::GPSData& data, const QString& path);

private:
    bool ReadHeader(ByteReader& in, FileHeader& header);
    SectionResult ReadSections(ByteReader& in, const SectionDirectory& directory, bool CurrentlyConnected);
    SectionResult ReadSection(ByteReader& in, std::int32_t type, bool CurrentlyConnected);
    OpenResult Finish(SectionResult result);
    void RaiseOpenError(const QString& reason);

    gpsdata::GPSData& m_data;
    bool m_productRead = false;
    QString m_reason; // why the product section failed, when it says
};

} // namespace files
