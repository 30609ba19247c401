#pragma once

#include "editors/EditCommandTarget.h"
#include "editors/EditorContext.h"
#include "editors/SymbolIcons.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QMenu;
class QTreeWidgetItem;

namespace gpsdata {
class WaypointObject;
}

namespace editors {

class ListRow;
class ListView;

// "Route: " and the route's name: the waypoints of one route in travel order,
// one row per entry with its leg length and position, and an "(End of Route)"
// row that stands for the place after the last entry. Rows are keyed
// "RteWpt " and the entry's position counted from 1 (999 for the end row).
// While the window is open the route is listed in the viewport as one being
// edited ("Rte:" and its index), so the map can draw only the open routes.
class frmEditRoute : public QWidget, public EditCommandTarget {
    Q_OBJECT
public:
    static constexpr int EndPosition = 999;
    static QString KeyPrefix() { return QStringLiteral("RteWpt "); }
    // The route's entry in the viewport's list of open route editors.
    static QString EditorEntry(qint16 routeIndex) { return QStringLiteral("Rte:%1").arg(routeIndex); }

    frmEditRoute(EditorContext& context, qint16 routeIndex, QWidget* parent = nullptr);
    ~frmEditRoute() override;

    qint16 Index() const { return index_; }
    ListView* List() const { return lvwWaypoints_; }
    // Set while rows are deleted or pasted; a rebuild asked for meanwhile
    // only sets the refill-pending flag.
    bool Busy() const { return busy_; }
    bool RefillPending() const { return refillPending_; }

    // Rebuilds every row from the route, or closes when the route is gone.
    void Fill();
    // The entry position of a row (999 for the end row).
    static int Position(const QTreeWidgetItem* row);
    // The selected entry positions, top to bottom, without the end row.
    QList<int> SelectedPositions() const;
    // The text records of the selected rows' waypoints joined by CR LF.
    QString SelectionText() const;
    // Inserts the text's waypoint records into the route from `position`
    // (counted from 1; beyond the route's end appends). A record whose index
    // holds a waypoint brings that stored waypoint, unchanged; any other is
    // added to the data set first. The first refusal of the route is shown
    // under "Paste Error" and drops the rest of the text.
    void PasteText(const QString& text, int position);
    // Removes the entries at the positions, from the last to the first.
    void RemoveEntries(QList<int> positions);
    // Moves the entries at the positions, in their order, to stand before
    // the entry at `position` (beyond the route's end: at the end).
    void MoveEntries(const QList<int>& positions, int position);
    // The popup of a row: edit the waypoint, remove it from the route, and
    // paste at the row.
    std::unique_ptr<QMenu> Popup(QTreeWidgetItem* row);

    bool CanEdit(EditCommand command) const override;
    void Edit(EditCommand command) override;

    // Closes the window (and the frame it sits in).
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ListRow* MakeRow(int position);
    void WriteRow(ListRow& row, int position);
    void WaypointChanged(qint16 waypoint);
    void RenameRow(const QModelIndex& at, const QString& text);
    void OpenRow(QTreeWidgetItem* row);
    // Where Paste inserts: the focused row's position, or after the end.
    int PastePosition() const;
    // The waypoint for a pasted record: the stored one, or the record added.
    qint16 StoredOrAdded(const gpsdata::WaypointObject& pasted);
    void Copy();
    void Delete();
    // Takes the route off the viewport's list of open route editors, once.
    void Detach();
    // Drags the selected entries' waypoint records out. A drop back into
    // this list moves the entries there; a move into another window takes
    // them off the route.
    void StartDrag();
    // Waypoint records dropped on a row go into the route before it (on the
    // end row or below the rows: at the end), as one "Drag Drop" step.
    void Drop(const QString& records, const QTreeWidgetItem* at);

    EditorContext& context_;
    qint16 index_;
    SymbolIcons icons_;
    ListView* lvwWaypoints_;
    bool busy_ = false;
    bool refillPending_ = false;
    bool attached_ = false;
    // The positions being dragged out of this list, until a drop here takes them.
    QList<int> dragged_;
};

} // namespace editors
