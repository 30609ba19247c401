#include "editors/ListWindow.h"

#include "editors/ListRow.h"
#include "editors/ListView.h"
#include "editors/RecordDragData.h"
#include "editors/RenameDelegate.h"
#include "editors/RowKey.h"
#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"
#include "mapview/UndoStack.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

namespace editors {

ListWindow::ListWindow(EditorContext& context, ListWindowSpec spec, QWidget* parent)
    : QWidget(parent), context_(context), data_(context.data), icons_(context.window), spec_(std::move(spec)),
      list_(new ListView(this)) {
    setObjectName(spec_.formName);
    setWindowTitle(spec_.title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setObjectName(spec_.listName);
    list_->setHeaderLabels(spec_.columns);
    list_->setIconSize(SymbolIcons::Size());
    list_->header()->setStretchLastSection(true);
    list_->setItemDelegate(new RenameDelegate(
        [this](const QModelIndex& at, const QString& text) { RenameRow(at, text); }, this));
    if (spec_.dragAndDrop) {
        list_->startRecordDrag = [this] { StartDrag(); };
        list_->acceptsRecords = [this](const QString& records) { return HoldsRecords(records); };
        list_->dropRecords = [this](const QString& records, QTreeWidgetItem*) {
            PasteText(records, QStringLiteral("Drag Drop"));
        };
    } else {
        list_->setDragDropMode(QAbstractItemView::NoDragDrop);
    }
    // A double click or Enter on a row.
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* row) { OpenEditor(IndexOf(row)); });
    connect(list_, &ListView::PopupRequested, this, &ListWindow::ShowPopup);
    connect(&data_, &gpsdata::GPSData::PositionFormatChanged, this, &ListWindow::Fill);
}

ListWindow::~ListWindow() {
    // The list and its open editor go after this window's own parts: a name
    // still being typed must not be committed into a half-destroyed window.
    list_->itemDelegate()->blockSignals(true);
}

void ListWindow::Follow(void (gpsdata::GPSData::*added)(int), void (gpsdata::GPSData::*changed)(int),
                        void (gpsdata::GPSData::*removed)(int), void (gpsdata::GPSData::*listModified)()) {
    connect(&data_, added, this, [this](int index) { Refresh(static_cast<qint16>(index)); });
    connect(&data_, changed, this, [this](int index) { Refresh(static_cast<qint16>(index)); });
    connect(&data_, removed, this, [this](int index) {
        if (!Deferred())
            RemoveRow(static_cast<qint16>(index));
    });
    connect(&data_, listModified, this, &ListWindow::Fill);
}

bool ListWindow::Deferred() {
    if (busy_)
        refillPending_ = true;
    return busy_;
}

void ListWindow::Fill() {
    if (Deferred())
        return;
    const QTreeWidgetItem* focused = list_->currentItem();
    const qint16 focusedIndex = focused ? IndexOf(focused) : -1;
    const bool hadFocus = focused != nullptr;
    list_->clear();
    rows_.clear();
    QList<QTreeWidgetItem*> rows;
    for (const qint16 index : ListedIndexes())
        rows << MakeRow(index);
    list_->addTopLevelItems(rows);
    list_->Resort();
    list_->FitColumns();
    QTreeWidgetItem* current = hadFocus ? rows_.value(focusedIndex) : nullptr;
    if (!current)
        current = list_->topLevelItem(0);
    if (current) {
        list_->setCurrentItem(current);
        list_->scrollToItem(current);
    }
    refillPending_ = false;
    emit Filled();
}

ListRow* ListWindow::MakeRow(qint16 index) {
    auto* row = new ListRow;
    row->SetKey(RowKey::Make(spec_.prefix, index));
    if (spec_.renamable)
        row->setFlags(row->flags() | Qt::ItemIsEditable);
    WriteRow(*row, index);
    rows_.insert(index, row);
    return row;
}

void ListWindow::RemoveRow(qint16 index) {
    delete rows_.take(index);
}

void ListWindow::Refresh(qint16 index) {
    if (Deferred())
        return;
    ListRow* row = rows_.value(index);
    if (!Listed(index)) {
        if (row)
            RemoveRow(index);
        return;
    }
    if (!row) {
        row = MakeRow(index);
        list_->Place(row);
        list_->FitRow(row);
        return;
    }
    WriteRow(*row, index);
    list_->FitRow(row);
    if (list_->Sorted()) {
        const bool selected = row->isSelected();
        const bool current = list_->currentItem() == row;
        list_->Place(row);
        row->setSelected(selected);
        if (current)
            list_->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
}

qint16 ListWindow::IndexOf(const QTreeWidgetItem* row) const {
    return static_cast<qint16>(RowKey::Index(row->data(0, ListRow::KeyRole).toString(), spec_.prefix));
}

QList<qint16> ListWindow::SelectedIndexes() const {
    QList<qint16> indexes;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list_->topLevelItem(i);
        if (row->isSelected())
            indexes << IndexOf(row);
    }
    return indexes;
}

