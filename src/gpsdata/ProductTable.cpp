#include "gpsdata/ProductTable.h"

#include "gpsdata/TextRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace gpsdata {

ProductTable::ProductTable() {
    m_units.insert(-1, GPSUnit{});
}

void ProductTable::Load(const QString& path) {
    if (path.isEmpty())
        return;
    QFile file(QFileInfo(path).isDir() ? path + u'/' + FileName() : path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    Read(in);
}

void ProductTable::Read(QTextStream& in) {
    QString line;
    bool atSection = false;
    while (atSection || !in.atEnd()) {
        if (!atSection && !in.readLine().startsWith(u'['))
            continue;
        atSection = false;
        GPSUnit unit;
        bool hasId = false;
        while (!in.atEnd()) {
            line = in.readLine();
            if (line.trimmed().isEmpty())
                break;
            // A section header without the blank line before it still starts a
            // new product, rather than overwriting this one's values.
            if (line.startsWith(u'[')) {
                atSection = true;
                break;
            }
            ApplyLine(line.toLower(), unit, hasId);
        }
        // A section without an id names no product; it must not become product 0.
        if (hasId)
            m_units.insert(unit.ProductNumber, unit);
    }
}

void ProductTable::ApplyLine(const QString& line, GPSUnit& unit, bool& hasId) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    qsizetype keyEnd = line.indexOf(u' ');
    if (keyEnd < 0 || keyEnd > equals)
        keyEnd = equals;
    const QString key = line.left(keyEnd);
    const QString value = line.mid(equals + 1);
    const double number = TextRecord::LeadingNumber(value);
    // Numbers that do not fit leave the default in place.
    if (key == u"id") {
        if (const auto id = TextRecord::ToInt16(number)) {
            unit.ProductNumber = *id;
            hasId = true;
        }
    } else if (key == u"routewpts") {
        unit.RouteWaypoints = TextRecord::ToInt16(number).value_or(unit.RouteWaypoints);
    } else if (key == u"deltas") {
        unit.TrailDeltas = TextRecord::ToInt16(number).value_or(unit.TrailDeltas);
    } else if (key == u"version") {
        unit.CurrentSoftwareVersion = std::isfinite(number) ? static_cast<float>(number) : 0;
    } else if (key == u"update") {
        unit.UpdatePostfix = value.trimmed();
    }
}

const GPSUnit* ProductTable::Find(int productNumber) const {
    const auto it = m_units.constFind(productNumber);
    return it == m_units.constEnd() ? nullptr : &*it;
}

} // namespace gpsdata
