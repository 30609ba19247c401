#include "InfoCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

QJsonObject Limits(const gpsdata::GPSData& d) {
    return {{"MaxNumGPSWaypoints", d.MaxNumGPSWaypoints()},
            {"MaxNumGPSRoutes", d.MaxNumGPSRoutes()},
            {"MaxNumGPSTrails", d.MaxNumGPSTrails()},
            {"MaxNumGPSIcons", d.MaxNumGPSIcons()},
            {"MaxNumGPSIconSymbols", d.MaxNumGPSIconSymbols()},
            {"MaxNumGPSWptsPerRoute", d.MaxNumGPSWptsPerRoute()},
            {"MaxNumGPSRouteWaypoints", d.MaxNumGPSRouteWaypoints()},
            {"MaxNumGPSTrailDeltas", d.MaxNumGPSTrailDeltas()}};
}

} // namespace

int RunInfo(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--json", 0}});
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "info"))
        return ExitFailure;
    const gpsdata::GPSData& d = session.Data();
    const QJsonObject limits = Limits(d);
    if (arguments.Options().Has("--json")) {
        const QJsonObject json{{"waypoints", d.CountWaypoints()},
                               {"routes", d.CountRoutes()},
                               {"icons", d.CountIcons()},
                               {"trails", d.CountTrails()},
                               {"productId", d.ProductID()},
                               {"description", d.Description()},
                               {"limits", limits},
                               {"messages", QJsonArray::fromStringList(session.Messages())}};
        out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
        return ExitOk;
    }
    out << "waypoints: " << d.CountWaypoints() << '\n'
        << "routes: " << d.CountRoutes() << '\n'
        << "icons: " << d.CountIcons() << '\n'
        << "trails: " << d.CountTrails() << '\n'
        << "productId: " << d.ProductID() << '\n'
        << "description: " << d.Description() << '\n';
    for (auto it = limits.begin(); it != limits.end(); ++it)
        out << it.key() << ": " << it.value().toInteger() << '\n';
    for (const QString& m : session.Messages())
        out << "message: " << QString(m).replace("\r\n", "\\r\\n") << '\n';
    return ExitOk;
}

} // namespace cli