QString ListWindow::SelectionText() const {
    QStringList records;
    for (const qint16 index : SelectedIndexes())
        if (Listed(index))
            records << RecordText(index);
    return files::ClipboardRecords::Join(records);
}

bool ListWindow::HoldsRecords(const QString& text) const {
    return text.trimmed().startsWith(spec_.prefix.left(3));
}

bool ListWindow::CanEdit(EditCommand command) const {
    switch (command) {
    case EditCommand::Copy:
    case EditCommand::Cut:
    case EditCommand::Delete:
        return !list_->selectedItems().isEmpty();
    case EditCommand::Paste:
        return HoldsRecords(QApplication::clipboard()->text());
    case EditCommand::SelectAll:
        return list_->topLevelItemCount() > 0;
    case EditCommand::EditSelected:
        return list_->currentItem() != nullptr;
    }
    return false;
}

void ListWindow::Edit(EditCommand command) {
    switch (command) {
    case EditCommand::Copy:
        return Copy();
    case EditCommand::Cut:
        return Cut();
    case EditCommand::Paste:
        return Paste();
    case EditCommand::Delete:
        return Delete();
    case EditCommand::SelectAll:
        return SelectAll();
    case EditCommand::EditSelected:
        return EditSelected();
    }
}

void ListWindow::Copy() {
    QApplication::clipboard()->setText(SelectionText());
}

void ListWindow::Cut() {
    const QList<qint16> indexes = SelectedIndexes();
    if (indexes.isEmpty())
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Cut"));
    Copy();
    DeleteIndexes(indexes);
}

void ListWindow::Delete() {
    const QList<qint16> indexes = SelectedIndexes();
    if (indexes.isEmpty())
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
    DeleteIndexes(indexes);
}

void ListWindow::DeleteIndexes(const QList<qint16>& indexes) {
    busy_ = true;
    for (const qint16 index : indexes)
        if (Listed(index))
            DeleteObject(index);
    busy_ = false;
    Fill();
}

void ListWindow::Paste() {
    PasteText(QApplication::clipboard()->text(), QStringLiteral("Paste"));
}

void ListWindow::PasteText(const QString& text, const QString& step) {
    if (!HoldsRecords(text))
        return;
    context_.undo.PushUndoOperation(false, step);
    const QList<qint16> added = InsertRecords(text);
    list_->clearSelection();
    for (const qint16 index : added)
        if (ListRow* row = rows_.value(index))
            row->setSelected(true);
    if (!added.isEmpty())
        if (ListRow* row = rows_.value(added.last()))
            list_->scrollToItem(row);
}

void ListWindow::SelectAll() {
    list_->selectAll();
}

void ListWindow::EditSelected() {
    if (const QTreeWidgetItem* row = list_->currentItem())
        OpenEditor(IndexOf(row));
}

void ListWindow::OpenEditor(qint16 index) {
    if (ListRow* row = rows_.value(index); row && spec_.renamable)
        list_->editItem(row, 0);
}

void ListWindow::RenameRow(const QModelIndex& at, const QString& text) {
    const QTreeWidgetItem* row = list_->topLevelItem(at.row());
    if (!row)
        return;
    const qint16 index = IndexOf(row);
    // The object may have gone while its name was being typed.
    if (!Listed(index) || ObjectName(index) == text)
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Edit %1 Name").arg(spec_.kind));
    Rename(index, text);
}

std::unique_ptr<QMenu> ListWindow::Popup(qint16 index) {
    if (!Listed(index))
        return nullptr;
    const QString name = ObjectName(index);
    const QString object = name.isEmpty() ? spec_.kind : spec_.kind + u' ' + name;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("mnuPopup%1").arg(spec_.kind));
    connect(menu->addAction(QStringLiteral("Edit ") + object), &QAction::triggered, this,
            [this, index] { OpenEditor(index); });
    connect(menu->addAction(QStringLiteral("Delete ") + object), &QAction::triggered, this, [this, index] {
        if (!Listed(index))
            return;
        context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
        DeleteObject(index);
    });
    AddPopupEntries(*menu, index);
    return menu;
}

void ListWindow::AddPopupEntries(QMenu&, qint16) {}

void ListWindow::ShowPopup(QTreeWidgetItem* row, const QPoint& globalPos) {
    if (const auto menu = Popup(IndexOf(row)))
        menu->exec(globalPos);
}

void ListWindow::StartDrag() {
    const QList<qint16> indexes = SelectedIndexes();
    const QString records = SelectionText();
    if (records.isEmpty())
        return;
    // Qt ends the drag object after a real drag; the parent covers the rest.
    auto* drag = new QDrag(list_);
    drag->setMimeData(RecordDragData::Make(records));
    if (list_->runDrag(*drag) != Qt::MoveAction)
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
    DeleteIndexes(indexes);
}

} // namespace editors
