#pragma once

#include "app/RemovableDrives.h"

#include <QString>

namespace ui {
class Prompt;
class StatusSink;
} // namespace ui

namespace app {

// Takes the medium a file was just saved to out of its drive, so that a
// memory card can go straight into the unit: only a removable drive, its
// filesystem unmounted first, then the medium ejected (or the drive powered
// off when it has no medium of its own to eject). A medium that cannot be
// ejected is told in a message; the file is saved all the same.
class MediumEject {
public:
    MediumEject(RemovableDrives& drives, ui::Prompt& prompt, ui::StatusSink& status);

    // `saved` is the status text that tells the file was saved; what became
    // of the medium is added to it.
    void EjectMediumOf(const QString& path, const QString& saved);

private:
    void Release(const RemovableDrives::Medium& medium, const QString& path, const QString& saved);
    void Failed(const QString& path, const QString& saved, const QString& error);

    RemovableDrives& drives_;
    ui::Prompt& prompt_;
    ui::StatusSink& status_;
};

} // namespace app
