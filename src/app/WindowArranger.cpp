#include "app/WindowArranger.h"

#include "app/ProgramSettings.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace app {

namespace {

// `n` rectangles side by side (horizontal) or stacked inside `r`, `gap` apart.
QList<QRect> Split(const QRect& r, int n, bool horizontal, int gap) {
    QList<QRect> out;
    const int total = horizontal ? r.width() : r.height();
    for (int i = 0; i < n; ++i) {
        const int from = total * i / n + (i ? gap / 2 : 0);
        const int to = total * (i + 1) / n - (i + 1 < n ? gap - gap / 2 : 0);
        out << (horizontal ? QRect(r.left() + from, r.top(), to - from, r.height())
                           : QRect(r.left(), r.top() + from, r.width(), to - from));
    }
    return out;
}

int Percent(int total, int percent) {
    return total * qBound(0, percent, 100) / 100;
}

int TwipsToPixels(int twips) {
    constexpr int TwipsPerPixel = 15;
    return twips / TwipsPerPixel;
}

} // namespace

WindowArranger::Layout WindowArranger::FromSettings(const ProgramSettings& s) {
    return {s.waypointListHeightPercent, TwipsToPixels(s.routeWidth),           s.routeListHeightPercent,
            TwipsToPixels(s.iconWidth),  TwipsToPixels(s.editDialogSeperation), s.iconListHeightPercent};
}

QList<QRect> WindowArranger::Plan(const QRect& area, const Counts& c, const Layout& l) {
    const int gap = qMax(0, l.EditDialogSeperation);
    const bool column = c.route + c.trail > 0;
    const bool strip = c.waypoint + c.icon > 0;
    const int columnWidth = column ? qMin(l.RouteWidth, area.width() / 2) : 0;
    const QRect left(area.left(), area.top(), area.width() - columnWidth - (column ? gap : 0), area.height());
    const int stripPercent = c.waypoint ? l.WaypointListHeightPercent : l.IconListHeightPercent;
    const int stripHeight = strip ? Percent(left.height(), stripPercent) : 0;
    const QRect map(left.left(), left.top(), left.width(), left.height() - stripHeight - (strip ? gap : 0));
    const QRect bottom(left.left(), map.bottom() + 1 + gap, left.width(), stripHeight);
    const int iconWidth = c.icon ? (c.waypoint ? qMin(l.IconWidth, bottom.width() / 2) : bottom.width()) : 0;
    const QRect waypoints(bottom.left(), bottom.top(), bottom.width() - iconWidth - (c.icon ? gap : 0),
                          bottom.height());
    const QRect icons(bottom.right() - iconWidth + 1, bottom.top(), iconWidth, bottom.height());
    const QRect right(area.right() - columnWidth + 1, area.top(), columnWidth, area.height());
    const int routeHeight =
        c.trail ? (c.route ? Percent(right.height(), l.RouteListHeightPercent) : 0) : right.height();
    const QRect routes(right.left(), right.top(), right.width(), routeHeight);
    const QRect trails(right.left(), right.top() + routeHeight + (c.route ? gap : 0), right.width(),
                       right.height() - routeHeight - (c.route ? gap : 0));

    QList<QRect> out{map};
    out << Split(waypoints, c.waypoint, true, gap) << Split(icons, c.icon, false, gap)
        << Split(routes, c.route, false, gap) << Split(trails, c.trail, false, gap);
    return out;
}

void WindowArranger::Arrange(QMdiArea* area, const Layout& layout) {
    QMdiSubWindow* map = nullptr;
    QList<QMdiSubWindow*> kinds[4];
    static const char* const names[4] = {"waypoint", "icon", "route", "trail"};
    for (QMdiSubWindow* w : area->subWindowList()) {
        if (w->isMinimized() || !w->isVisible())
            continue;
        const QString kind = w->property("listKind").toString();
        if (kind.isEmpty()) {
            map = map ? map : w;
            continue;
        }
        for (int k = 0; k < 4; ++k)
            if (kind == QLatin1String(names[k]))
                kinds[k] << w;
    }
    const Counts counts{int(kinds[0].size()), int(kinds[2].size()), int(kinds[1].size()),
                        int(kinds[3].size())};
    const QList<QRect> plan = Plan(area->viewport()->rect(), counts, layout);
    if (map) {
        map->showNormal();
        map->setGeometry(plan.at(0));
    }
    int next = 1;
    for (const auto& list : kinds)
        for (QMdiSubWindow* w : list) {
            w->showNormal();
            w->setGeometry(plan.at(next++));
        }
}

void WindowArranger::Tile(QMdiArea* area, Qt::Orientation orientation) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : area->subWindowList())
        if (!w->isMinimized() && w->isVisible())
            shown << w;
    const QList<QRect> plan =
        Split(area->viewport()->rect(), int(shown.size()), orientation == Qt::Horizontal, 0);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        shown.at(i)->showNormal();
        shown.at(i)->setGeometry(plan.at(i));
    }
}

} // namespace app
