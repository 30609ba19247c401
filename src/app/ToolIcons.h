#pragma once

#include <QIcon>
#include <QString>

namespace app {

// Toolbar pictures by button key: the desktop theme's where one fits, our own
// vector drawings for the map modes, drawn at several sizes so that HiDPI
// screens get sharp pictures.
class ToolIcons {
public:
    static QIcon ForKey(const QString& key);
};

} // namespace app
