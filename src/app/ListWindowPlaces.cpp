#include "app/ListWindowPlaces.h"

#include "app/ProgramSettings.h"
#include "editors/ListWindows.h"

#include <QMdiSubWindow>

#include <algorithm>

namespace app {

namespace {
constexpr qint64 TwipsPerPixel = 15;
// A place from a damaged file still gives a window that can be reached.
constexpr qint64 LargestPixels = 20000;

int Pixels(qint64 twips) {
    return static_cast<int>(std::clamp(twips / TwipsPerPixel, -LargestPixels, LargestPixels));
}

struct KindPlaces {
    editors::ListKind kind;
    QList<ListWindowPlace> ProgramSettings::*places;
};

// In the order the settings file writes them.
const KindPlaces Kinds[] = {{editors::ListKind::Routes, &ProgramSettings::editRouteList},
                            {editors::ListKind::Waypoints, &ProgramSettings::editWaypointList},
                            {editors::ListKind::Icons, &ProgramSettings::editIconList},
                            {editors::ListKind::Trails, &ProgramSettings::editTrailList}};
} // namespace

void ListWindowPlaces::Restore(const ProgramSettings& settings, editors::ListWindows& lists) {
    for (const KindPlaces& k : Kinds)
        for (const ListWindowPlace& p : settings.*k.places) {
            const QRect place(Pixels(p.left), Pixels(p.top), Pixels(p.width), Pixels(p.height));
            lists.Open(k.kind, place.isValid() ? place : QRect());
        }
}

void ListWindowPlaces::Collect(const editors::ListWindows& lists, ProgramSettings& settings) {
    for (const KindPlaces& k : Kinds) {
        QList<ListWindowPlace>& places = settings.*k.places;
        places.clear();
        for (const QMdiSubWindow* child : lists.Windows(k.kind)) {
            const QRect r = child->geometry();
            places.append({r.left() * TwipsPerPixel, r.top() * TwipsPerPixel, r.width() * TwipsPerPixel,
                           r.height() * TwipsPerPixel});
        }
    }
}

} // namespace app
