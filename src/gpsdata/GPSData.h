#pragma once

#include "gpsdata/IconObject.h"
#include "gpsdata/NameRules.h"
#include "gpsdata/OrderedMap.h"
#include "gpsdata/ProductTable.h"
#include "gpsdata/RouteObject.h"
#include "gpsdata/TrailObject.h"
#include "gpsdata/WaypointObject.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace ui {
class Prompt;
}

namespace gpsdata {

using WaypointCollection = OrderedMap<WaypointObject>;
using RouteCollection = OrderedMap<RouteObject>;
using IconCollection = OrderedMap<IconObject>;
using TrailCollection = OrderedMap<TrailObject>;

// The one GPS data set of the program: waypoints, routes, icons and plot
// trails, the limits of the connected unit, the product table that supplies
// some of them, and the naming rules. Every change is announced with a signal;
// the windows listen and refresh themselves. Limit decreases never fail: they
// cut the data and say what they cut with Warning.
class GPSData : public QObject {
    Q_OBJECT
public:
    // `productTablePath` is the installed data folder holding "GPS.INI", or
    // that file itself; empty reads no table.
    explicit GPSData(const QString& productTablePath = QString(), QObject* parent = nullptr);

    // Where message boxes go; none shows nothing.
    void SetPrompt(ui::Prompt* prompt) { m_prompt = prompt; }
    ui::Prompt* Prompt() const { return m_prompt; }

    // Settings the data set follows: the text between fields of text records
    // and the symbol of new waypoints and icons.
    QString ClipboardDelimiter() const { return m_delimiter; }
    void SetClipboardDelimiter(const QString& delimiter) { m_delimiter = delimiter; }
    qint16 DefaultSymbol() const { return m_defaultSymbol; }
    void SetDefaultSymbol(qint16 symbol) { m_defaultSymbol = symbol; }

    // The file header's description text.
    QString Description() const { return m_description; }
    void SetDescription(const QString& description) { m_description = description; }
    // The message for a section reader's result code, "" for unknown codes.
    static QString FileErrorText(int code);

    // The route under edit in the route editor (-1 when none) and its current leg.
    qint16 EditingRoute() const { return m_editingRoute; }
    void SetEditingRoute(qint16 routeIndex) { m_editingRoute = routeIndex; }
    int EditingRouteLeg() const { return m_editingRouteLeg; }
    void SetEditingRouteLeg(int leg) { m_editingRouteLeg = leg; }

    // ---- symbols
    const QList<bool>& ValidSymbols() const { return m_validSymbols; }
    void SetValidSymbols(const QList<bool>& NewValidSymbols) { m_validSymbols = NewValidSymbols; }
    bool ValidSymbol(int index) const;
    // Marking a symbol invalid gives every waypoint and icon that uses an
    // invalid symbol symbol 0. Indexes out of range are ignored.
    void SetValidSymbol(int index, bool Valid);

    QString Path() const { return m_path; }
    void SetPath(const QString& path) { m_path = path; }

    // ---- product and limits
    qint32 ProductID() const { return m_productId; }
    // Whether a new limit cuts the data above it (the user or the unit
    // changed it) or is only stored (a file gives its limits, possibly after
    // its data, and what the file holds is kept even above them).
    enum class LimitChange { Cut, Store };
    // Stores the number and takes the route waypoint and trail point limits
    // from the product table. Returns false when the table has no such
    // product: the number stays stored, the limits stay as they were.
    [[nodiscard]] bool SetProductID(qint32 NewProductID, LimitChange change = LimitChange::Cut);
    QString UpdatePostfix() const;
    float CurrentSoftwareVersion() const;
    const ProductTable& Products() const { return m_products; }

    bool Dirty() const { return m_dirty; }
    void SetDirty(bool blnDirty) { m_dirty = blnDirty; }
    int PositionFormat() const { return m_positionFormat; }
    void SetPositionFormat(int NewFormat);

    qint16 MaxNumGPSWaypoints() const { return m_maxWaypoints; }
    qint16 MaxNumGPSRoutes() const { return m_maxRoutes; }
    qint16 MaxNumGPSTrails() const { return m_maxTrails; }
    qint16 MaxNumGPSIcons() const { return m_maxIcons; }
    qint16 MaxNumGPSIconSymbols() const { return m_maxIconSymbols; }
    qint16 MaxNumGPSWptsPerRoute() const { return m_maxWptsPerRoute; }
    qint16 MaxNumGPSRouteWaypoints() const { return m_maxRouteWaypoints; }
    qint16 MaxNumGPSTrailDeltas() const { return m_maxTrailDeltas; }
    void SetMaxNumGPSWaypoints(qint16 NewNumGPSWaypoints);
    void SetMaxNumGPSRoutes(qint16 NewNumGPSRoutes);
    void SetMaxNumGPSTrails(qint16 NewNumGPSTrails);
    void SetMaxNumGPSIcons(qint16 NewNumGPSIcons);
    void SetMaxNumGPSIconSymbols(qint16 NewNumGPSIconSymbols);
    void SetMaxNumGPSWptsPerRoute(qint16 NewNumGPSWptsPerRoute);
    void SetMaxNumGPSRouteWaypoints(qint16 NewNumGPSRouteWaypoints);
    void SetMaxNumGPSTrailDeltas(qint16 NewNumGPSTrailDeltas);
    // The counted limits, for storing one without cutting anything.
    enum class Limit { Waypoints, Routes, Trails, Icons, WptsPerRoute, RouteWaypoints, TrailDeltas };
    void StoreLimit(Limit which, qint16 value);

