#include "app/MediumEject.h"

#include "app/StatusPanels.h"
#include "gpsdata/Prompt.h"

#include <QStorageInfo>

namespace app {

MediumEject::MediumEject(RemovableDrives& drives, ui::Prompt& prompt, ui::StatusSink& status)
    : drives_(drives), prompt_(prompt), status_(status) {}

void MediumEject::EjectMediumOf(const QString& path, const QString& saved) {
    if (!drives_.Available()) {
        // Nobody to ask whether the medium is removable, nor to unmount it.
        status_.SetStatusText(StatusPanels::Message,
                              saved + QStringLiteral(". The medium can be removed after unmounting it."));
        return;
    }
    const RemovableDrives::Medium medium = drives_.Find(QString::fromLocal8Bit(QStorageInfo(path).device()));
    // A fixed disk, or a filesystem the service does not manage, stays mounted.
    if (medium.filesystem.isEmpty() || !medium.removable)
        return;
    status_.SetStatusText(StatusPanels::Message, saved + QStringLiteral(". Ejecting the medium..."));
    drives_.Unmount(medium.filesystem, [this, medium, path, saved](const QString& error) {
        if (!error.isEmpty())
            return Failed(path, saved, error);
        Release(medium, path, saved);
    });
}

void MediumEject::Release(const RemovableDrives::Medium& medium, const QString& path, const QString& saved) {
    const auto done = [this, path, saved](const QString& error) {
        if (!error.isEmpty())
            return Failed(path, saved, error);
        status_.SetStatusText(StatusPanels::Message,
                              saved + QStringLiteral(". The medium has been ejected and can be removed."));
    };
    if (medium.ejectable)
        drives_.Eject(medium.drive, done);
    else if (medium.canPowerOff)
        drives_.PowerOff(medium.drive, done);
    else // unmounted is all this drive allows
        status_.SetStatusText(StatusPanels::Message, saved + QStringLiteral(". The medium can be removed."));
}

void MediumEject::Failed(const QString& path, const QString& saved, const QString& error) {
    status_.SetStatusText(StatusPanels::Message, saved + QStringLiteral(". The medium was not ejected."));
    prompt_.Message(QStringLiteral("Eject"),
                    path + QStringLiteral(" has been saved, but its medium could not be ejected:\n") + error +
                        QStringLiteral("\nUnmount it before removing it."),
                    ui::Icon::Exclamation);
}

} // namespace app
