#pragma once

#include "editors/ItemEditor.h"

namespace gpsdata {
class IconObject;
}

namespace editors {

// "Insert/Edit Icon": the symbol and position of one icon.
class frmEditIcon : public ItemEditor {
    Q_OBJECT
public:
    frmEditIcon(EditorContext& context, qint16 index, QWidget* parent = nullptr);

    QString KindPrefix() const override { return QStringLiteral("Icn "); }
    bool Exists() const override { return Object() != nullptr; }

private:
    gpsdata::IconObject* Object() const;
    qint32 X() const override;
    qint32 Y() const override;
    int Symbol() const override;
    void SetSymbol(int symbol) override;
    void SetPosition(std::optional<double> latitude, std::optional<double> longitude) override;
    QString MakeString() const override;
    bool HoldsRecord(const QString& text) const override;
    void PasteRecord(const QString& text) override;
    void DeleteObject() override;
    QString EditStepName() const override { return QStringLiteral("Edit Icon"); }
    QString SymbolStepName() const override { return QStringLiteral("Change Icon Symbol"); }
};

} // namespace editors
