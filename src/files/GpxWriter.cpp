#include "files/GpxWriter.h"

#include <QLocale>
#include <QXmlStreamWriter>

namespace files {
namespace {

const QString Gpx = QStringLiteral("http://www.topografix.com/GPX/1/1");

QString Number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

class Writer {
public:
    explicit Writer(QByteArray* out) : xml_(out) { xml_.setAutoFormatting(true); }

    void Document(const GpxDocument& doc) {
        xml_.writeStartDocument();
        xml_.writeDefaultNamespace(Gpx);
        xml_.writeNamespace(GpxExtensionNamespace(), QStringLiteral("tf"));
        xml_.writeStartElement(Gpx, QStringLiteral("gpx"));
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
        xml_.writeAttribute(QStringLiteral("creator"), QStringLiteral("Terrafold"));
        if (!doc.description.isEmpty()) {
            xml_.writeStartElement(Gpx, QStringLiteral("metadata"));
            xml_.writeTextElement(Gpx, QStringLiteral("desc"), doc.description);
            xml_.writeEndElement();
        }
        for (const auto& p : doc.waypoints)
            Point(QStringLiteral("wpt"), p);
        for (const auto& r : doc.routes)
            Route(r);
        for (const auto& t : doc.tracks)
            Track(t);
        xml_.writeEndElement();
        xml_.writeEndDocument();
    }

private:
    void Position(const QString& element, double latitude, double longitude) {
        xml_.writeStartElement(Gpx, element);
        xml_.writeAttribute(QStringLiteral("lat"), Number(latitude));
        xml_.writeAttribute(QStringLiteral("lon"), Number(longitude));
    }

    void Text(const QString& element, const QString& text) {
        if (!text.isEmpty())
            xml_.writeTextElement(Gpx, element, text);
    }

    void Extension(const QString& element, const std::optional<int>& value) {
        if (value)
            xml_.writeTextElement(GpxExtensionNamespace(), element, QString::number(*value));
    }

    void Point(const QString& element, const GpxPoint& p) {
        Position(element, p.latitude, p.longitude);
        if (p.time.isValid())
            Text(QStringLiteral("time"), p.time.toUTC().toString(Qt::ISODate));
        Text(QStringLiteral("name"), p.name);
        Text(QStringLiteral("cmt"), p.comment);
        if (p.index || p.symbol || p.type || p.icon) {
            xml_.writeStartElement(Gpx, QStringLiteral("extensions"));
            Extension(QStringLiteral("index"), p.index);
            Extension(QStringLiteral("symbol"), p.symbol);
            Extension(QStringLiteral("type"), p.type);
            if (p.icon)
                xml_.writeEmptyElement(GpxExtensionNamespace(), QStringLiteral("icon"));
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void IndexExtension(const std::optional<int>& index) {
        if (!index)
            return;
        xml_.writeStartElement(Gpx, QStringLiteral("extensions"));
        Extension(QStringLiteral("index"), index);
        xml_.writeEndElement();
    }

    void Route(const GpxRoute& r) {
        xml_.writeStartElement(Gpx, QStringLiteral("rte"));
        Text(QStringLiteral("name"), r.name);
        IndexExtension(r.index);
        for (const auto& p : r.points)
            Point(QStringLiteral("rtept"), p);
        xml_.writeEndElement();
    }

    void Track(const GpxTrack& t) {
        xml_.writeStartElement(Gpx, QStringLiteral("trk"));
        Text(QStringLiteral("name"), t.name);
        IndexExtension(t.index);
        for (const auto& segment : t.segments) {
            xml_.writeStartElement(Gpx, QStringLiteral("trkseg"));
            for (const auto& p : segment) {
                Position(QStringLiteral("trkpt"), p.latitude, p.longitude);
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    QXmlStreamWriter xml_;
};

} // namespace

QByteArray GpxWriter::Write(const GpxDocument& document) {
    QByteArray out;
    Writer(&out).Document(document);
    return out;
}

} // namespace files
