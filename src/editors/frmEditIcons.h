#pragma once

#include "editors/ListWindow.h"

namespace editors {

// The icon list: each icon's symbol and position. Icons have no names, so
// their rows cannot be renamed.
class frmEditIcons : public ListWindow {
    Q_OBJECT
public:
    explicit frmEditIcons(EditorContext& context, QWidget* parent = nullptr);

    QList<qint16> InsertRecords(const QString& text) override;

protected:
    QList<qint16> ListedIndexes() const override;
    bool Listed(qint16 index) const override;
    void WriteRow(ListRow& row, qint16 index) override;
    QString RecordText(qint16 index) const override;
    void DeleteObject(qint16 index) override;
    QString ObjectName(qint16 index) const override;
    void OpenEditor(qint16 index) override;
};

} // namespace editors
