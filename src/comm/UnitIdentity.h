#pragma once

#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace comm {

class Connection;

// The main window's side of the unit's identification: the unit's limits and
// symbols go into the data set, its name to the status bar, and an outdated
// unit software is offered an update.
class UnitIdentity : public QObject {
    Q_OBJECT
public:
    UnitIdentity(Connection& session, gpsdata::GPSData& data, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }
    void SetStatus(ui::StatusSink* status) { status_ = status; }
    // Runs the unit software update when the user accepts it.
    void SetUpdater(std::function<void()> update) { update_ = std::move(update); }

    // Start-up: the unit's own symbol count replaces this one.
    void Startup();

    // The data set keeps no unit name, so it is kept here.
    QString UnitName() const { return name_; }

    void OnProductInformation(qint32 productId, qint32 maxWaypoints, qint32 maxRoutes, qint32 maxTrails,
                              qint32 maxIcons, qint32 iconSymbols, qint32 maxWaypointsPerRoute,
                              const QList<bool>& validSymbols);
    void OnProductName(const QString& name, float version);
    void OnConnectedStatusChanged();

private:
    Connection& session_;
    gpsdata::GPSData& data_;
    ui::Prompt* prompt_ = nullptr;
    ui::StatusSink* status_ = nullptr;
    std::function<void()> update_;
    QString name_;
};

} // namespace comm
