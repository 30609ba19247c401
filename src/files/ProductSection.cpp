#include "files/ProductSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "gpsdata/GPSData.h"

#include <QList>
#include <QMap>
#include <QPair>

#include <limits>

namespace files {
namespace {

enum Key : qint32 {
    ProductKey = 1,
    WaypointsKey,
    IconsKey,
    IconSymbolsKey,
    RoutesKey,
    RouteWaypointsKey,
    WptsPerRouteKey,
    TrailsKey,
    TrailDeltasKey,
    SymbolKeyBase = 1000,
};

} // namespace

SectionResult ProductSection::Read(ByteReader& in, gpsdata::GPSData& data, QString& reason) {
    const qint16 count = in.ReadInt16();
    for (int i = 0; i < count && !in.PastEnd(); ++i) {
        const qint32 key = in.ReadInt32();
        const qint32 value = in.ReadInt32();
        if (in.PastEnd())
            break;
        if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
            return ProductFailed;
        const SectionResult result = Apply(data, key, static_cast<qint16>(value), reason);
        if (result != SectionRead)
            return result;
    }
    return SectionRead;
}

SectionResult ProductSection::Apply(gpsdata::GPSData& data, qint32 key, qint16 value, QString& reason) {
    using Limit = gpsdata::GPSData::Limit;
    static const QMap<qint32, QPair<Limit, const char*>> limits = {
        {WaypointsKey, {Limit::Waypoints, "waypoints"}},
        {RoutesKey, {Limit::Routes, "routes"}},
        {RouteWaypointsKey, {Limit::RouteWaypoints, "route waypoints"}},
        {WptsPerRouteKey, {Limit::WptsPerRoute, "waypoints per route"}},
        {TrailsKey, {Limit::Trails, "plot trails"}},
        {TrailDeltasKey, {Limit::TrailDeltas, "trail points"}},
        {IconsKey, {Limit::Icons, "icons"}},
    };
    if (key > SymbolKeyBase) {
        data.SetValidSymbol(key - SymbolKeyBase, value != 0);
        return SectionRead;
    }
    if (key == ProductKey)
        return data.SetProductID(value, gpsdata::GPSData::LimitChange::Store) ? SectionRead : ProductFailed;
    if (key < ProductKey || key > TrailDeltasKey)
        return SectionRead;
    // A negative count of slots has no meaning and would break every
    // collection that is sized by it.
    if (value < 0) {
        reason = QStringLiteral("The file gives a negative maximum number of %1 (%2).")
                     .arg(QLatin1String(key == IconSymbolsKey ? "icon symbols" : limits.value(key).second))
                     .arg(value);
        return NegativeLimit;
    }
    // The file's limits are stored as they are: its data may come before
    // them, and a load never cuts what the file holds.
    if (key == IconSymbolsKey)
        data.SetMaxNumGPSIconSymbols(value);
    else
        data.StoreLimit(limits.value(key).first, value);
    return SectionRead;
}

void ProductSection::Write(ByteWriter& out, const gpsdata::GPSData& data) {
    const bool noProduct = data.ProductID() == -1;
    QList<QPair<qint32, qint32>> pairs = {
        {ProductKey, data.ProductID()},      {WaypointsKey, data.MaxNumGPSWaypoints()},
        {IconsKey, data.MaxNumGPSIcons()},   {IconSymbolsKey, data.MaxNumGPSIconSymbols()},
        {RoutesKey, data.MaxNumGPSRoutes()},
    };
    // The product table supplies these two when a product is set.
    if (noProduct)
        pairs.append({RouteWaypointsKey, data.MaxNumGPSRouteWaypoints()});
    pairs.append({WptsPerRouteKey, data.MaxNumGPSWptsPerRoute()});
    pairs.append({TrailsKey, data.MaxNumGPSTrails()});
    if (noProduct)
        pairs.append({TrailDeltasKey, data.MaxNumGPSTrailDeltas()});
    const int symbols =
        qMin<int>(data.MaxNumGPSIconSymbols(), std::numeric_limits<qint16>::max() - pairs.size());
    for (int i = 0; i < symbols; ++i)
        pairs.append({SymbolKeyBase + i, data.ValidSymbol(i) ? -1 : 0});

    out.WriteInt16(static_cast<qint16>(pairs.size()));
    for (const auto& [key, value] : pairs) {
        out.WriteInt32(key);
        out.WriteInt32(value);
    }
}

} // namespace files
