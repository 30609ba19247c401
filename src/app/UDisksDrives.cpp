#include "app/UDisksDrives.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>

namespace app {

namespace {

const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString Prefix = QStringLiteral("org.freedesktop.UDisks2.");
// Unmounting flushes what is still to be written to a slow card.
constexpr int LongCallMs = 10 * 60 * 1000;

QDBusMessage Call(const QString& path, const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(Service, path, Prefix + interface, method);
}

QVariant Property(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        Service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << Prefix + interface << name;
    const QDBusReply<QDBusVariant> reply = QDBusConnection::systemBus().call(get);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

} // namespace

bool UDisksDrives::Available() {
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    // The service starts on its first call when it is installed but idle.
    return bus.interface()->isServiceRegistered(Service) ||
           bus.interface()->activatableServiceNames().value().contains(Service);
}

RemovableDrives::Medium UDisksDrives::Find(const QString& device) {
    QDBusMessage resolve = Call(QStringLiteral("/org/freedesktop/UDisks2/Manager"), QStringLiteral("Manager"),
                                QStringLiteral("ResolveDevice"));
    resolve << QVariantMap{{QStringLiteral("path"), device}} << QVariantMap();
    const QDBusReply<QList<QDBusObjectPath>> blocks = QDBusConnection::systemBus().call(resolve);
    Medium medium;
    if (!blocks.isValid() || blocks.value().isEmpty())
        return medium;
    const QString block = blocks.value().first().path();
    medium.drive =
        Property(block, QStringLiteral("Block"), QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    // "/" stands for no drive (a loop device, a network or memory filesystem).
    if (medium.drive.isEmpty() || medium.drive == QLatin1String("/"))
        return medium;
    medium.filesystem = block;
    medium.removable = Property(medium.drive, QStringLiteral("Drive"), QStringLiteral("Removable")).toBool();
    medium.ejectable = Property(medium.drive, QStringLiteral("Drive"), QStringLiteral("Ejectable")).toBool();
    medium.canPowerOff =
        Property(medium.drive, QStringLiteral("Drive"), QStringLiteral("CanPowerOff")).toBool();
    return medium;
}

void UDisksDrives::Unmount(const QString& filesystem, Done done) {
    Send(filesystem, QStringLiteral("Filesystem"), QStringLiteral("Unmount"), std::move(done));
}

void UDisksDrives::Eject(const QString& drive, Done done) {
    Send(drive, QStringLiteral("Drive"), QStringLiteral("Eject"), std::move(done));
}

void UDisksDrives::PowerOff(const QString& drive, Done done) {
    Send(drive, QStringLiteral("Drive"), QStringLiteral("PowerOff"), std::move(done));
}

void UDisksDrives::Send(const QString& path, const QString& interface, const QString& method, Done done) {
    QDBusMessage call = Call(path, interface, method);
    call << QVariantMap(); // no options
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call, LongCallMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->isError() ? watcher->error().message() : QString());
    });
}

} // namespace app
