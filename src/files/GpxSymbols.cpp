#include "files/GpxSymbols.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace files {
namespace {

// By symbol number: the name written first, then the other names read.
const QList<QStringList>& Table() {
    static const QList<QStringList> table = {
        {"Waypoint", "Symbol 1"},
        {"Block, Blue", "Symbol 2", "Block"},
        {"Triangle, Green", "Symbol3"},
        {"X Mark 1", "Crossing"},
        {"X Mark 2"},
        {"Dot", "Small City"},
        {"Circle"},
        {"Square"},
        {"Triangle"},
        {"Diamond, Red", "Diamond"},
        {"Star"},
        {"Flag, Blue", "Flag"},
        {"Anchor"},
        {"Boat Ramp", "Boat", "Marina"},
        {"Buoy, White", "Buoy", "Navaid"},
        {"Light", "Lighthouse"},
        {"Fishing Area", "Fish", "Fishing", "Fishing Hot Spot Facility"},
        {"Diver Down Flag 1", "Diver Down", "Diving"},
        {"Danger Area", "Danger", "Hazard"},
        {"Residence", "House", "Home"},
        {"Car", "Car Rental"},
        {"Gas Station", "Fuel"},
        {"Restaurant", "Food", "Fast Food"},
        {"Lodging", "Hotel", "Motel"},
        {"Campground", "Camping", "Tent"},
        {"Trail Head", "Trailhead"},
        {"Summit", "Peak", "Mountain"},
        {"Forest", "Tree", "Park"},
        {"Church", "Chapel"},
        {"Medical Facility", "Hospital", "First Aid"},
        {"Telephone", "Phone"},
        {"Parking Area", "Parking"},
        {"Airport", "Airfield"},
        {"Bridge"},
        {"Skull and Crossbones", "Skull"},
        {"Hunting", "Deer"},
        {"Waterfowl", "Duck"},
        {"Picnic Area", "Picnic"},
        {"Scenic Area", "Binoculars", "Viewpoint"},
        {"Camera", "Photo"},
        {"Swimming Area", "Swimming"},
        {"Shipwreck", "Wreck"},
        {"Restroom", "Toilet"},
        {"Information", "Info"},
        {"Broken Link"},
        {"Temporary"},
    };
    return table;
}

// Lower case, every run of characters other than letters and digits one blank.
QString Words(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return QStringLiteral(" ") + text.toLower().replace(separators, QStringLiteral(" ")).trimmed() +
           QStringLiteral(" ");
}

} // namespace

QString GpxSymbols::Name(int symbol) {
    return symbol >= 0 && symbol < Table().size() ? Table().at(symbol).first() : QString();
}

std::optional<int> GpxSymbols::Symbol(const QString& name) {
    const QString words = Words(name);
    if (words.trimmed().isEmpty())
        return std::nullopt;
    std::optional<int> nearest;
    qsizetype nearestLength = 0;
    for (int symbol = 0; symbol < Table().size(); ++symbol) {
        for (const QString& known : Table().at(symbol)) {
            const QString knownWords = Words(known);
            if (knownWords == words)
                return symbol;
            if (knownWords.size() > nearestLength && words.contains(knownWords)) {
                nearest = symbol;
                nearestLength = knownWords.size();
            }
        }
    }
    return nearest;
}

} // namespace files
