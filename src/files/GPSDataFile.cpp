#include "files/GPSDataFile.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/FileHeader.h"
#include "files/IconSection.h"
#include "files/ProductSection.h"
#include "files/RouteSection.h"
#include "files/SectionDirectory.h"
#include "files/SectionMessages.h"
#include "files/TrailSection.h"
#include "files/WaypointSection.h"
#include "gpsdata/GPSData.h"

#include <QFile>
#include <QMap>
#include <QSaveFile>

#include <iterator>
#include <utility>

namespace files {
namespace {

using SectionMessages::CrLf;

QString VersionRefused() {
    return "File version not supported." + CrLf + "Load the file with KTR and save it in order to" + CrLf +
           "convert it to the new format." + CrLf + "You can download KTR from the Norvane website for free.";
}

// Byte ranges read by sections so far, by their start. Sections of a sound
// file never share bytes; a directory that lists the same data again and
// again would otherwise let a small file cost a great deal of work.
class ReadRanges {
public:
    // True when [from, to) shares a byte with a range added before. The
    // ranges added never overlap, so only the neighbours need a look.
    bool Overlaps(qsizetype from, qsizetype to) const {
        auto next = m_ranges.lowerBound(from);
        if (next != m_ranges.end() && next.key() < to)
            return true;
        return next != m_ranges.begin() && std::prev(next).value() > from;
    }
    void Add(qsizetype from, qsizetype to) { m_ranges.insert(from, to); }

private:
    QMap<qsizetype, qsizetype> m_ranges;
};

} // namespace

bool GPSDataFile::IsUserDataFile(const QString& path) {
    return path.toLower().contains(QLatin1String(".usr"));
}

void GPSDataFile::RaiseOpenError(gpsdata::GPSData& data, const QString& path, const QString& reason) {
    SectionMessages::Raise(data, "Error opening " + path + CrLf + reason);
}

void GPSDataFile::RaiseOpenError(const QString& reason) {
    RaiseOpenError(m_data, m_data.Path(), reason);
}

OpenResult GPSDataFile::OpenFile(bool CurrentlyConnected) {
    QFile file(m_data.Path());
    if (!file.open(QIODevice::ReadOnly)) {
        RaiseOpenError(QStringLiteral("The file cannot be opened."));
        return OpenResult::Refused;
    }
    return Load(file.readAll(), CurrentlyConnected);
}

OpenResult GPSDataFile::Load(const QByteArray& bytes, bool CurrentlyConnected) {
    ByteReader in(bytes);
    FileHeader header;
    if (!ReadHeader(in, header))
        return OpenResult::Refused;

    m_data.DeleteWaypoints();
    m_data.DeleteRoutes();
    m_data.DeleteIcons();
    m_data.DeleteTrails();
    if (!CurrentlyConnected)
        m_data.SetDescription(QString::fromLatin1(header.text4));

    SectionDirectory directory;
    directory.Read(in);
    m_productRead = false;
    SectionResult result = ReadSections(in, directory, CurrentlyConnected);
    if (result == SectionRead && directory.EndReached())
        result = UnexpectedEnd;
    return Finish(result);
}

bool GPSDataFile::ReadHeader(ByteReader& in, FileHeader& header) {
    if (!header.ReadFirstText(in)) {
        RaiseOpenError(gpsdata::GPSData::FileErrorText(UnexpectedEnd));
        return false;
    }
    if (header.IsCartridge()) {
        RaiseOpenError(QStringLiteral("The file appears to be a cartridge file."));
        return false;
    }
    const bool complete = header.ReadRest(in);
    // Checked before the version: random bytes would otherwise be taken
    // for an old file to convert.
    if (!header.HoldsText()) {
        RaiseOpenError(QStringLiteral("The file is not a GPS data file."));
        return false;
    }
    if (!complete) {
        RaiseOpenError(gpsdata::GPSData::FileErrorText(UnexpectedEnd));
        return false;
    }
    if (!header.VersionSupported()) {
        SectionMessages::Raise(m_data, VersionRefused());
        return false;
    }
    return true;
}

SectionResult GPSDataFile::ReadSections(ByteReader& in, const SectionDirectory& directory,
                                        bool CurrentlyConnected) {
    ReadRanges ranges;
    for (const auto& entry : directory.ReadingOrder()) {
        const qsizetype start = qsizetype(entry.position) - 1;
        in.Seek(start);
        const SectionResult result = ReadSection(in, entry.type, CurrentlyConnected);
        if (in.PastEnd())
            return UnexpectedEnd;
        if (result != SectionRead)
            return result;
        if (in.Position() == start)
            continue; // a section that was skipped
        if (ranges.Overlaps(start, in.Position()))
            return DirectoryLoop;
        ranges.Add(start, in.Position());
    }
    return SectionRead;
}

SectionResult GPSDataFile::ReadSection(ByteReader& in, std::int32_t type, bool CurrentlyConnected) {
    switch (type) {
    case ProductSectionType:
        // A connected unit's own limits stay. One product section per file is
        // enough; each one rebuilds the symbol table, so many would be slow.
        if (CurrentlyConnected || std::exchange(m_productRead, true))
            return SectionRead;
        return ProductSection::Read(in, m_data, m_reason);
    case OlderWaypointSectionType:
        return WaypointSection::ReadOlder(in, m_data);
    case RouteSectionType:
        return RouteSection(m_data, CurrentlyConnected).Read(in);
    case IconSectionType:
        return IconSection::Read(in, m_data);
    case OlderTrailSectionType:
        return TrailSection::ReadOlder(in, m_data);
    case WaypointSectionType:
        return WaypointSection::Read(in, m_data);
    case TrailSectionType:
        return TrailSection::Read(in, m_data);
    default:
        return SectionRead;
    }
}

OpenResult GPSDataFile::Finish(SectionResult result) {
    if (result == DirectoryLoop)
        RaiseOpenError(QStringLiteral("The file's directory refers to the same data twice."));
    else if (result == NegativeLimit)
        RaiseOpenError(m_reason);
    else if (result != SectionRead)
        RaiseOpenError(gpsdata::GPSData::FileErrorText(result));
    emit m_data.IconListModified();
    emit m_data.RouteListModified();
    emit m_data.TrailListModified();
    emit m_data.WaypointListModified();
    m_data.SetDirty(result != SectionRead);
    return result == SectionRead ? OpenResult::Opened : OpenResult::Damaged;
}

QByteArray GPSDataFile::Image(gpsdata::GPSData& data, const QString& path) {
    FileHeader header;
    header.text1 = FileHeader::PathText(path);
    header.text4 = FileHeader::Counted(data.Description().toLatin1());
    ByteWriter out;
    header.Write(out);
    const qsizetype directoryOffset = out.Size();
    out.Reserve(SectionDirectory::ReservedSize);

    SectionDirectory directory;
    const auto section = [&](SectionType type, auto write) {
        const qsizetype start = out.Size();
        write(out, data);
        if (out.Size() > start)
            directory.Add(type, static_cast<std::int32_t>(start + 1),
                          static_cast<std::int32_t>(out.Size() - start));
    };
    section(ProductSectionType, ProductSection::Write);
    section(RouteSectionType, RouteSection::Write);
    section(IconSectionType, IconSection::Write);
    section(WaypointSectionType, WaypointSection::Write);
    section(TrailSectionType, TrailSection::Write);
    directory.Write(out, directoryOffset);
    return out.Bytes();
}

bool GPSDataFile::SaveFile() {
    m_data.DeleteUnusedTemporaryWaypoints();
    const QString path = m_data.Path();
    const QByteArray image = Image(m_data, path);
    QSaveFile file(path);
    // commit() misses a write that fails while the buffer empties: flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.flush() ||
        !file.commit()) {
        SectionMessages::Raise(m_data, "Error saving " + path + CrLf + file.errorString());
        return false;
    }
    m_data.SetDirty(false);
    return true;
}

} // namespace files
