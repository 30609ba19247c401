#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QMdiArea;
class QMdiSubWindow;

namespace app {

struct ProgramSettings;

// Places the map window and the list windows side by side in the frame: the
// map at the top left, waypoint and icon lists in a strip below it, route and
// trail lists in a column on the right. Each child says what it is through its
// "listKind" property ("waypoint", "route", "icon", "trail"); the map window
// has none.
class WindowArranger {
public:
    struct Layout {
        int WaypointListHeightPercent = 35;
        int RouteWidth = 280;
        int RouteListHeightPercent = 60;
        int IconWidth = 260;
        int EditDialogSeperation = 4;
        int IconListHeightPercent = 35;
    };

    // The layout the settings file holds; widths and the gap between
    // windows are kept in twips there.
    static Layout FromSettings(const ProgramSettings& settings);

    struct Counts {
        int waypoint = 0, route = 0, icon = 0, trail = 0;
    };

    // Rectangles in this order: the map, then the waypoint, icon, route and
    // trail lists, each kind in the order given.
    static QList<QRect> Plan(const QRect& area, const Counts& counts, const Layout& layout);

    static void Arrange(QMdiArea* area, const Layout& layout);

    // Every open child side by side (Qt::Horizontal) or one above the other.
    static void Tile(QMdiArea* area, Qt::Orientation orientation);
};

} // namespace app
