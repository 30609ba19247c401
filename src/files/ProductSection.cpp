#include "files/ProductSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "gpsdata/GPSData.h"

#include <QList>
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

SectionResult ProductSection::Read(ByteReader& in, gpsdata::GPSData& data) {
    const qint16 count = in.ReadInt16();
    for (int i = 0; i < count && !in.PastEnd(); ++i) {
        const qint32 key = in.ReadInt32();
        const qint32 value = in.ReadInt32();
        if (in.PastEnd())
            break;
        if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
            return ProductFailed;
        if (!Apply(data, key, static_cast<qint16>(value)))
            return ProductFailed;
    }
    return SectionRead;
}

bool ProductSection::Apply(gpsdata::GPSData& data, qint32 key, qint16 value) {
    if (key > SymbolKeyBase) {
        data.SetValidSymbol(key - SymbolKeyBase, value != 0);
        return true;
    }
    if (key == ProductKey)
        return data.SetProductID(value);
    if (key < ProductKey || key > TrailDeltasKey)
        return true;
    // A negative count of slots has no meaning and would break every
    // collection that is sized by it.
    if (value < 0)
        return false;
    switch (key) {
    case WaypointsKey:
        data.SetMaxNumGPSWaypoints(value);
        break;
    case IconsKey:
        data.SetMaxNumGPSIcons(value);
        break;
    case IconSymbolsKey:
        data.SetMaxNumGPSIconSymbols(value);
        break;
    case RoutesKey:
        data.SetMaxNumGPSRoutes(value);
        break;
    case RouteWaypointsKey:
        data.SetMaxNumGPSRouteWaypoints(value);
        break;
    case WptsPerRouteKey:
        data.SetMaxNumGPSWptsPerRoute(value);
        break;
    case TrailsKey:
        data.SetMaxNumGPSTrails(value);
        break;
    default:
        data.SetMaxNumGPSTrailDeltas(value);
        break;
    }
    return true;
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
