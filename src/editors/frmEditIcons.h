#pragma once

#include "editors/ObjectListWindow.h"

namespace editors {

// The icon list: each icon's symbol and position. Icons have no names, so
// their rows cannot be renamed.
class frmEditIcons : public ObjectListWindow<gpsdata::IconObject> {
    Q_OBJECT
public:
    explicit frmEditIcons(EditorContext& context, QWidget* parent = nullptr);

protected:
    void WriteRow(ListRow& row, qint16 index) override;
};

} // namespace editors
