#pragma once

#include <QString>

namespace mapbuild {

// The map window's layer pane as the map definition fills it. Major nodes are
// keyed by the major category's code, minor nodes by the major and minor
// codes joined by ":".
class LayerTree {
public:
    virtual ~LayerTree() = default;
    virtual void Clear() = 0;
    virtual void AddMajor(const QString& key, const QString& name, bool on) = 0;
    virtual void AddMinor(const QString& majorKey, const QString& key, const QString& name, bool on) = 0;
    virtual void Refresh() = 0;
};

} // namespace mapbuild
