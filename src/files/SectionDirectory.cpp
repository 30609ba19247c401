#include "files/SectionDirectory.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/SectionType.h"

namespace files {
namespace {

bool IsWaypoints(std::int32_t type) {
    return type == WaypointSectionType || type == OlderWaypointSectionType;
}

} // namespace

void SectionDirectory::Read(ByteReader& in) {
    m_entries.clear();
    for (;;) {
        const std::int32_t type = in.ReadInt32();
        if (!in.PastEnd() && type == EndOfDirectory)
            return;
        const std::int32_t position = in.ReadInt32();
        const std::int32_t length = in.ReadInt32();
        if (in.PastEnd()) {
            m_endReached = true;
            return;
        }
        m_entries.append({type, position, length});
    }
}

QList<SectionDirectory::Entry> SectionDirectory::ReadingOrder() const {
    qsizetype lastWaypoints = -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (IsWaypoints(m_entries[i].type))
            lastWaypoints = i;
    QList<Entry> order;
    QList<Entry> routes;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].type == RouteSectionType && i < lastWaypoints)
            routes.append(m_entries[i]);
        else
            order.append(m_entries[i]);
        if (i == lastWaypoints)
            order.append(routes);
    }
    return order;
}

void SectionDirectory::Add(std::int32_t type, std::int32_t position, std::int32_t length) {
    m_entries.append({type, position, length});
}

void SectionDirectory::Write(ByteWriter& out, qsizetype offset) const {
    std::int32_t lastLength = 0;
    std::int32_t end = static_cast<std::int32_t>(offset + ReservedSize + 1);
    for (const Entry& e : m_entries) {
        out.PutInt32At(offset, e.type);
        out.PutInt32At(offset + 4, e.position);
        out.PutInt32At(offset + 8, e.length);
        offset += EntrySize;
        lastLength = e.length;
        end = e.position + e.length;
    }
    // The closing entry holds its two fields the other way round; readers
    // never look at them.
    out.PutInt32At(offset, EndOfDirectory);
    out.PutInt32At(offset + 4, lastLength);
    out.PutInt32At(offset + 8, end);
}

} // namespace files
