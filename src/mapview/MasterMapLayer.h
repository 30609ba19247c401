#pragma once

#include "mastermap/MasterMapControl.h"

#include <QString>

class QPainter;

namespace mapview {

class WindowObject;

// The master map under everything else on the map display: the definition
// library and the low-detail master map files of the "res" folder, drawn for
// the viewport's rectangle with its category colours.
class MasterMapLayer {
public:
    // False when the folder holds no definition library.
    bool Open(const QString& resFolder);
    void Draw(QPainter& painter, const WindowObject& view) const;

    mastermap::MasterMapControl& Control() { return control_; }

private:
    mastermap::MasterMapControl control_;
};

} // namespace mapview
