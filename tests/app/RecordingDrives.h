#pragma once

#include "app/RemovableDrives.h"

#include <QMap>
#include <QStringList>

// The storage service: every device is `medium`; requests are recorded and answered at once.
class RecordingDrives : public app::RemovableDrives {
public:
    bool Available() override { return available; }
    Medium Find(const QString& device) override {
        calls << "Find " + device;
        return medium;
    }
    void Unmount(const QString& filesystem, Done done) override { Answer("Unmount " + filesystem, done); }
    void Eject(const QString& drive, Done done) override { Answer("Eject " + drive, done); }
    void PowerOff(const QString& drive, Done done) override { Answer("PowerOff " + drive, done); }

    bool available = true;
    Medium medium{"/block/sdc1", "/drives/Card_Reader", true, true, true};
    QStringList calls;
    QMap<QString, QString> errors; // by request, as recorded

private:
    void Answer(const QString& request, const Done& done) {
        calls << request;
        done(errors.value(request));
    }
};
