#pragma once

#include "editors/ItemEditor.h"

class QLineEdit;

namespace gpsdata {
class WaypointObject;
}

namespace editors {

// "Edit Waypoint": the symbol, name, date and position of one waypoint.
class frmEditWaypoint : public ItemEditor {
    Q_OBJECT
public:
    frmEditWaypoint(EditorContext& context, qint16 index, QWidget* parent = nullptr);

    QString KindPrefix() const override { return QStringLiteral("Wpt "); }
    bool Exists() const override { return Object() != nullptr; }

private:
    gpsdata::WaypointObject* Object() const;
    qint32 X() const override;
    qint32 Y() const override;
    int Symbol() const override;
    void SetSymbol(int symbol) override;
    void SetPosition(std::optional<double> latitude, std::optional<double> longitude) override;
    void FillFields() override;
    void StoreFields() override;
    QString MakeString() const override;
    bool HoldsRecord(const QString& text) const override;
    void PasteRecord(const QString& text) override;
    void DeleteObject() override;
    QString EditStepName() const override { return QStringLiteral("Edit Waypoint"); }
    QString SymbolStepName() const override { return QStringLiteral("Change Waypoint Symbol"); }

    QLineEdit* txtName_;
    QLabel* lblDate_;
};

} // namespace editors
