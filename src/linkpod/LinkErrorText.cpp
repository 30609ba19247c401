#include "linkpod/LinkErrorText.h"

namespace linkpod {

QString LinkErrorText::Subject(Command request, std::uint32_t item) {
    const QString number = QString::number(qint64(item) + 1);
    switch (request) {
    case Command::GetWaypoint:
    case Command::PutWaypoint:
    case Command::EraseWaypoint:
        return QStringLiteral("waypoint number ") + number;
    case Command::GetRoute:
    case Command::PutRoute:
        return QStringLiteral("route number ") + number;
    case Command::GetIcon:
    case Command::PutIcon:
        return QStringLiteral("icon number ") + number;
    case Command::GetTrailHeader:
    case Command::GetTrailPoints:
    case Command::OpenTrail:
    case Command::PutTrailPoints:
    case Command::CloseTrail:
    case Command::MakeRouteFromTrail:
        return QStringLiteral("trail number ") + number;
    case Command::GetIconCount:
    case Command::PutIconCount:
        return QStringLiteral("the number of icons");
    case Command::ClearList:
        return QStringLiteral("clearing a list");
    case Command::GetMemory:
        return QStringLiteral("its memory status");
    default:
        return QStringLiteral("a request");
    }
}

QString LinkErrorText::Refused(Command request, std::uint16_t code, std::uint32_t item) {
    const QString what = Subject(request, item);
    switch (code) {
    case result::BadIndex:
        return QStringLiteral("The unit refused %1: it has no slot for it.").arg(what);
    case result::Full:
        if (request == Command::PutRoute)
            return QStringLiteral("The unit refused %1: the route has more waypoints than the unit keeps in "
                                  "one route.")
                .arg(what);
        if (request == Command::OpenTrail || request == Command::PutTrailPoints)
            return QStringLiteral("The unit refused %1: the trail has more points than the unit keeps.")
                .arg(what);
        return QStringLiteral("The unit refused %1: its memory is full.").arg(what);
    case result::BadRequest:
        return QStringLiteral("The unit refused %1: it could not read what it was sent.").arg(what);
    case result::Unsupported:
        return QStringLiteral("The unit refused %1: it does not know the request.").arg(what);
    default:
        return QStringLiteral("The unit refused %1 (code %2).").arg(what).arg(code);
    }
}

QString LinkErrorText::Unanswered() {
    return QStringLiteral("The unit took a request but did not answer it in time.");
}

} // namespace linkpod
