#pragma once

#include "app/RemovableDrives.h"

#include <QObject>

namespace app {

// The removable drives as the UDisks2 service on the system bus knows them.
class UDisksDrives : public QObject, public RemovableDrives {
    Q_OBJECT
public:
    explicit UDisksDrives(QObject* parent = nullptr) : QObject(parent) {}

    bool Available() override;
    Medium Find(const QString& device) override;
    void Unmount(const QString& filesystem, Done done) override;
    void Eject(const QString& drive, Done done) override;
    void PowerOff(const QString& drive, Done done) override;

private:
    // Calls a method that may take long and answers `done` when it returns.
    void Send(const QString& path, const QString& interface, const QString& method, Done done);
};

} // namespace app
