#pragma once

#include "editors/ListWindow.h"

namespace editors {

// The waypoint list: the waypoints the user keeps (type 0), each with its
// symbol, position, date and number. Route-only waypoints are not listed.
class frmEditWaypoints : public ListWindow {
    Q_OBJECT
public:
    explicit frmEditWaypoints(EditorContext& context, QWidget* parent = nullptr);

    QList<qint16> InsertRecords(const QString& text) override;

protected:
    QList<qint16> ListedIndexes() const override;
    bool Listed(qint16 index) const override;
    void WriteRow(ListRow& row, qint16 index) override;
    QString RecordText(qint16 index) const override;
    void DeleteObject(qint16 index) override;
    QString ObjectName(qint16 index) const override;
    void Rename(qint16 index, const QString& name) override;
    void OpenEditor(qint16 index) override;
};

} // namespace editors
