#include "files/ClipboardRecords.h"

#include "gpsdata/GPSData.h"

namespace files {
namespace {

void TrimFront(QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    text.remove(0, i);
}

// Drops the first line; false when there was no further line.
bool SkipLine(QString& text)
{
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    if (end < 0)
        return false;
    text.remove(0, end + 1);
    return true;
}

template <typename T>
std::vector<std::unique_ptr<T>> ParseAll(gpsdata::GPSData& data, QString text)
{
    std::vector<std::unique_ptr<T>> parsed;
    for (TrimFront(text); !text.isEmpty(); TrimFront(text)) {
        auto object = std::make_unique<T>(data);
        const qsizetype before = text.size();
        const bool ok = object->ParseString(text);
        if (ok)
            parsed.push_back(std::move(object));
        // A parse that took nothing off must not be tried again.
        if (text.size() >= before && !SkipLine(text))
            break;
    }
    return parsed;
}

} // namespace

std::vector<std::unique_ptr<gpsdata::WaypointObject>> ClipboardRecords::Waypoints(gpsdata::GPSData& data,
                                                                                   QString text)
{
    return ParseAll<gpsdata::WaypointObject>(data, std::move(text));
}

std::vector<std::unique_ptr<gpsdata::RouteObject>> ClipboardRecords::Routes(gpsdata::GPSData& data, QString text)
{
    return ParseAll<gpsdata::RouteObject>(data, std::move(text));
}

std::vector<std::unique_ptr<gpsdata::IconObject>> ClipboardRecords::Icons(gpsdata::GPSData& data, QString text)
{
    return ParseAll<gpsdata::IconObject>(data, std::move(text));
}

std::vector<std::unique_ptr<gpsdata::TrailObject>> ClipboardRecords::Trails(gpsdata::GPSData& data, QString text)
{
    return ParseAll<gpsdata::TrailObject>(data, std::move(text));
}

QList<qint16> ClipboardRecords::PasteWaypoints(gpsdata::GPSData& data, const QString& text)
{
    QList<qint16> added;
    for (const auto& parsed : Waypoints(data, text)) {
        gpsdata::WaypointObject* w = data.AddNewWaypoint();
        if (!w)
            break;
        w->SetX(parsed->X());
        w->SetY(parsed->Y());
        w->SetWptSymbol(parsed->WptSymbol());
        w->SetDateModified(parsed->DateModified());
        w->SetWptName(gpsdata::GPSData::TranslateName(parsed->WptName(), w->WptIndex()));
        added.append(w->WptIndex());
    }
    return added;
}

} // namespace files
