#include "files/GpxReader.h"

#include "files/IsoTime.h"

#include <QFileDevice>

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace files {
namespace {

// The name without its namespace prefix: GPX 1.0, GPX 1.1 and files that
// bind the GPX namespace to a prefix all name their elements alike.
std::string_view Local(pugi::xml_node node) {
    const std::string_view name(node.name());
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// A number as text: optional sign, digits, blanks around.
std::optional<int> Integer(QByteArrayView digits) {
    digits = digits.trimmed();
    if (digits.startsWith('+'))
        digits = digits.sliced(1);
    int v = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), v);
    if (error != std::errc() || end != digits.end() || digits.isEmpty())
        return std::nullopt;
    return v;
}

bool Coordinate(const char* text, double limit, double& value) {
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

// Reads the whole document into a tree first (pugixml parses several times
// faster than a SAX parser with callbacks on large track logs), then walks
// the parts GpxDocument keeps. Every other element is passed over.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes), ours_(GpxExtensionNamespace().toStdString()) {}

    GpxReader::Result Read() {
        pugi::xml_document tree;
        const pugi::xml_parse_result parsed = tree.load_buffer(bytes_.constData(), size_t(bytes_.size()));
        if (!parsed)
            return Failed(parsed.offset, QString::fromUtf8(parsed.description()));
        const pugi::xml_node root = tree.document_element();
        for (pugi::xml_node other = root.next_sibling(); other; other = other.next_sibling())
            if (other.type() == pugi::node_element)
                return Failed(other.offset_debug(), QStringLiteral("junk after document element"));
        if (Local(root) != "gpx")
            return Failed(root.offset_debug(), QStringLiteral("The file is not a GPX file."));
        for (pugi::xml_node child : root.children()) {
            const auto is = [&](const char* name) { return Local(child) == name; };
            if (is("wpt"))
                ReadPoint(child, doc_.waypoints.emplace_back());
            else if (is("rte"))
                ReadRoute(child);
            else if (is("trk"))
                ReadTrack(child);
            else if (is("metadata"))
                for (pugi::xml_node item : child.children())
                    if (Local(item) == "desc")
                        doc_.description = Text(item);
            if (!error_.isEmpty())
                return {{}, error_};
        }
        return {std::move(doc_), {}};
    }

private:
    GpxReader::Result Failed(std::ptrdiff_t offset, const QString& text) {
        const qsizetype end = std::clamp<qsizetype>(offset, 0, bytes_.size());
        const auto line = 1 + std::count(bytes_.constBegin(), bytes_.constBegin() + end, '\n');
        return {{}, QStringLiteral("Line %1: %2").arg(line).arg(text)};
    }

    // The text of an element and of everything inside it, trimmed.
    QString Text(pugi::xml_node element) {
        const pugi::xml_node first = element.first_child();
        if (!first.next_sibling() && (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata))
            return QString::fromUtf8(first.value()).trimmed();
        struct Collect : pugi::xml_tree_walker {
            QByteArray all;
            bool for_each(pugi::xml_node& node) override {
                if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
                    all += node.value();
                return true;
            }
        } collect;
        element.traverse(collect);
        return QString::fromUtf8(collect.all).trimmed();
    }

    // Whether the element lives in our extension namespace: its prefix (or
    // the default) bound to our URI on it or on the nearest ancestor that
    // binds that prefix. Siblings without attributes of their own share the
    // answer, so it is kept for the last parent asked about.
    bool Ours(pugi::xml_node element) {
        const std::string_view name(element.name());
        const auto colon = name.rfind(':');
        const std::string_view prefix =
            colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
        if (const std::optional<bool> own = BindingOn(element, prefix))
            return *own;
        const pugi::xml_node parent = element.parent();
        if (parent != scopeParent_ || prefix != scopePrefix_) {
            scopeParent_ = parent;
            scopePrefix_ = prefix;
            scopeOurs_ = false;
            for (pugi::xml_node at = parent; at; at = at.parent())
                if (const std::optional<bool> binding = BindingOn(at, prefix)) {
                    scopeOurs_ = *binding;
                    break;
                }
        }
        return scopeOurs_;
    }

    // Whether `element` binds `prefix` to our URI; nothing when it does not bind it.
    std::optional<bool> BindingOn(pugi::xml_node element, std::string_view prefix) const {
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
            if (Binds(a.name(), prefix))
                return a.value() == ours_;
        return std::nullopt;
    }

    static bool Binds(std::string_view attribute, std::string_view prefix) {
        if (!attribute.starts_with("xmlns"))
            return false;
        attribute.remove_prefix(5);
        if (prefix.empty())
            return attribute.empty();
        return attribute.size() == prefix.size() + 1 && attribute.front() == ':' &&
               attribute.ends_with(prefix);
    }

    // The bytes of an element holding a single value, such as a number.
    static QByteArrayView Value(pugi::xml_node element) {
        const char* value = element.child_value();
        return QByteArrayView(value, qsizetype(std::strlen(value)));
    }

    template <typename Point> void ReadPosition(pugi::xml_node element, Point& p) {
        bool haveLatitude = false;
        bool haveLongitude = false;
        for (const pugi::xml_attribute& a : element.attributes()) {
            if (std::strcmp(a.name(), "lat") == 0)
                haveLatitude = Coordinate(a.value(), 90, p.latitude);
            else if (std::strcmp(a.name(), "lon") == 0)
                haveLongitude = Coordinate(a.value(), 180, p.longitude);
        }
        const auto missing = !haveLatitude ? "lat" : !haveLongitude ? "lon" : nullptr;
        if (missing && error_.isEmpty())
            error_ = Failed(element.offset_debug(),
                            QStringLiteral("<%1> has no valid %2 attribute.")
                                .arg(QString::fromUtf8(element.name()), QLatin1String(missing)))
                         .error;
    }

    void ReadPoint(pugi::xml_node element, GpxPoint& p) {
        ReadPosition(element, p);
        for (pugi::xml_node child : element.children()) {
            const std::string_view name = Local(child);
            if (name == "name")
                p.name = Text(child);
            else if (name == "cmt")
                p.comment = Text(child);
            else if (name == "desc")
                p.description = Text(child);
            else if (name == "sym")
                p.symbolName = Text(child);
            else if (name == "time")
                p.time = IsoTime::Parse(Value(child).trimmed());
            else if (name == "extensions")
                ReadPointExtensions(child, p);
        }
    }

    void ReadPointExtensions(pugi::xml_node extensions, GpxPoint& p) {
        for (pugi::xml_node child : extensions.children()) {
            if (child.type() != pugi::node_element || !Ours(child))
                continue;
            const std::string_view name = Local(child);
            if (name == "index")
                p.index = Integer(Value(child));
            else if (name == "symbol")
                p.symbol = Integer(Value(child));
            else if (name == "type")
                p.type = Integer(Value(child));
            else if (name == "icon")
                p.icon = true;
        }
    }

    std::optional<int> IndexExtension(pugi::xml_node extensions) {
        std::optional<int> index;
        for (pugi::xml_node child : extensions.children())
            if (child.type() == pugi::node_element && Local(child) == "index" && Ours(child))
                index = Integer(Value(child));
        return index;
    }

    void ReadRoute(pugi::xml_node element) {
        GpxRoute& route = doc_.routes.emplace_back();
        for (pugi::xml_node child : element.children()) {
            const std::string_view name = Local(child);
            if (name == "name")
                route.name = Text(child);
            else if (name == "extensions")
                route.index = IndexExtension(child);
            else if (name == "rtept")
                ReadPoint(child, route.points.emplace_back());
        }
    }

    void ReadTrack(pugi::xml_node element) {
        GpxTrack& track = doc_.tracks.emplace_back();
        for (pugi::xml_node child : element.children()) {
            const std::string_view name = Local(child);
            if (name == "name") {
                track.name = Text(child);
            } else if (name == "extensions") {
                track.index = IndexExtension(child);
            } else if (name == "trkseg") {
                auto& segment = track.segments.emplace_back();
                for (pugi::xml_node point : child.children())
                    if (Local(point) == "trkpt")
                        ReadPosition(point, segment.emplace_back());
            }
        }
    }

    const QByteArray& bytes_;
    const std::string ours_;
    GpxDocument doc_;
    QString error_;
    pugi::xml_node scopeParent_;
    std::string_view scopePrefix_;
    bool scopeOurs_ = false;
};

} // namespace

GpxReader::Result GpxReader::Read(QIODevice& in) {
    const QByteArray bytes = in.readAll();
    if (const auto* file = qobject_cast<const QFileDevice*>(&in);
        file && file->error() != QFileDevice::NoError)
        return {{}, file->errorString()};
    return Read(bytes);
}

GpxReader::Result GpxReader::Read(const QByteArray& bytes) {
    return Reader(bytes).Read();
}

} // namespace files
