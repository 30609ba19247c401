#pragma once

#include "editors/ListWindow.h"

namespace editors {

// The plot trail list: each trail's name, number of points, first point and
// number. Trails have no item editor; editing one renames it in place.
class frmEditTrails : public ListWindow {
    Q_OBJECT
public:
    explicit frmEditTrails(EditorContext& context, QWidget* parent = nullptr);

    QList<qint16> InsertRecords(const QString& text) override;

protected:
    QList<qint16> ListedIndexes() const override;
    bool Listed(qint16 index) const override;
    void WriteRow(ListRow& row, qint16 index) override;
    QString RecordText(qint16 index) const override;
    void DeleteObject(qint16 index) override;
    QString ObjectName(qint16 index) const override;
    void Rename(qint16 index, const QString& name) override;
};

} // namespace editors
