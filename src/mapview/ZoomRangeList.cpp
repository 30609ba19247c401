#include "mapview/ZoomRangeList.h"

#include "geo/LeadingNumber.h"
#include "geo/NumberFormat.h"
#include "mapview/WindowObject.h"

#include <array>

namespace mapview {

namespace {

constexpr std::array<double, 35> Presets = {8000, 4000, 3000, 2000, 1500, 1000, 800, 600, 400, 300,  200, 150,
                                            100,  80,   60,   40,   30,   20,   15,  10,  8,   6,    5,   4,
                                            3,    2,    1.5,  1,    0.8,  0.6,  0.4, 0.3, 0.2, 0.15, 0.1};

} // namespace

QString ZoomRangeList::Format(double distance) {
    return geo::NumberFormat::Apply(distance, u"#####0.0#");
}

ZoomRangeList ZoomRangeList::Build(const WindowObject& window) {
    const double cur = window.MilesToDistance(window.ZoomRange());
    const double min = window.MilesToDistance(window.MinZoomRange());
    const double max = window.MilesToDistance(window.MaxZoomRange());
    ZoomRangeList list;
    const auto placeCurrent = [&] {
        list.Selected = static_cast<int>(list.Entries.size());
        list.Entries << Format(cur);
    };
    for (double preset : Presets) {
        if (list.Selected < 0 && preset <= cur) {
            placeCurrent();
            if (preset == cur)
                continue;
        }
        if (min <= preset && preset <= max)
            list.Entries << Format(preset);
    }
    if (list.Selected < 0)
        placeCurrent();
    return list;
}

void ZoomRangeList::Choose(WindowObject& window, const QString& text) {
    window.AtMaxZoom = false;
    window.SetZoomRange(window.DistanceToMiles(geo::LeadingNumber(text)));
}

bool ZoomRangeList::AcceptsKey(QChar key) {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char('.') || key == QChar(8);
}

} // namespace mapview
