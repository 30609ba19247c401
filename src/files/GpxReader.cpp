#include "files/GpxReader.h"

#include "files/IsoTime.h"

#include <QBuffer>

#include <expat.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace files {
namespace {

// Expat hands namespaced names over as "uri<sep>local".
constexpr char NamespaceSeparator = '\x1f';

// Where the parser stands: each open element gets one of these from its
// parent's and its own name. Everything under a Skip element is ignored.
enum class Place {
    Skip,
    Root,
    Metadata,
    Point, // wpt or rtept
    Route,
    Track,
    Segment,
    TrackPoint, // its children are not kept
    PointExtensions,
    IndexExtensions, // a route's or track's extensions
    Text,            // collects the text of this element and its children
};

// What a finished Text element is stored into.
enum class Field {
    None,
    Description,
    Name,
    Comment,
    Time,
    Index,
    Symbol,
    Type,
    RouteName,
    TrackName,
    RouteIndex,
    TrackIndex
};

struct Open {
    Place place;
    Field field = Field::None;
};

struct Name {
    std::string_view uri;
    std::string_view local;
};

Name Split(const XML_Char* full) {
    const std::string_view name(full);
    const auto sep = name.find(NamespaceSeparator);
    if (sep == std::string_view::npos)
        return {{}, name};
    return {name.substr(0, sep), name.substr(sep + 1)};
}

std::optional<int> Integer(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

// A SAX reader over expat: it is several times faster than a pull reader on
// large track logs, and it reads the document in one pass into GpxDocument.
class Reader {
public:
    Reader()
        : parser_(XML_ParserCreateNS(nullptr, NamespaceSeparator)), ours_(GpxExtensionNamespace().toUtf8()) {
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, &Reader::OnStart, &Reader::OnEnd);
        XML_SetCharacterDataHandler(parser_, &Reader::OnText);
    }
    ~Reader() { XML_ParserFree(parser_); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Feeds expat through its own small buffer: handing it the whole input
    // at once makes it copy all of it first.
    GpxReader::Result Read(QIODevice& in) {
        constexpr int Chunk = 1 << 16;
        for (;;) {
            void* buffer = XML_GetBuffer(parser_, Chunk);
            if (!buffer)
                return {{}, QStringLiteral("Out of memory.")};
            const qint64 n = in.read(static_cast<char*>(buffer), Chunk);
            if (n < 0)
                return {{}, in.errorString()};
            if (XML_ParseBuffer(parser_, int(n), n == 0) != XML_STATUS_OK) {
                if (error_.isEmpty())
                    Fail(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser_))));
                return {{}, error_};
            }
            if (n == 0)
                return {std::move(doc_), {}};
        }
    }

