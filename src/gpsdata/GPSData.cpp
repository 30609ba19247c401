#include "gpsdata/GPSData.h"

#include "geo/Coordinates.h"
#include "gpsdata/Prompt.h"
#include "gpsdata/SerialDate.h"
#include "gpsdata/TextRecord.h"

#include <QSet>

namespace gpsdata {

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

GPSData::GPSData(const QString& productTablePath, QObject* parent)
    : QObject(parent), m_delimiter(TextRecord::DefaultDelimiter()), m_validSymbols(m_maxIconSymbols, true) {
    m_products.Load(productTablePath);
}

QString GPSData::FileErrorText(int code) {
    static const QStringList texts = {QString(),
                                      QStringLiteral("Unexpected end of file encountered"),
                                      QStringLiteral("Error loading Waypoints"),
                                      QStringLiteral("Error loading Routes"),
                                      QStringLiteral("Error loading Icons"),
                                      QStringLiteral("Error loading Plot Trails"),
                                      QStringLiteral("Error loading Aviation Data"),
                                      QStringLiteral("Error loading Serial Number"),
                                      QString(),
                                      QStringLiteral("Error loading Product Information")};
    return texts.value(code);
}

// ---- symbols

bool GPSData::ValidSymbol(int index) const {
    return m_validSymbols.value(index, false);
}

void GPSData::SetValidSymbol(int index, bool Valid) {
    if (index < 0 || index >= m_validSymbols.size())
        return;
    m_validSymbols[index] = Valid;
    if (!Valid)
        ResetSymbols([this](qint32 symbol) { return ValidSymbol(symbol); });
}

template <typename Keep> void GPSData::ResetSymbols(Keep keep) {
    for (const qint16 key : m_waypoints.Keys())
        if (WaypointObject* w = Waypoint(key); w && w->WptSymbol() != 0 && !keep(w->WptSymbol()))
            w->SetWptSymbol(0);
    for (const qint16 key : m_icons.Keys())
        if (IconObject* i = Icon(key); i && i->IcnSymbol() != 0 && !keep(i->IcnSymbol()))
            i->SetIcnSymbol(0);
}

// ---- product and limits

bool GPSData::SetProductID(qint32 NewProductID, LimitChange change) {
    const GPSUnit* unit = m_products.Find(NewProductID);
    // The same product again changes nothing; an unknown one stays unknown
    // however often it is given, so a file refused for it is refused again.
    if (NewProductID == m_productId)
        return unit != nullptr;
    m_productId = NewProductID;
    if (!unit)
        return false;
    if (change == LimitChange::Store) {
        StoreLimit(Limit::RouteWaypoints, unit->RouteWaypoints);
        StoreLimit(Limit::TrailDeltas, unit->TrailDeltas);
        return true;
    }
    SetMaxNumGPSRouteWaypoints(unit->RouteWaypoints);
    SetMaxNumGPSTrailDeltas(unit->TrailDeltas);
    return true;
}

void GPSData::StoreLimit(Limit which, qint16 value) {
    // In the order of Limit.
    static constexpr qint16 GPSData::*limits[] = {
        &GPSData::m_maxWaypoints,   &GPSData::m_maxRoutes,       &GPSData::m_maxTrails,
        &GPSData::m_maxIcons,       &GPSData::m_maxWptsPerRoute, &GPSData::m_maxRouteWaypoints,
        &GPSData::m_maxTrailDeltas,
    };
    this->*limits[static_cast<int>(which)] = value;
}

QString GPSData::UpdatePostfix() const {
    const GPSUnit* unit = m_products.Find(m_productId);
    return unit ? unit->UpdatePostfix : QString();
}

float GPSData::CurrentSoftwareVersion() const {
    const GPSUnit* unit = m_products.Find(m_productId);
    return unit ? unit->CurrentSoftwareVersion : 0;
}

void GPSData::SetPositionFormat(int NewFormat) {
    m_positionFormat = NewFormat;
    emit PositionFormatChanged();
}

template <typename T>
void GPSData::DeleteAbove(const OrderedMap<T>& collection, qint16 limit, const QString& plural,
                          const QString& singular, void (GPSData::*remove)(qint16)) {
    const QList<qint16> keys = collection.Keys();
    for (auto key = keys.crbegin(); key != keys.crend(); ++key) {
        if (*key <= limit || !collection.Contains(*key))
            continue;
        (this->*remove)(*key);
        emit Warning(QStringLiteral("Maximum number of %1 decreased to %2.").arg(plural).arg(limit) + CrLf +
                     QStringLiteral("%1 number %2 has been deleted.").arg(singular).arg(*key + 1));
    }
}

void GPSData::SetMaxNumGPSWaypoints(qint16 NewNumGPSWaypoints) {
    m_maxWaypoints = NewNumGPSWaypoints;
    DeleteAbove(m_waypoints, m_maxWaypoints, QStringLiteral("waypoints"), QStringLiteral("Waypoint"),
                &GPSData::DeleteWaypoint);
}

void GPSData::SetMaxNumGPSRoutes(qint16 NewNumGPSRoutes) {
    m_maxRoutes = NewNumGPSRoutes;
    DeleteAbove(m_routes, m_maxRoutes, QStringLiteral("routes"), QStringLiteral("Route"),
                &GPSData::DeleteRoute);
}

void GPSData::SetMaxNumGPSTrails(qint16 NewNumGPSTrails) {
    m_maxTrails = NewNumGPSTrails;
    DeleteAbove(m_trails, m_maxTrails, QStringLiteral("trails"), QStringLiteral("Trail"),
                &GPSData::DeleteTrail);
}

void GPSData::SetMaxNumGPSIcons(qint16 NewNumGPSIcons) {
    m_maxIcons = NewNumGPSIcons;
    DeleteAbove(m_icons, m_maxIcons, QStringLiteral("icons"), QStringLiteral("Icon"), &GPSData::DeleteIcon);
}

void GPSData::SetMaxNumGPSIconSymbols(qint16 NewNumGPSIconSymbols) {
    m_maxIconSymbols = NewNumGPSIconSymbols;
    m_validSymbols = QList<bool>(qMax<qint16>(0, m_maxIconSymbols), true);
    ResetSymbols([this](qint32 symbol) { return symbol < m_maxIconSymbols; });
    emit NumIconSymbolsChanged();
}

void GPSData::SetMaxNumGPSWptsPerRoute(qint16 NewNumGPSWptsPerRoute) {
    m_maxWptsPerRoute = NewNumGPSWptsPerRoute;
    const int keep = qMax<int>(0, m_maxWptsPerRoute);
    for (const qint16 key : m_routes.Keys()) {
        RouteObject* route = Route(key);
        if (!route || route->NumWaypoints() <= keep)
            continue;
        while (route->NumWaypoints() > keep)
            route->RemoveLeg(route->NumWaypoints() - 1);
        emit Warning(QStringLiteral("Maximum number of route legs decreased to %1.").arg(m_maxWptsPerRoute) +
                     CrLf +
                     QStringLiteral("Trailing legs in route number %1 have been deleted.").arg(key + 1));
    }
}

void GPSData::SetMaxNumGPSRouteWaypoints(qint16 NewNumGPSRouteWaypoints) {
    m_maxRouteWaypoints = NewNumGPSRouteWaypoints;
    CutRouteWaypoints();
}

RouteObject* GPSData::LastRouteWithLegs() const {
    for (int i = m_routes.Count() - 1; i >= 0; --i)
        if (m_routes.At(i)->NumWaypoints() > 0)
            return m_routes.At(i);
    return nullptr;
}

void GPSData::CutRouteWaypoints() {
    // Routes that were empty before are not the cut's business: only the last
    // route that still has legs loses one, and is deleted once it has none.
    bool cut = false;
    while (CountRouteWpts() > m_maxRouteWaypoints) {
        RouteObject* route = LastRouteWithLegs();
        if (!route)
            break;
        if (!cut)
            emit Warning(QStringLiteral("Maximum number of route waypoints decreased to %1.")
                             .arg(m_maxRouteWaypoints) +
                         CrLf + QStringLiteral("Route waypoints after this have been deleted."));
        cut = true;
        route->RemoveLeg(route->NumWaypoints() - 1);
        if (route->NumWaypoints() == 0)
            DeleteRoute(route->RteIndex());
    }
    if (cut)
        emit RouteListModified();
}

void GPSData::SetMaxNumGPSTrailDeltas(qint16 NewNumGPSTrailDeltas) {
    m_maxTrailDeltas = NewNumGPSTrailDeltas;
    const int keep = qMax<int>(0, m_maxTrailDeltas);
    for (const qint16 key : m_trails.Keys()) {
        TrailObject* trail = Trail(key);
        if (!trail || trail->NumPoints() <= keep)
            continue;
        trail->TrimPoints(keep);
        emit Warning(QStringLiteral("Maximum number of trail points decreased to %1.").arg(m_maxTrailDeltas) +
                     CrLf + QStringLiteral("Trail number %1 has been truncated.").arg(key + 1));
    }
}

// ---- shared collection work

template <typename T> T* GPSData::Slot(OrderedMap<T>& collection, qint16 index) {
    if (T* existing = collection.Find(index))
        return existing;
    auto object = std::make_shared<T>(*this);
    object->InitializeIndex(index);
    collection.Insert(index, object);
    return object.get();
}

template <typename T>
T* GPSData::AddNew(OrderedMap<T>& collection, qint16 limit, const QString& refusal, bool showError) {
    for (int i = 0; i < limit; ++i)
        if (!collection.Contains(static_cast<qint16>(i)))
            return Slot(collection, static_cast<qint16>(i));
    if (showError && m_prompt)
        m_prompt->Message(QStringLiteral("Error"), refusal, ui::Icon::Information);
    return nullptr;
}

template <typename T> void GPSData::Remove(OrderedMap<T>& collection, qint16 index) {
    // Held here until its removal events have been delivered.
    const auto object = collection.Take(index);
    if (!object)
        return;
    m_dirty = true;
    object->Delete();
}

template <typename T>
void GPSData::Replace(OrderedMap<T>& collection, const OrderedMap<T>& replacement,
                      void (GPSData::*modified)()) {
    collection = replacement;
    m_dirty = true;
    emit(this->*modified)();
}

void GPSData::Announce(void (GPSData::*event)(int), qint16 index) {
    m_dirty = true;
    emit(this->*event)(index);
}

// ---- waypoints

void GPSData::DeleteWaypoint(qint16 index) {
    for (const qint16 key : m_routes.Keys()) {
        RouteObject* route = Route(key);
        for (qsizetype leg; route && (leg = route->Waypoints().indexOf(index)) >= 0;)
            route->RemoveLeg(static_cast<int>(leg));
    }
    Remove(m_waypoints, index);
}

void GPSData::DeleteWaypoints() {
    for (const qint16 key : m_waypoints.Keys())
        DeleteWaypoint(key);
}

void GPSData::SetWaypointFields(WaypointObject& waypoint, qint32 X, qint32 Y, const QString& Name,
                                qint32 Symbol, qint32 WaypointType) {
    waypoint.SetX(X);
    waypoint.SetY(Y);
    waypoint.SetWptName(Name);
    waypoint.SetWptSymbol(Symbol);
    waypoint.SetWaypointType(WaypointType);
}

WaypointObject* GPSData::AddWaypoint(qint16 index, qint32 X, qint32 Y, qint32 Altitude, const QString& Name,
                                     qint32 Symbol, double DateModified, qint32 WaypointType) {
    WaypointObject* waypoint = Slot(m_waypoints, index);
    waypoint->Altitude = Altitude;
    SetWaypointFields(*waypoint, X, Y, DisplayName(Name, NameRules::Alphabet::Any), Symbol, WaypointType);
    waypoint->SetDateModified(DateModified);
    Announce(&GPSData::WaypointAdded, index);
    return waypoint;
}

WaypointObject* GPSData::AddFileWaypoint(qint16 index, double Latitude, double Longitude, const QString& Name,
                                         qint32 Symbol, qint32 FileDate, const QString& Comment,
                                         qint32 WaypointType) {
    const qint32 x = geo::LongitudeToX(Longitude);
    const qint32 y = geo::LatitudeToY(Latitude);
    return AddNewFileWaypoint(index, x, y, Name, Symbol, FileDate, Comment, WaypointType);
}

WaypointObject* GPSData::AddNewFileWaypoint(qint16 index, qint32 X, qint32 Y, const QString& Name,
                                            qint32 Symbol, qint32 FileDate, const QString& Comment,
                                            qint32 WaypointType) {
    WaypointObject* waypoint = Slot(m_waypoints, index);
    waypoint->Comment = Comment;
    SetWaypointFields(*waypoint, X, Y, DisplayName(Name), Symbol, WaypointType);
    waypoint->SetFileDate(FileDate);
    return waypoint;
}

WaypointObject* GPSData::AddNewWaypoint(bool ShowError) {
    WaypointObject* waypoint = AddNew(m_waypoints, m_maxWaypoints,
                                      QStringLiteral("Unable to create a new waypoint.") + CrLf +
                                          QStringLiteral("Delete a waypoint and try again."),
                                      ShowError);
    if (!waypoint)
        return nullptr;
    const qint16 index = waypoint->WptIndex();
    waypoint->SetWptName(AutoName(QStringLiteral("Wpt"), index));
    waypoint->SetX(0);
    waypoint->SetY(0);
    waypoint->SetDateModified(SerialDate::Now());
    waypoint->SetWptSymbol(m_defaultSymbol);
    waypoint->SetWaypointType(0);
    Announce(&GPSData::WaypointAdded, index);
    return waypoint;
}

int GPSData::WaypointCollectionIndex(qint16 WptIndex) const {
    const int position = m_waypoints.PositionOf(WptIndex);
    return position < 0 ? m_waypoints.Count() + 1 : position + 1;
}

int GPSData::FindWaypoint(qint16 WaypointNumber) const {
    const int position = m_waypoints.PositionOf(WaypointNumber);
    return position < 0 ? -1 : position + 1;
}

void GPSData::DeleteUnusedTemporaryWaypoints() {
    QSet<qint16> used;
    for (const auto& entry : m_routes)
        for (const qint16 leg : entry.object->Waypoints())
            used.insert(leg);
    for (const qint16 key : m_waypoints.Keys())
        if (const WaypointObject* w = Waypoint(key); w && w->WaypointType() == 1 && !used.contains(key))
            DeleteWaypoint(key);
}

// ---- routes

void GPSData::DeleteRoute(qint16 index) {
    Remove(m_routes, index);
}

void GPSData::DeleteRoutes() {
    for (const qint16 key : m_routes.Keys())
        DeleteRoute(key);
}

RouteObject* GPSData::NamedRoute(qint16 index, const QString& Name) {
    RouteObject* route = Slot(m_routes, index);
    route->SetRteIndex(index);
    route->SetRteName(Name);
    return route;
}

RouteObject* GPSData::AddRoute(qint16 index, const QString& Name, const QList<qint16>& RouteWaypoints) {
    RouteObject* route = NamedRoute(index, DisplayName(Name));
    if (!RouteWaypoints.isEmpty())
        route->SetWaypoints(RouteWaypoints);
    Announce(&GPSData::RouteAdded, index);
    return route;
}

RouteObject* GPSData::AddRouteWithCollection(qint16 index, const QString& Name, const QList<qint16>& list) {
    RouteObject* route = NamedRoute(index, DisplayName(Name, NameRules::Alphabet::Any));
    route->SetWaypointsCollection(list);
    Announce(&GPSData::RouteAdded, index);
    return route;
}

RouteObject* GPSData::AddNewRoute(bool ShowError) {
    RouteObject* route = AddNew(m_routes, m_maxRoutes,
                                QStringLiteral("Unable to create a new route.") + CrLf +
                                    QStringLiteral("Delete a route and try again."),
                                ShowError);
    if (!route)
        return nullptr;
    const qint16 index = route->RteIndex();
    route->SetRteName(AutoName(QStringLiteral("Rte"), index));
    Announce(&GPSData::RouteAdded, index);
    return route;
}

int GPSData::CountRouteWpts() const {
    int count = 0;
    for (const auto& entry : m_routes)
        count += entry.object->NumWaypoints();
    return count;
}

// ---- icons

void GPSData::DeleteIcon(qint16 index) {
    Remove(m_icons, index);
}

void GPSData::DeleteIcons() {
    for (const qint16 key : m_icons.Keys())
        DeleteIcon(key);
}

IconObject* GPSData::PlaceIcon(qint16 index, qint32 X, qint32 Y, qint32 Symbol) {
    IconObject* icon = Slot(m_icons, index);
    icon->SetX(X);
    icon->SetY(Y);
    icon->SetIcnSymbol(Symbol);
    return icon;
}

IconObject* GPSData::AddLurchIcon(qint16 index, qint32 X, qint32 Y, qint32 Symbol) {
    IconObject* icon = PlaceIcon(index, X, Y, Symbol);
    Announce(&GPSData::IconAdded, index);
    return icon;
}

IconObject* GPSData::AddFileIcon(qint16 index, qint32 Symbol, double Latitude, double Longitude) {
    const qint32 x = geo::LongitudeToX(Longitude);
    const qint32 y = geo::LatitudeToY(Latitude);
    return PlaceIcon(index, x, y, Symbol);
}

IconObject* GPSData::AddNewIcon(bool ShowError) {
    IconObject* icon = AddNew(m_icons, m_maxIcons,
                              QStringLiteral("Unable to create a new icon.") + CrLf +
                                  QStringLiteral("Delete an icon and try again."),
                              ShowError);
    if (!icon)
        return nullptr;
    icon->SetX(0);
    icon->SetY(0);
    icon->SetIcnSymbol(m_defaultSymbol);
    Announce(&GPSData::IconAdded, icon->IcnIndex());
    return icon;
}

// ---- trails

void GPSData::DeleteTrail(qint16 index) {
    Remove(m_trails, index);
}

void GPSData::DeleteTrails() {
    for (const qint16 key : m_trails.Keys())
        DeleteTrail(key);
}

TrailObject* GPSData::AddTrail(qint16 index, const QString& Name, qint32 X, qint32 Y,
                               const QList<qint32>& XValues, const QList<qint32>& YValues,
                               const std::optional<QList<bool>>& colContinuous) {
    TrailObject* trail = Slot(m_trails, index);
    if (colContinuous)
        trail->SetPoints(XValues, YValues, *colContinuous);
    else
        trail->SetDeltas(X, Y, XValues, YValues);
    trail->SetTrlName(Name);
    Announce(&GPSData::TrailAdded, index);
    return trail;
}

TrailObject* GPSData::AddNewTrail(bool ShowError) {
    TrailObject* trail = AddNew(m_trails, m_maxTrails,
                                QStringLiteral("Unable to create a new trail.") + CrLf +
                                    QStringLiteral("Delete a trail and try again."),
                                ShowError);
    if (!trail)
        return nullptr;
    const qint16 index = trail->TrlIndex();
    trail->SetTrlName(AutoName(QStringLiteral("Trl"), index));
    Announce(&GPSData::TrailAdded, index);
    return trail;
}

// ---- whole sets

void GPSData::NewGPSDataFile() {
    DeleteWaypoints();
    DeleteRoutes();
    DeleteTrails();
    DeleteIcons();
    m_path.clear();
}

void GPSData::SetWaypoints(const WaypointCollection& NewWaypoints) {
    Replace(m_waypoints, NewWaypoints, &GPSData::WaypointListModified);
}

void GPSData::SetRoutes(const RouteCollection& NewRoutes) {
    Replace(m_routes, NewRoutes, &GPSData::RouteListModified);
}

void GPSData::SetTrails(const TrailCollection& NewTrails) {
    Replace(m_trails, NewTrails, &GPSData::TrailListModified);
}

void GPSData::SetIcons(const IconCollection& NewIcons) {
    Replace(m_icons, NewIcons, &GPSData::IconListModified);
}

// ---- events from the objects

void GPSData::FireWaypointChanged(qint16 index) {
    Announce(&GPSData::WaypointChanged, index);
}

void GPSData::FireRouteChanged(qint16 index) {
    Announce(&GPSData::RouteChanged, index);
}

void GPSData::FireTrailChanged(qint16 index) {
    Announce(&GPSData::TrailChanged, index);
}

void GPSData::FireIconChanged(qint16 index) {
    Announce(&GPSData::IconChanged, index);
}

void GPSData::FireWaypointRemoved(qint16 index) {
    Announce(&GPSData::WaypointRemoved, index);
}

void GPSData::FireRouteRemoved(qint16 index) {
    Announce(&GPSData::RouteRemoved, index);
}

void GPSData::FireTrailRemoved(qint16 index) {
    Announce(&GPSData::TrailRemoved, index);
}

void GPSData::FireIconRemoved(qint16 index) {
    Announce(&GPSData::IconRemoved, index);
}

} // namespace gpsdata
