#pragma once

#include "editors/ObjectListWindow.h"

namespace editors {

// The plot trail list: each trail's name, number of points, first point and
// number. Trails have no item editor; editing one renames it in place.
class frmEditTrails : public ObjectListWindow<gpsdata::TrailObject> {
    Q_OBJECT
public:
    explicit frmEditTrails(EditorContext& context, QWidget* parent = nullptr);

protected:
    void WriteRow(ListRow& row, qint16 index) override;
    void AddPopupEntries(QMenu& menu, qint16 index) override;
};

} // namespace editors
