#include "files/GpxWriter.h"

#include "files/IsoTime.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>

namespace files {
namespace {

// Characters XML 1.0 cannot carry at all, even escaped.
bool Representable(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Builds the document straight into UTF-8 bytes: a stream writer spends most
// of its time in its codec and device for documents of this size, and a
// QByteArray in the checks of each small append.
class Writer {
public:
    QByteArray Document(const GpxDocument& doc) {
        out_.reserve(EstimatedSize(doc));
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:tf=\"";
        Escaped(GpxExtensionNamespace());
        out_ += "\" version=\"1.1\" creator=\"Terrafold\">\n";
        if (!doc.description.isEmpty()) {
            out_ += "    <metadata>\n";
            Text(2, "desc", doc.description);
            out_ += "    </metadata>\n";
        }
        for (const auto& p : doc.waypoints)
            Point(1, "wpt", p);
        for (const auto& r : doc.routes)
            Route(r);
        for (const auto& t : doc.tracks)
            Track(t);
        out_ += "</gpx>\n";
        return QByteArray(out_.data(), qsizetype(out_.size()));
    }

private:
    // Growing the buffer step by step costs more than the writing itself.
    static qsizetype EstimatedSize(const GpxDocument& doc) {
        qsizetype points = doc.waypoints.size();
        for (const auto& r : doc.routes)
            points += r.points.size();
        qsizetype trackPoints = 0;
        for (const auto& t : doc.tracks)
            for (const auto& segment : t.segments)
                trackPoints += segment.size();
        return 512 + points * 320 + trackPoints * 72;
    }

    void Indent(int depth) { out_.append(size_t(depth) * 4, ' '); }

    // Positions with the fewest digits that read back to the same double,
    // never in exponent form, which the schema's decimals do not allow.
    void Number(double value) {
        char digits[400];
        const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
        out_.append(digits, end);
    }

    void Integer(int value) {
        char digits[16];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }

    void Utf8(const QString& text) {
        // Most names and comments are ASCII: copy them without a byte array.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            std::transform(text.begin(), text.end(), std::back_inserter(out_),
                           [](QChar c) { return char(c.unicode()); });
            return;
        }
        const QByteArray bytes = text.toUtf8();
        out_.append(bytes.constData(), size_t(bytes.size()));
    }

    void Escaped(const QString& text) {
        const auto plain = [](QChar c) {
            return c.unicode() >= 0x20 && c != u'&' && c != u'<' && c != u'>' && c != u'"' &&
                   !c.isSurrogate() && c.unicode() < 0xFFFE;
        };
        if (std::all_of(text.begin(), text.end(), plain))
            return Utf8(text);
        for (const char32_t c : text.toUcs4()) {
            switch (c) {
            case '&':
                out_ += "&amp;";
                break;
            case '<':
                out_ += "&lt;";
                break;
            case '>':
                out_ += "&gt;";
                break;
            case '"':
                out_ += "&quot;";
                break;
            case '\r':
                // A raw CR would come back as LF.
                out_ += "&#13;";
                break;
            default:
                if (Representable(c))
                    Utf8(QString::fromUcs4(&c, 1));
                break;
            }
        }
    }

    void Text(int depth, const char* element, const QString& text) {
        if (text.isEmpty())
            return;
        Indent(depth);
        out_ += '<';
        out_ += element;
        out_ += '>';
        Escaped(text);
        out_ += "</";
        out_ += element;
        out_ += ">\n";
    }

    void Extension(int depth, const char* element, const std::optional<int>& value) {
        if (!value)
            return;
        Indent(depth);
        out_ += "<tf:";
        out_ += element;
        out_ += '>';
        Integer(*value);
        out_ += "</tf:";
        out_ += element;
        out_ += ">\n";
    }

    void Position(int depth, const char* element, double latitude, double longitude) {
        Indent(depth);
        out_ += '<';
        out_ += element;
        out_ += " lat=\"";
        Number(latitude);
        out_ += "\" lon=\"";
        Number(longitude);
        out_ += '"';
    }

    void End(int depth, const char* element) {
        Indent(depth);
        out_ += "</";
        out_ += element;
        out_ += ">\n";
    }

    void Point(int depth, const char* element, const GpxPoint& p) {
        Position(depth, element, p.latitude, p.longitude);
        out_ += ">\n";
        if (p.time.isValid()) {
            Indent(depth + 1);
            out_ += "<time>";
            IsoTime::AppendUtc(out_, p.time);
            out_ += "</time>\n";
        }
        Text(depth + 1, "name", p.name);
        Text(depth + 1, "cmt", p.comment);
        Text(depth + 1, "desc", p.description);
        Text(depth + 1, "sym", p.symbolName);
        if (p.index || p.symbol || p.type || p.icon) {
            Indent(depth + 1);
            out_ += "<extensions>\n";
            Extension(depth + 2, "index", p.index);
            Extension(depth + 2, "symbol", p.symbol);
            Extension(depth + 2, "type", p.type);
            if (p.icon) {
                Indent(depth + 2);
                out_ += "<tf:icon/>\n";
            }
            End(depth + 1, "extensions");
        }
        End(depth, element);
    }

    void IndexExtension(const std::optional<int>& index) {
        if (!index)
            return;
        out_ += "        <extensions>\n";
        Extension(3, "index", index);
        out_ += "        </extensions>\n";
    }

    void Route(const GpxRoute& r) {
        out_ += "    <rte>\n";
        Text(2, "name", r.name);
        IndexExtension(r.index);
        for (const auto& p : r.points)
            Point(2, "rtept", p);
        out_ += "    </rte>\n";
    }

    void Track(const GpxTrack& t) {
        out_ += "    <trk>\n";
        Text(2, "name", t.name);
        IndexExtension(t.index);
        for (const auto& segment : t.segments) {
            out_ += "        <trkseg>\n";
            for (const auto& p : segment) {
                Position(3, "trkpt", p.latitude, p.longitude);
                out_ += "/>\n";
            }
            out_ += "        </trkseg>\n";
        }
        out_ += "    </trk>\n";
    }

    std::string out_;
};

} // namespace

QByteArray GpxWriter::Write(const GpxDocument& document) {
    return Writer().Document(document);
}

} // namespace files