    // ---- waypoints
    WaypointObject* Waypoint(qint16 index) const { return m_waypoints.Find(index); }
    const WaypointCollection& Waypoints() const { return m_waypoints; }
    int CountWaypoints() const { return m_waypoints.Count(); }
    // Removes every leg that uses the waypoint from every route, then the waypoint.
    void DeleteWaypoint(qint16 index);
    void DeleteWaypoints();
    // From the unit link and the communication control's store. The link
    // carries names in UTF-8, so the display form keeps every printable
    // character ("CAFÉ ZÜRICH" -> "Café Zürich"); the file forms below keep
    // printable ASCII, as their 8-bit texts do.
    WaypointObject* AddWaypoint(qint16 index, qint32 X, qint32 Y, qint32 Altitude, const QString& Name,
                                qint32 Symbol, double DateModified, qint32 WaypointType);
    // Older file records with positions in degrees. Throws geo::NumericError,
    // before anything changes, for degrees without an internal position.
    WaypointObject* AddFileWaypoint(qint16 index, double Latitude, double Longitude, const QString& Name,
                                    qint32 Symbol, qint32 FileDate, const QString& Comment,
                                    qint32 WaypointType);
    WaypointObject* AddNewFileWaypoint(qint16 index, qint32 X, qint32 Y, const QString& Name, qint32 Symbol,
                                       qint32 FileDate, const QString& Comment, qint32 WaypointType);
    // The lowest free slot with an automatic name; nullptr, and a message
    // unless ShowError is false, when every slot is taken.
    WaypointObject* AddNewWaypoint(bool ShowError = true);
    // 1-based position of the waypoint in the collection; one past the count,
    // or -1 for FindWaypoint, when there is none.
    int WaypointCollectionIndex(qint16 WptIndex) const;
    int FindWaypoint(qint16 WaypointNumber) const;
    // Deletes every temporary waypoint (type 1) that no route uses.
    void DeleteUnusedTemporaryWaypoints();

    // ---- routes
    RouteObject* Route(qint16 index) const { return m_routes.Find(index); }
    const RouteCollection& Routes() const { return m_routes; }
    int CountRoutes() const { return m_routes.Count(); }
    void DeleteRoute(qint16 index);
    void DeleteRoutes();
    // The waypoint list is set (with notification) when it is not empty.
    RouteObject* AddRoute(qint16 index, const QString& Name, const QList<qint16>& RouteWaypoints);
    // The list is taken as it is, without notification. From the unit link:
    // the name keeps every printable character, as AddWaypoint's does.
    RouteObject* AddRouteWithCollection(qint16 index, const QString& Name, const QList<qint16>& list);
    RouteObject* AddNewRoute(bool ShowError = true);
    // Route waypoints summed over all routes.
    int CountRouteWpts() const;

    // ---- icons
    IconObject* Icon(qint16 index) const { return m_icons.Find(index); }
    const IconCollection& Icons() const { return m_icons; }
    int CountIcons() const { return m_icons.Count(); }
    void DeleteIcon(qint16 index);
    void DeleteIcons();
    IconObject* AddLurchIcon(qint16 index, qint32 X, qint32 Y, qint32 Symbol);
    // Throws geo::NumericError, before anything changes, for degrees without
    // an internal position.
    IconObject* AddFileIcon(qint16 index, qint32 Symbol, double Latitude, double Longitude);
    IconObject* AddNewIcon(bool ShowError = true);

    // ---- trails
    TrailObject* Trail(qint16 index) const { return m_trails.Find(index); }
    const TrailCollection& Trails() const { return m_trails; }
    int CountTrails() const { return m_trails.Count(); }
    void DeleteTrail(qint16 index);
    void DeleteTrails();
    // Without `colContinuous` the lists are deltas from (X, Y); with it they are
    // the points themselves.
    TrailObject* AddTrail(qint16 index, const QString& Name, qint32 X, qint32 Y, const QList<qint32>& XValues,
                          const QList<qint32>& YValues,
                          const std::optional<QList<bool>>& colContinuous = std::nullopt);
    TrailObject* AddNewTrail(bool ShowError = true);

