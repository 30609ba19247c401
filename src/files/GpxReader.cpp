#include "files/GpxReader.h"

#include <QXmlStreamReader>

#include <cmath>

namespace files {
namespace {

// Thrown inside the reader to abandon the document with a message.
struct Malformed {
    QString text;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : xml_(bytes) {}

    GpxDocument Document() {
        GpxDocument doc;
        if (!xml_.readNextStartElement() || xml_.name() != QLatin1String("gpx"))
            Fail(QStringLiteral("The file is not a GPX file."));
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("wpt"))
                doc.waypoints.append(Point());
            else if (name == QLatin1String("rte"))
                doc.routes.append(Route());
            else if (name == QLatin1String("trk"))
                doc.tracks.append(Track());
            else if (name == QLatin1String("metadata"))
                doc.description = Metadata();
            else
                xml_.skipCurrentElement();
        }
        // Anything after the root element (or a broken end) is an error too.
        while (!xml_.atEnd())
            xml_.readNext();
        if (xml_.hasError())
            Fail(xml_.errorString());
        return doc;
    }

    [[noreturn]] void Fail(const QString& text) {
        throw Malformed{QStringLiteral("Line %1: %2").arg(xml_.lineNumber()).arg(text)};
    }

private:
    // readNextStartElement stops on errors as on the end of the parent, so
    // every loop checks afterwards.
    void CheckError() {
        if (xml_.hasError())
            Fail(xml_.errorString());
    }

    QString Text() {
        const QString text = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
        CheckError();
        return text.trimmed();
    }

    double Coordinate(const QString& attribute, double limit) {
        bool ok = false;
        const double v = xml_.attributes().value(attribute).toDouble(&ok);
        if (!ok || !std::isfinite(v) || std::fabs(v) > limit)
            Fail(QStringLiteral("<%1> has no valid %2 attribute.").arg(xml_.name().toString(), attribute));
        return v;
    }

    std::optional<int> Integer() {
        bool ok = false;
        const int v = Text().toInt(&ok);
        if (!ok)
            return std::nullopt;
        return v;
    }

    QString Metadata() {
        QString description;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("desc"))
                description = Text();
            else
                xml_.skipCurrentElement();
        }
        CheckError();
        return description;
    }

    GpxPoint Point() {
        GpxPoint p;
        p.latitude = Coordinate(QStringLiteral("lat"), 90);
        p.longitude = Coordinate(QStringLiteral("lon"), 180);
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("name"))
                p.name = Text();
            else if (name == QLatin1String("cmt"))
                p.comment = Text();
            else if (name == QLatin1String("time"))
                p.time = QDateTime::fromString(Text(), Qt::ISODateWithMs);
            else if (name == QLatin1String("extensions"))
                PointExtensions(p);
            else
                xml_.skipCurrentElement();
        }
        CheckError();
        return p;
    }

    bool Ours() const { return xml_.namespaceUri() == GpxExtensionNamespace(); }

    void PointExtensions(GpxPoint& p) {
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (!Ours())
                xml_.skipCurrentElement();
            else if (name == QLatin1String("index"))
                p.index = Integer();
            else if (name == QLatin1String("symbol"))
                p.symbol = Integer();
            else if (name == QLatin1String("type"))
                p.type = Integer();
            else if (name == QLatin1String("icon")) {
                p.icon = true;
                xml_.skipCurrentElement();
            } else
                xml_.skipCurrentElement();
        }
        CheckError();
    }

    std::optional<int> IndexExtension() {
        std::optional<int> index;
        while (xml_.readNextStartElement()) {
            if (Ours() && xml_.name() == QLatin1String("index"))
                index = Integer();
            else
                xml_.skipCurrentElement();
        }
        CheckError();
        return index;
    }

    GpxRoute Route() {
        GpxRoute r;
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("name"))
                r.name = Text();
            else if (name == QLatin1String("extensions"))
                r.index = IndexExtension();
            else if (name == QLatin1String("rtept"))
                r.points.append(Point());
            else
                xml_.skipCurrentElement();
        }
        CheckError();
        return r;
    }

    QList<GpxTrackPoint> Segment() {
        QList<GpxTrackPoint> points;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("trkpt")) {
                GpxTrackPoint p;
                p.latitude = Coordinate(QStringLiteral("lat"), 90);
                p.longitude = Coordinate(QStringLiteral("lon"), 180);
                points.append(p);
            }
            xml_.skipCurrentElement();
        }
        CheckError();
        return points;
    }

    GpxTrack Track() {
        GpxTrack t;
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("name"))
                t.name = Text();
            else if (name == QLatin1String("extensions"))
                t.index = IndexExtension();
            else if (name == QLatin1String("trkseg"))
                t.segments.append(Segment());
            else
                xml_.skipCurrentElement();
        }
        CheckError();
        return t;
    }

    QXmlStreamReader xml_;
};

} // namespace

GpxReader::Result GpxReader::Read(const QByteArray& bytes) {
    Reader reader(bytes);
    try {
        return {reader.Document(), {}};
    } catch (const Malformed& m) {
        return {{}, m.text};
    }
}

} // namespace files
