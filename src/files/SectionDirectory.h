#pragma once

#include <QList>

#include <cstdint>

namespace files {

class ByteReader;
class ByteWriter;

// The file's directory: 12-byte entries {type, 1-based data position, length}
// ended by an entry of type -1.
class SectionDirectory {
public:
    static constexpr int EntrySize = 12;
    // Space a writer sets aside for entries after the header.
    static constexpr int ReservedSize = 11 * EntrySize;

    struct Entry {
        std::int32_t type;
        std::int32_t position; // 1-based
        std::int32_t length;
    };

    // Reads entries from the reader's position up to the closing entry. An
    // entry cut off by the end of the file is not taken; EndReached tells.
    void Read(ByteReader& in);
    bool EndReached() const { return m_endReached; }

    // The entries in the order their sections are to be read: as listed,
    // except that routes follow every waypoint section, so that the check of
    // a route's aviation legs sees the waypoints of the same file.
    QList<Entry> ReadingOrder() const;

    void Add(std::int32_t type, std::int32_t position, std::int32_t length);
    // Writes the entries and the closing entry at `offset` (0-based) into the
    // space set aside there.
    void Write(ByteWriter& out, qsizetype offset) const;

private:
    QList<Entry> m_entries;
    bool m_endReached = false;
};

} // namespace files