    // Deletes all waypoints, routes, trails and icons and forgets the file name.
    void NewGPSDataFile();

    // Replace a whole collection (undo); the objects must belong to this data set.
    void SetWaypoints(const WaypointCollection& NewWaypoints = {});
    void SetRoutes(const RouteCollection& NewRoutes = {});
    void SetTrails(const TrailCollection& NewTrails = {});
    void SetIcons(const IconCollection& NewIcons = {});

    // ---- names
    static QString AutoName(const QString& Name, int NewIndex) { return NameRules::AutoName(Name, NewIndex); }
    static QString TranslateName(const QString& Name, int NewIndex) {
        return NameRules::TranslateName(Name, NewIndex);
    }
    static QString FixName(const QString& Name, int maxlen) { return NameRules::FixName(Name, maxlen); }
    static QString DisplayName(const QString& Name,
                               NameRules::Alphabet alphabet = NameRules::Alphabet::Ascii) {
        return NameRules::DisplayName(Name, alphabet);
    }

    // ---- called by the objects: each marks the set dirty and raises the event.
    void FireWaypointChanged(qint16 index);
    void FireRouteChanged(qint16 index);
    void FireTrailChanged(qint16 index);
    void FireIconChanged(qint16 index);
    void FireWaypointRemoved(qint16 index);
    void FireRouteRemoved(qint16 index);
    void FireTrailRemoved(qint16 index);
    void FireIconRemoved(qint16 index);

signals:
    void PositionFormatChanged();
    void WaypointChanged(int index);
    void RouteChanged(int index);
    void TrailChanged(int index);
    void IconChanged(int index);
    void WaypointAdded(int index);
    void RouteAdded(int index);
    void TrailAdded(int index);
    void IconAdded(int index);
    void WaypointRemoved(int index);
    void RouteRemoved(int index);
    void TrailRemoved(int index);
    void IconRemoved(int index);
    void WaypointListModified();
    void RouteListModified();
    void TrailListModified();
    void IconListModified();
    void FileError(const QString& message);
    void Warning(const QString& message);
    void NumIconSymbolsChanged();

private:
    // The object under `index`, made and given the index when there is none.
    template <typename T> T* Slot(OrderedMap<T>& collection, qint16 index);
    // A new object in the lowest free slot below `limit`.
    template <typename T>
    T* AddNew(OrderedMap<T>& collection, qint16 limit, const QString& refusal, bool showError);
    template <typename T> void Remove(OrderedMap<T>& collection, qint16 index);
    template <typename T>
    void Replace(OrderedMap<T>& collection, const OrderedMap<T>& replacement, void (GPSData::*modified)());
    // Deletes, from the last entry to the first, every object whose index is
    // above `limit`, with one warning each.
    template <typename T>
    void DeleteAbove(const OrderedMap<T>& collection, qint16 limit, const QString& plural,
                     const QString& singular, void (GPSData::*remove)(qint16));
    // Gives symbol 0 to every waypoint and icon whose symbol `keep` rejects.
    template <typename Keep> void ResetSymbols(Keep keep);
    // Marks the set dirty and raises `event` with the index.
    void Announce(void (GPSData::*event)(int), qint16 index);
    // `Name` is taken as it is: the callers give it in display form.
    void SetWaypointFields(WaypointObject& waypoint, qint32 X, qint32 Y, const QString& Name, qint32 Symbol,
                           qint32 WaypointType);
    RouteObject* NamedRoute(qint16 index, const QString& Name);
    IconObject* PlaceIcon(qint16 index, qint32 X, qint32 Y, qint32 Symbol);
    void CutRouteWaypoints();
    RouteObject* LastRouteWithLegs() const;

    ui::Prompt* m_prompt = nullptr;
    QString m_delimiter;
    qint16 m_defaultSymbol = 0;
    QString m_description;
    qint16 m_editingRoute = -1;
    int m_editingRouteLeg = 0;

    WaypointCollection m_waypoints;
    RouteCollection m_routes;
    IconCollection m_icons;
    TrailCollection m_trails;

    qint16 m_maxWaypoints = 999;
    qint16 m_maxRoutes = 99;
    qint16 m_maxTrails = 2;
    qint16 m_maxIcons = 999;
    qint16 m_maxIconSymbols = 28;
    qint16 m_maxWptsPerRoute = 99;
    qint16 m_maxRouteWaypoints = 2000;
    qint16 m_maxTrailDeltas = 3000;

    QList<bool> m_validSymbols;
    qint32 m_productId = -1;
    ProductTable m_products;
    bool m_dirty = false;
    int m_positionFormat = 0;
    QString m_path;
};

} // namespace gpsdata