private:
    static void OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<Reader*>(self)->Start(Split(name), attributes);
    }
    static void OnEnd(void* self, const XML_Char*) { static_cast<Reader*>(self)->End(); }
    static void OnText(void* self, const XML_Char* text, int length) {
        auto* reader = static_cast<Reader*>(self);
        if (!reader->open_.empty() && reader->open_.back().place == Place::Text)
            reader->text_.append(text, length);
    }

    void Fail(const QString& text) {
        error_ = QStringLiteral("Line %1: %2").arg(XML_GetCurrentLineNumber(parser_)).arg(text);
        XML_StopParser(parser_, XML_FALSE);
    }

    bool Ours(const Name& name) const {
        return name.uri == std::string_view(ours_.constData(), ours_.size());
    }

    Open Child(Place parent, const Name& name) {
        const auto is = [&](const char* local) { return name.local == local; };
        switch (parent) {
        case Place::Root:
            if (is("wpt")) {
                doc_.waypoints.emplace_back();
                point_ = &doc_.waypoints.back();
                return {Place::Point};
            }
            if (is("rte")) {
                doc_.routes.emplace_back();
                return {Place::Route};
            }
            if (is("trk")) {
                doc_.tracks.emplace_back();
                return {Place::Track};
            }
            if (is("metadata"))
                return {Place::Metadata};
            break;
        case Place::Metadata:
            if (is("desc"))
                return {Place::Text, Field::Description};
            break;
        case Place::Point:
            if (is("name"))
                return {Place::Text, Field::Name};
            if (is("cmt"))
                return {Place::Text, Field::Comment};
            if (is("time"))
                return {Place::Text, Field::Time};
            if (is("extensions"))
                return {Place::PointExtensions};
            break;
        case Place::PointExtensions:
            if (!Ours(name))
                break;
            if (is("index"))
                return {Place::Text, Field::Index};
            if (is("symbol"))
                return {Place::Text, Field::Symbol};
            if (is("type"))
                return {Place::Text, Field::Type};
            if (is("icon"))
                point_->icon = true;
            break;
        case Place::Route:
            if (is("name"))
                return {Place::Text, Field::RouteName};
            if (is("extensions"))
                return {Place::IndexExtensions, Field::RouteIndex};
            if (is("rtept")) {
                doc_.routes.back().points.emplace_back();
                point_ = &doc_.routes.back().points.back();
                return {Place::Point};
            }
            break;
        case Place::Track:
            if (is("name"))
                return {Place::Text, Field::TrackName};
            if (is("extensions"))
                return {Place::IndexExtensions, Field::TrackIndex};
            if (is("trkseg")) {
                doc_.tracks.back().segments.emplace_back();
                return {Place::Segment};
            }
            break;
        case Place::IndexExtensions:
            if (Ours(name) && is("index"))
                return {Place::Text, open_.back().field};
            break;
        case Place::Segment:
            if (is("trkpt")) {
                doc_.tracks.back().segments.back().emplace_back();
                return {Place::TrackPoint};
            }
            break;
        case Place::Text:
            return {Place::Text, Field::None};
        case Place::TrackPoint:
        case Place::Skip:
            break;
        }
        return {Place::Skip};
    }

    void Start(const Name& name, const XML_Char** attributes) {
        if (open_.empty()) {
            if (name.local != "gpx")
                return Fail(QStringLiteral("The file is not a GPX file."));
            open_.push_back({Place::Root});
            return;
        }
        const Open parent = open_.back();
        const Open child = Child(parent.place, name);
        if (child.place == Place::Text && parent.place != Place::Text)
            text_.clear();
        open_.push_back(child);
        if (child.place == Place::Point)
            SetPosition(*point_, name, attributes);
        else if (child.place == Place::TrackPoint)
            SetPosition(doc_.tracks.back().segments.back().back(), name, attributes);
    }

    void End() {
        // Expat may still close an empty element after the parse was stopped
        // in its start handler.
        if (open_.empty())
            return;
        const Open closed = open_.back();
        open_.pop_back();
        if (closed.place != Place::Text || closed.field == Field::None)
            return;
        if (closed.field == Field::Time)
            point_->time = IsoTime::Parse(QByteArrayView(text_).trimmed());
        else
            Store(closed.field, QString::fromUtf8(text_).trimmed());
    }

    void Store(Field field, const QString& text) {
        switch (field) {
        case Field::Description:
            doc_.description = text;
            break;
        case Field::Name:
            point_->name = text;
            break;
        case Field::Comment:
            point_->comment = text;
            break;
        case Field::Index:
            point_->index = Integer(text);
            break;
        case Field::Symbol:
            point_->symbol = Integer(text);
            break;
        case Field::Type:
            point_->type = Integer(text);
            break;
        case Field::RouteName:
            doc_.routes.back().name = text;
            break;
        case Field::TrackName:
            doc_.tracks.back().name = text;
            break;
        case Field::RouteIndex:
            doc_.routes.back().index = Integer(text);
            break;
        case Field::TrackIndex:
            doc_.tracks.back().index = Integer(text);
            break;
        case Field::Time: // read from the bytes in End
        case Field::None:
            break;
        }
    }

    template <typename Point> void SetPosition(Point& p, const Name& element, const XML_Char** attributes) {
        bool haveLatitude = false;
        bool haveLongitude = false;
        for (const XML_Char** a = attributes; a[0]; a += 2) {
            if (std::strcmp(a[0], "lat") == 0)
                haveLatitude = Coordinate(a[1], 90, p.latitude);
            else if (std::strcmp(a[0], "lon") == 0)
                haveLongitude = Coordinate(a[1], 180, p.longitude);
        }
        const auto missing = !haveLatitude ? "lat" : !haveLongitude ? "lon" : nullptr;
        if (missing)
            Fail(QStringLiteral("<%1> has no valid %2 attribute.")
                     .arg(QString::fromUtf8(element.local.data(), qsizetype(element.local.size())),
                          QLatin1String(missing)));
    }

    static bool Coordinate(const char* text, double limit, double& value) {
        QByteArrayView digits = QByteArrayView(text, qsizetype(std::strlen(text))).trimmed();
        if (digits.startsWith('+'))
            digits = digits.sliced(1);
        double v = 0;
        const auto [end, error] = std::from_chars(digits.begin(), digits.end(), v);
        if (error != std::errc() || end != digits.end() || !std::isfinite(v) || std::fabs(v) > limit)
            return false;
        value = v;
        return true;
    }

    XML_Parser parser_;
    QByteArray ours_;
    GpxDocument doc_;
    GpxPoint* point_ = nullptr; // the wpt or rtept under way
    std::vector<Open> open_;
    QByteArray text_;
    QString error_;
};

} // namespace

GpxReader::Result GpxReader::Read(QIODevice& in) {
    return Reader().Read(in);
}

GpxReader::Result GpxReader::Read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Read(buffer);
}

} // namespace files
