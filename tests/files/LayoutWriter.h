#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QString>

// Builds sectioned files byte by byte from the published layout, without the
// project's own writer, so that tests read files the way outside writers make
// them. Positions handed out are 1-based, as the directory holds them.
class LayoutWriter {
public:
    LayoutWriter() : m_stream(&m_bytes, QIODevice::WriteOnly) {
        m_stream.setByteOrder(QDataStream::LittleEndian);
        m_stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    }

    LayoutWriter& I8(quint8 v) { return m_stream << v, *this; }
    LayoutWriter& I16(qint16 v) { return m_stream << v, *this; }
    LayoutWriter& I32(qint32 v) { return m_stream << v, *this; }
    LayoutWriter& F64(double v) { return m_stream << v, *this; }
    LayoutWriter& Raw(const QByteArray& b) {
        m_stream.writeRawData(b.constData(), int(b.size()));
        return *this;
    }
    // A counted header text.
    LayoutWriter& Text8(const QByteArray& t) { return I8(quint8(t.size())).Raw(t); }
    // An Int16-counted section text.
    LayoutWriter& Text16(const QByteArray& t) { return I16(qint16(t.size())).Raw(t); }
    LayoutWriter& Fixed(const QByteArray& t, int width) { return Raw(t.leftJustified(width, ' ', true)); }

    // The usual header: path, two empty texts, description, version.
    LayoutWriter& Header(const QByteArray& description = "", qint16 version = -1,
                         const QByteArray& path = "C:\\data\\test.nrv") {
        return Text8(path).Text8("").Text8("").Text8(description).I16(version);
    }

    // 1-based position of the next byte.
    qint32 Next() const { return qint32(m_bytes.size()) + 1; }
    // Patches an Int32 at a 1-based position.
    void Patch(qint32 position, qint32 v) {
        for (int i = 0; i < 4; ++i)
            m_bytes[position - 1 + i] = char((quint32(v) >> (8 * i)) & 0xff);
    }

    const QByteArray& Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};

// A file with one directory entry per section, the sections following the
// directory in the order given. The closing entry holds the last length and
// the end, and `reservedEntries` pads the directory with zeros, as our writer
// lays it out.
class SectionedFile {
public:
    explicit SectionedFile(const QByteArray& description = "", qint16 version = -1)
        : m_description(description), m_version(version) {}
    void Add(qint32 type, const QByteArray& section) { m_sections.append({type, section}); }

    QByteArray Bytes(const QByteArray& path = "C:\\data\\test.nrv", int reservedEntries = 0) const {
        LayoutWriter out;
        out.Header(m_description, m_version, path);
        const qint32 directorySize = 12 * qMax(qint32(m_sections.size() + 1), reservedEntries);
        qint32 at = out.Next() + directorySize;
        qint32 lastLength = 0;
        for (const auto& [type, bytes] : m_sections) {
            lastLength = qint32(bytes.size());
            out.I32(type).I32(at).I32(lastLength);
            at += lastLength;
        }
        out.I32(-1).I32(lastLength).I32(at);
        out.Raw(QByteArray(directorySize - 12 * qint32(m_sections.size() + 1), '\0'));
        for (const auto& s : m_sections)
            out.Raw(s.second);
        return out.Bytes();
    }

private:
    QByteArray m_description;
    qint16 m_version;
    QList<QPair<qint32, QByteArray>> m_sections;
};

// A waypoint record of section type 9.
inline QByteArray Waypoint9(qint16 index, const QByteArray& name, qint16 symbol = 0, qint16 type = 0,
                            const QByteArray& comment = "", qint32 x = 1000, qint32 y = 2000,
                            qint32 date = 0) {
    LayoutWriter w;
    w.Text16(name)
        .I16(index)
        .I32(date)
        .I16(symbol)
        .I32(x)
        .I32(y)
        .I16(qint16(comment.size()))
        .I16(type)
        .Raw(comment);
    return w.Bytes();
}

// A section of `count` records.
inline QByteArray Counted(int count, const QByteArray& records) {
    LayoutWriter w;
    w.I16(qint16(count)).Raw(records);
    return w.Bytes();
}
