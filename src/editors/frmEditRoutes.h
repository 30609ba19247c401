#pragma once

#include "editors/ListWindow.h"

namespace editors {

// The route list: each route's name, total distance, number of route
// waypoints and number. A route's distance follows its waypoints, so the rows
// of the routes through a waypoint are written again when it moves.
class frmEditRoutes : public ListWindow {
    Q_OBJECT
public:
    explicit frmEditRoutes(EditorContext& context, QWidget* parent = nullptr);

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

private:
    void WaypointMoved(qint16 waypoint);
};

} // namespace editors
