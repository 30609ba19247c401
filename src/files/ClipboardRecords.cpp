#include "files/ClipboardRecords.h"

#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "gpsdata/TextRecord.h"

namespace files {
namespace {

void TrimFront(QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    text.remove(0, i);
}

// Drops the text before the next field that is exactly `tag`, where the
// next record of the kind may begin; false when there is none.
bool SkipToTag(QString& text, const QString& tag) {
    using gpsdata::TextRecord;
    for (qsizetype at = text.indexOf(tag, 1); at > 0; at = text.indexOf(tag, at + 1)) {
        const qsizetype end = at + tag.size();
        if (TextRecord::IsDelimiter(text.at(at - 1)) &&
            (end == text.size() || TextRecord::IsDelimiter(text.at(end)))) {
            text.remove(0, at);
            return true;
        }
    }
    return false;
}

template <typename T>
std::vector<std::unique_ptr<T>> ParseAll(gpsdata::GPSData& data, QString text, const QString& tag) {
    std::vector<std::unique_ptr<T>> parsed;
    for (TrimFront(text); !text.isEmpty(); TrimFront(text)) {
        auto object = std::make_unique<T>(data);
        const qsizetype before = text.size();
        const bool ok = object->ParseString(text);
        if (ok)
            parsed.push_back(std::move(object));
        // A parse that took nothing off must not be tried again.
        if (text.size() >= before && !SkipToTag(text, tag))
            break;
    }
    return parsed;
}

} // namespace

std::vector<std::unique_ptr<gpsdata::WaypointObject>> ClipboardRecords::Waypoints(gpsdata::GPSData& data,
                                                                                  QString text) {
    return ParseAll<gpsdata::WaypointObject>(data, std::move(text), QStringLiteral("Wpt"));
}

std::vector<std::unique_ptr<gpsdata::RouteObject>> ClipboardRecords::Routes(gpsdata::GPSData& data,
                                                                            QString text) {
    return ParseAll<gpsdata::RouteObject>(data, std::move(text), QStringLiteral("Rte"));
}

std::vector<std::unique_ptr<gpsdata::IconObject>> ClipboardRecords::Icons(gpsdata::GPSData& data,
                                                                          QString text) {
    return ParseAll<gpsdata::IconObject>(data, std::move(text), QStringLiteral("Icn"));
}

std::vector<std::unique_ptr<gpsdata::TrailObject>> ClipboardRecords::Trails(gpsdata::GPSData& data,
                                                                            QString text) {
    return ParseAll<gpsdata::TrailObject>(data, std::move(text), QStringLiteral("Trl"));
}

QList<qint16> ClipboardRecords::PasteWaypoints(gpsdata::GPSData& data, const QString& text) {
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

QList<qint16> ClipboardRecords::PasteRoutes(gpsdata::GPSData& data, const QString& text) {
    QList<qint16> added;
    for (const auto& parsed : Routes(data, text)) {
        gpsdata::RouteObject* r = data.AddNewRoute();
        if (!r)
            break;
        r->SetRteName(gpsdata::GPSData::TranslateName(parsed->RteName(), r->RteIndex()));
        added.append(r->RteIndex());
        for (const qint16 leg : parsed->Waypoints()) {
            const QString refusal = r->AddWaypoint(leg);
            if (refusal.isEmpty())
                continue;
            if (ui::Prompt* prompt = data.Prompt())
                prompt->Message(QStringLiteral("Paste Error"), refusal, ui::Icon::Exclamation);
            return added;
        }
    }
    return added;
}

QList<qint16> ClipboardRecords::PasteIcons(gpsdata::GPSData& data, const QString& text) {
    QList<qint16> added;
    for (const auto& parsed : Icons(data, text)) {
        gpsdata::IconObject* icon = data.AddNewIcon();
        if (!icon)
            break;
        icon->SetX(parsed->X());
        icon->SetY(parsed->Y());
        icon->SetIcnSymbol(parsed->IcnSymbol());
        added.append(icon->IcnIndex());
    }
    return added;
}

QList<qint16> ClipboardRecords::PasteTrails(gpsdata::GPSData& data, const QString& text) {
    QList<qint16> added;
    for (const auto& parsed : Trails(data, text)) {
        gpsdata::TrailObject* trail = data.AddNewTrail();
        if (!trail)
            break;
        // Through the notifying write, so the lists and the map see the points.
        QList<qint32> xs, ys;
        QList<bool> continuous;
        for (int i = 0; i < parsed->NumPoints(); ++i) {
            xs << parsed->PointX(i);
            ys << parsed->PointY(i);
            continuous << parsed->Continuous(i);
        }
        trail->SetPoints(xs, ys, continuous);
        trail->SetTrlName(gpsdata::GPSData::TranslateName(parsed->TrlName(), trail->TrlIndex()));
        added.append(trail->TrlIndex());
    }
    return added;
}

} // namespace files
