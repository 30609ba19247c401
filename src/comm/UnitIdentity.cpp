#include "comm/UnitIdentity.h"

#include "comm/Connection.h"
#include "comm/SessionTexts.h"

#include <algorithm>
#include <limits>

namespace comm {

namespace {

// The data set's limits are 16-bit; a unit reporting more is held at the top.
qint16 Limit(qint32 value) {
    return qint16(std::clamp<qint32>(value, 0, std::numeric_limits<qint16>::max()));
}

} // namespace

UnitIdentity::UnitIdentity(Connection& session, gpsdata::GPSData& data, QObject* parent)
    : QObject(parent), session_(session), data_(data) {
    connect(&session_, &Connection::ProductInformation, this, &UnitIdentity::OnProductInformation);
    connect(&session_, &Connection::ProductName, this, &UnitIdentity::OnProductName);
    connect(&session_, &Connection::ConnectedStatusChanged, this, &UnitIdentity::OnConnectedStatusChanged);
}

// A unit that left (disconnected, unplugged) takes its name off the status bar.
void UnitIdentity::OnConnectedStatusChanged() {
    if (session_.Connected() || name_.isEmpty())
        return;
    name_.clear();
    if (status_)
        status_->SetStatusText(Connection::StatusPanel, QString());
}

void UnitIdentity::Startup() {
    data_.SetMaxNumGPSIconSymbols(42);
}

void UnitIdentity::OnProductInformation(qint32 productId, qint32 maxWaypoints, qint32 maxRoutes,
                                        qint32 maxTrails, qint32 maxIcons, qint32 iconSymbols,
                                        qint32 maxWaypointsPerRoute, const QList<bool>& validSymbols) {
    // An unknown product keeps the table's limits as they are; the unit's own follow.
    static_cast<void>(data_.SetProductID(productId));
    data_.SetMaxNumGPSWaypoints(Limit(maxWaypoints));
    data_.SetMaxNumGPSRoutes(Limit(maxRoutes));
    data_.SetMaxNumGPSTrails(Limit(maxTrails));
    data_.SetMaxNumGPSIcons(Limit(maxIcons));
    data_.SetMaxNumGPSIconSymbols(iconSymbols == 35 ? 15 : Limit(iconSymbols));
    data_.SetMaxNumGPSWptsPerRoute(Limit(maxWaypointsPerRoute));
    for (int i = 0; i < validSymbols.size(); ++i)
        data_.SetValidSymbol(i, validSymbols[i]);
}

void UnitIdentity::OnProductName(const QString& name, float version) {
    name_ = name;
    if (!data_.UpdatePostfix().isEmpty() && data_.CurrentSoftwareVersion() > version && prompt_) {
        const ui::Answer answer =
            prompt_->Ask(QStringLiteral("Unit Version Check"),
                         SessionTexts::UnitVersionCheck(version, data_.CurrentSoftwareVersion()),
                         ui::Buttons::YesNo, ui::Icon::Critical);
        if (answer == ui::Answer::Yes && update_)
            update_();
    }
    if (session_.Connected() && status_)
        status_->SetStatusText(Connection::StatusPanel, name_);
}

} // namespace comm
