#pragma once

#include "mapview/MasterMapPicture.h"
#include "mastermap/MasterMapControl.h"
#include "mastermap/PlaceNameCache.h"

#include <QString>

class QPainter;

namespace mapview {

class WindowObject;

// The master map under everything else on the map display: the definition
// library and the low-detail master map files of the "res" folder (or the
// files the map definition uses), drawn for the viewport's rectangle with its
// category colours and its place names.
class MasterMapLayer {
public:
    // False when the folder holds no definition library.
    bool Open(const QString& resFolder);
    // On a window or an image it paints the kept picture (MasterMapPicture),
    // on a printer it draws.
    void Draw(QPainter& painter, const WindowObject& view) const;

    mastermap::MasterMapControl& Control() { return control_; }
    // The picture kept for the display.
    const QImage& Picture() const { return picture_.Picture(); }

private:
    mastermap::MasterMapControl control_;
    mutable MasterMapPicture picture_;
    mutable mastermap::PlaceNameCache placeNames_;
};

} // namespace mapview
