#include "files/PositionListImport.h"

#include "files/PositionLine.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace files {
namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString RouteError = QStringLiteral("Route Import Error");
// Two positions closer than this in both latitude and longitude are one place.
constexpr double SamePlace = 0.0001;

QString CleanName(const QString& name, int length) {
    return gpsdata::GPSData::DisplayName(gpsdata::GPSData::FixName(name, length));
}

} // namespace

void PositionListImport::Stop(const QString& title, const QString& text) {
    m_prompt.Message(title, text, ui::Icon::Critical);
}

PositionListImport::Result PositionListImport::Import(const QString& fileName, bool route) {
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_prompt.Message("Import Error",
                         fileName + " was not found." + CrLf +
                             "Please verify the correct file name was given.",
                         ui::Icon::Exclamation);
        return Result::FileNotFound;
    }
    gpsdata::RouteObject* target = nullptr;
    if (route) {
        target = m_data.AddNewRoute(false);
        if (!target) {
            Stop(RouteError, "Unable to find an empty route." + CrLf + "Delete a route and retry.");
            return Result::Stopped;
        }
        target->SetRteName(CleanName(QFileInfo(fileName).completeBaseName(), 10));
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Latin1);
    for (int number = 1; !in.atEnd(); ++number) {
        const QString text = in.readLine();
        if (PositionLine::IsBlank(text))
            continue;
        if (!ImportLine(PositionLine::Parse(text), number, route, target))
            return Result::Stopped;
    }
    return Result::Imported;
}

bool PositionListImport::ImportLine(const PositionLine& line, int number, bool route,
                                    gpsdata::RouteObject* target) {
    if (!line.InRange()) {
        Stop(KindName(route) + " Import Error",
             "Illegal latitude/longitude encountered on line " + QString::number(number) + CrLf);
        return false;
    }
    if (target && (target->NumWaypoints() >= m_data.MaxNumGPSWptsPerRoute() ||
                   m_data.CountRouteWpts() >= m_data.MaxNumGPSRouteWaypoints())) {
        Stop(RouteError,
             "No more route waypoints available." + CrLf + "Delete some route waypoints and retry.");
        return false;
    }
    const std::optional<qint16> index = FindOrAdd(line, route);
    if (!index)
        return false;
    if (target)
        target->AddWaypoint(*index);
    return true;
}

std::optional<qint16> PositionListImport::FindOrAdd(const PositionLine& line, bool route) {
    const QString name = line.name.isEmpty() ? QString() : CleanName(line.name, 12);
    for (const auto& entry : m_data.Waypoints()) {
        const gpsdata::WaypointObject& w = *entry.object;
        if (std::fabs(w.Latitude() - line.latitude) < SamePlace &&
            std::fabs(w.Longitude() - line.longitude) < SamePlace && (name.isEmpty() || w.WptName() == name))
            return w.WptIndex();
    }
    gpsdata::WaypointObject* added = m_data.AddNewWaypoint(false);
    if (!added) {
        Stop(KindName(route) + " Import Error",
             "No more free waypoints." + CrLf + "Delete some waypoints, and then retry.");
        return std::nullopt;
    }
    if (!name.isEmpty())
        added->SetWptName(name);
    added->SetLatitude(line.latitude);
    added->SetLongitude(line.longitude);
    return added->WptIndex();
}

} // namespace files
