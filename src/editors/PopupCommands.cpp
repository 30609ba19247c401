#include "editors/PopupCommands.h"

#include "gpsdata/RouteObject.h"
#include "gpsdata/TrailObject.h"

#include <QMenu>

namespace editors {

void PopupCommands::AddRouteEntries(QMenu& menu, const gpsdata::RouteObject& route, int leg) const {
    const qint16 index = route.RteIndex();
    if (insertRouteWaypoints) {
        QAction* insert = menu.addAction(QStringLiteral("Insert Waypoints Into ") + route.RteName());
        insert->setObjectName(QStringLiteral("mnuPopupInsert"));
        QObject::connect(insert, &QAction::triggered, &menu,
                         [open = insertRouteWaypoints, index, leg] { open(index, leg); });
    }
    if (makeRouteBorder) {
        QAction* border = menu.addAction(QStringLiteral("Make Map Border From ") + route.RteName());
        border->setObjectName(QStringLiteral("mnuPopupRouteMakeBorder"));
        // One waypoint makes no line.
        border->setEnabled(route.NumWaypoints() >= 2);
        QObject::connect(border, &QAction::triggered, &menu,
                         [make = makeRouteBorder, index] { make(index); });
    }
}

void PopupCommands::AddTrailEntries(QMenu& menu, const gpsdata::TrailObject& trail) const {
    if (!createRouteFromTrail)
        return;
    QAction* create = menu.addAction(QStringLiteral("Create Route From ") + trail.TrlName());
    create->setObjectName(QStringLiteral("mnuPopupTrailCreateRoute"));
    QObject::connect(create, &QAction::triggered, &menu,
                     [make = createRouteFromTrail, index = trail.TrlIndex()] { make(index); });
}

} // namespace editors
