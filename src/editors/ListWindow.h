#pragma once

#include "editors/EditCommandTarget.h"
#include "editors/EditorContext.h"
#include "editors/SymbolIcons.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class QMenu;
class QTreeWidgetItem;

namespace gpsdata {
class GPSData;
}

namespace editors {

class ListRow;
class ListView;

// What sets the four list windows apart besides their rows.
struct ListWindowSpec {
    QString title;    // "Waypoint List"
    QString formName; // "frmEditWaypoints"
    QString listName; // "lvwWaypoints"
    QString prefix;   // row key prefix, "Wpt "
    QString kind;     // the object kind in captions and undo steps, "Waypoint"
    QString listKind; // how the window arrangement knows it, "waypoint"
    QStringList columns;
    bool renamable = true;   // rows can be renamed in place
    bool dragAndDrop = true; // drags out and takes drops in the private format
};

// The base of the list windows: one report-style list of one kind of object
// of the data set, each row keyed by the kind's prefix and the object's
// index. The window follows the data set's events row by row, and offers the
// Edit menu's commands, rename in place, a popup per row, double click to
// edit and drag and drop. A kind says which objects it lists and how a row
// reads; everything else is here.
class ListWindow : public QWidget, public EditCommandTarget {
    Q_OBJECT
public:
    ~ListWindow() override;

    const ListWindowSpec& Spec() const { return spec_; }
    ListView* List() const { return list_; }

    // Set while the window deletes or collects the selected rows; a rebuild
    // asked for meanwhile only sets the refill-pending flag.
    bool Busy() const { return busy_; }
    bool RefillPending() const { return refillPending_; }

    // Rebuilds every row from the data set, in the collection's order (or the
    // order the user sorted by).
    void Fill();

    // The row of an object, nullptr when it has none.
    ListRow* Row(qint16 index) const { return rows_.value(index); }
    // The indexes of the selected rows, top to bottom.
    QList<qint16> SelectedIndexes() const;
    // The text records of the selected objects joined by CR LF.
    QString SelectionText() const;

    bool CanEdit(EditCommand command) const override;
    void Edit(EditCommand command) override;

    void Copy();
    void Cut();
    void Paste();
    void Delete();
    void SelectAll();
    // Opens the item editor of the focused row's object.
    void EditSelected();
    // The popup of an object's row: "Edit Waypoint " and "Delete Waypoint "
    // followed by the name, and the like for the other kinds, then what the
    // map's popup offers for the kind; none for an object that is not listed.
    std::unique_ptr<QMenu> Popup(qint16 index);

    // Inserts the text's records of this kind as new objects, each at the
    // lowest free index; returns the new indexes.
    virtual QList<qint16> InsertRecords(const QString& text) = 0;

signals:
    // A rebuild of every row has completed.
    void Filled();

protected:
    ListWindow(EditorContext& context, ListWindowSpec spec, QWidget* parent);

    // ---- what a kind supplies
    // The objects listed, in the collection's order.
    virtual QList<qint16> ListedIndexes() const = 0;
    // Whether the object exists and belongs in this list.
    virtual bool Listed(qint16 index) const = 0;
    virtual void WriteRow(ListRow& row, qint16 index) = 0;
    virtual QString RecordText(qint16 index) const = 0;
    virtual void DeleteObject(qint16 index) = 0;
    // The object's name, "" for a kind without names.
    virtual QString ObjectName(qint16 index) const = 0;
    virtual void Rename(qint16 index, const QString& name) = 0;
    // Double click and the popup's edit entry; renames in place unless a kind
    // has an item editor.
    virtual void OpenEditor(qint16 index);
    // What a row's popup offers for this kind beyond editing and deleting,
    // as the map's popup of the object does.
    virtual void AddPopupEntries(QMenu& menu, qint16 index);

    // Keeps the rows in step with the data set's events for this kind.
    void Follow(void (gpsdata::GPSData::*added)(int), void (gpsdata::GPSData::*changed)(int),
                void (gpsdata::GPSData::*removed)(int), void (gpsdata::GPSData::*listModified)());
    // Writes the row of an object again (or adds or drops it when it came
    // into or went out of the list).
    void Refresh(qint16 index);

    EditorContext& context_;
    gpsdata::GPSData& data_;
    SymbolIcons icons_;

private:
    // The first three letters of the prefix begin each record of the kind.
    bool HoldsRecords(const QString& text) const;
    // A new row for the object, not yet in the list.
    ListRow* MakeRow(qint16 index);
    void RemoveRow(qint16 index);
    void DeleteIndexes(const QList<qint16>& indexes);
    void PasteText(const QString& text, const QString& step);
    void RenameRow(const QModelIndex& at, const QString& text);
    void ShowPopup(QTreeWidgetItem* row, const QPoint& globalPos);
    void StartDrag();
    qint16 IndexOf(const QTreeWidgetItem* row) const;
    // Events while busy only mark the rows for a rebuild.
    bool Deferred();

    ListWindowSpec spec_;
    ListView* list_;
    QHash<qint16, ListRow*> rows_;
    bool busy_ = false;
    bool refillPending_ = false;
};

} // namespace editors
