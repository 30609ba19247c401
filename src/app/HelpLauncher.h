#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace app {

// Opens the help pages in the desktop's web browser.
class HelpLauncher {
public:
    using Opener = std::function<bool(const QUrl&)>;

    static QString HelpFile(const QString& installFolder);

    // Empty on success, otherwise the message for the user: the help file is
    // missing, or no browser took it.
    static QString Open(const QString& file, const Opener& open);
};

} // namespace app
