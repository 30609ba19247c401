#pragma once

#include <QString>

#include <functional>

namespace app {

// Starts the unit software updater from the installation CD's "Code" folder:
// "Update", the connected unit's postfix and ".exe".
class UnitUpdater {
public:
    // Starts `program` with `folder` as its working folder; false when it did not start.
    using Starter = std::function<bool(const QString& program, const QString& folder)>;

    static QString CodeFolder(const QString& cdDrive);
    static QString Program(const QString& cdDrive, const QString& postfix);

    // Empty on success, otherwise the message for the user.
    static QString Start(const QString& cdDrive, const QString& postfix, const Starter& start);
    static bool StartDetached(const QString& program, const QString& folder);
};

} // namespace app
