#pragma once

#include "gpsdata/GPSUnit.h"

#include <QMap>
#include <QString>

class QTextStream;

namespace gpsdata {

// The product table, read from "GPS.INI": one section per unit model with the
// lines ID=, RouteWpts=, Deltas=, Version= and Update=. The record for product
// -1 (no unit) is always present.
class ProductTable {
public:
    static QString FileName() { return QStringLiteral("GPS.INI"); }

    ProductTable();

    // Reads `path`, a folder holding "GPS.INI" or the file itself. A missing or
    // unreadable file leaves only the record for -1.
    void Load(const QString& path);
    void Read(QTextStream& in);

    // The record of `productNumber`, nullptr when the table has none.
    const GPSUnit* Find(int productNumber) const;
    int Count() const { return static_cast<int>(m_units.size()); }

private:
    // Applies one "key=value" line (already lower case) to `unit`.
    static void ApplyLine(const QString& line, GPSUnit& unit, bool& hasId);

    QMap<int, GPSUnit> m_units;
};

} // namespace gpsdata
