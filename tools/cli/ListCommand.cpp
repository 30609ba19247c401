#include "ListCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"
#include "ObjectJson.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace cli {
namespace {

const QStringList Kinds = {"waypoints", "routes", "icons", "trails"};

template <typename Collection, typename ToJson>
QJsonArray Objects(const Collection& collection, ToJson toJson) {
    QJsonArray array;
    for (const auto& entry : collection)
        array.append(toJson(*entry.object));
    return array;
}

QJsonArray Kind(const gpsdata::GPSData& d, const ObjectJson& json, const QString& kind) {
    if (kind == "waypoints")
        return Objects(d.Waypoints(), [&](const auto& o) { return json.Waypoint(o); });
    if (kind == "routes")
        return Objects(d.Routes(), [&](const auto& o) { return json.Route(o); });
    if (kind == "icons")
        return Objects(d.Icons(), [&](const auto& o) { return json.Icon(o); });
    return Objects(d.Trails(), [&](const auto& o) { return json.Trail(o); });
}

const QStringList& Keys(const QString& kind) {
    if (kind == "waypoints")
        return ObjectJson::WaypointKeys;
    if (kind == "routes")
        return ObjectJson::RouteKeys;
    if (kind == "icons")
        return ObjectJson::IconKeys;
    return ObjectJson::TrailKeys;
}

int Format(const CliArguments& options) {
    if (!options.Has("--position-format"))
        return 3;
    bool ok = false;
    const int format = options.Value("--position-format").toInt(&ok);
    if (!ok || format < 1 || format > 5)
        throw UsageError("--position-format needs a number from 1 to 5");
    return format;
}

} // namespace

int RunList(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--kind", 1}, {"--position-format", 1}, {"--json", 0}});
    const CliArguments& options = arguments.Options();
    QStringList kinds = Kinds;
    if (options.Has("--kind")) {
        if (!Kinds.contains(options.Value("--kind")))
            throw UsageError("--kind is one of waypoints, routes, icons, trails");
        kinds = {options.Value("--kind")};
    }
    const ObjectJson json(Format(options));
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "list"))
        return ExitFailure;
    session.PrintMessages(err, "list");
    const gpsdata::GPSData& d = session.Data();
    if (options.Has("--json")) {
        QJsonDocument doc;
        if (options.Has("--kind")) {
            doc.setArray(Kind(d, json, kinds[0]));
        } else {
            QJsonObject all;
            for (const QString& kind : kinds)
                all.insert(kind, Kind(d, json, kind));
            doc.setObject(all);
        }
        out << QString::fromUtf8(doc.toJson(QJsonDocument::Compact)) << '\n';
        return ExitOk;
    }
    for (const QString& kind : kinds) {
        if (kinds.size() > 1)
            out << kind << ":\n";
        out << Keys(kind).join('\t') << '\n';
        for (const QJsonValue& v : Kind(d, json, kind))
            out << ObjectJson::Row(v.toObject(), Keys(kind)) << '\n';
    }
    return ExitOk;
}

} // namespace cli
