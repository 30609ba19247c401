#include "editors/frmEditRoute.h"

#include "editors/FrameClose.h"
#include "editors/ListRow.h"
#include "editors/ListView.h"
#include "editors/RecordDragData.h"
#include "editors/RenameDelegate.h"
#include "editors/RowKey.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionFormat.h"
#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDrag>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace editors {

namespace {
enum Column { NameColumn, LegColumn, PositionColumn };
} // namespace

frmEditRoute::frmEditRoute(EditorContext& context, qint16 routeIndex, QWidget* parent)
    : QWidget(parent), context_(context), index_(routeIndex), icons_(context.window),
      lvwWaypoints_(new ListView) {
    setObjectName(QStringLiteral("frmEditRoute"));
    setAttribute(Qt::WA_DeleteOnClose);
    lvwWaypoints_->setObjectName(QStringLiteral("lvwWaypoints"));
    lvwWaypoints_->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Leg Length"), QStringLiteral("Position")});
    lvwWaypoints_->setIconSize(SymbolIcons::Size());
    lvwWaypoints_->reordersRows = true;
    lvwWaypoints_->startRecordDrag = [this] { StartDrag(); };
    lvwWaypoints_->acceptsRecords = [this](const QString& records) {
        return !files::ClipboardRecords::Waypoints(context_.data, records).empty();
    };
    lvwWaypoints_->dropRecords = [this](const QString& records, QTreeWidgetItem* at) { Drop(records, at); };
    lvwWaypoints_->setItemDelegate(new RenameDelegate(
        [this](const QModelIndex& at, const QString& text) { RenameRow(at, text); }, this));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lvwWaypoints_);

    connect(lvwWaypoints_, &QTreeWidget::itemDoubleClicked, this, &frmEditRoute::OpenRow);
    connect(lvwWaypoints_, &ListView::PopupRequested, this, [this](QTreeWidgetItem* row, const QPoint& at) {
        if (auto menu = Popup(row))
            menu.release()->popup(at);
    });
    gpsdata::GPSData& data = context_.data;
    connect(&data, &gpsdata::GPSData::RouteChanged, this, [this](int index) {
        if (index == index_)
            Fill();
    });
    connect(&data, &gpsdata::GPSData::RouteRemoved, this, [this](int index) {
        if (index == index_)
            Unload();
    });
    connect(&data, &gpsdata::GPSData::WaypointChanged, this,
            [this](int index) { WaypointChanged(static_cast<qint16>(index)); });
    for (auto modified : {&gpsdata::GPSData::RouteListModified, &gpsdata::GPSData::WaypointListModified})
        connect(&data, modified, this, &frmEditRoute::Fill);
    connect(&data, &gpsdata::GPSData::PositionFormatChanged, this, &frmEditRoute::Fill);

    if (data.Route(index_)) {
        context_.window.OpenRouteEditors.append(EditorEntry(index_));
        attached_ = true;
        if (context_.viewChanged)
            context_.viewChanged();
    }
    Fill();
}

frmEditRoute::~frmEditRoute() {
    // The list and its open editor go after this window's own parts: a name
    // still being typed must not be committed into a half-destroyed window.
    lvwWaypoints_->itemDelegate()->blockSignals(true);
}

void frmEditRoute::Fill() {
    if (busy_) {
        refillPending_ = true;
        return;
    }
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    if (!route) {
        Unload();
        return;
    }
    setWindowTitle(QStringLiteral("Route: ") + route->RteName());
    const QTreeWidgetItem* focused = lvwWaypoints_->currentItem();
    const int focusedPosition = focused ? Position(focused) : 0;
    lvwWaypoints_->clear();
    QTreeWidgetItem* keep = nullptr;
    for (int position = 1; position <= route->NumWaypoints(); ++position) {
        ListRow* row = MakeRow(position);
        if (position == focusedPosition)
            keep = row;
    }
    ListRow* end = new ListRow;
    end->SetKey(RowKey::Make(KeyPrefix(), EndPosition));
    end->setText(NameColumn, QStringLiteral("(End of Route)"));
    lvwWaypoints_->Place(end);
    if (focusedPosition == EndPosition)
        keep = end;
    lvwWaypoints_->setCurrentItem(keep ? keep : lvwWaypoints_->topLevelItem(0));
    lvwWaypoints_->FitColumns();
    refillPending_ = false;
}

ListRow* frmEditRoute::MakeRow(int position) {
    auto* row = new ListRow;
    row->SetKey(RowKey::Make(KeyPrefix(), position));
    WriteRow(*row, position);
    lvwWaypoints_->Place(row);
    return row;
}

void frmEditRoute::WriteRow(ListRow& row, int position) {
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    const gpsdata::WaypointObject* w = route ? route->Waypoint(position - 1) : nullptr;
    if (!w)
        return;
    const int format = geo::TextPositionFormat(context_.data.PositionFormat());
    const double miles = route->LegDistance(position);
    row.setText(NameColumn, w->WptName());
    row.setText(LegColumn, context_.window.FormatDistance(miles));
    row.SetSortValue(LegColumn, miles);
    row.setText(PositionColumn,
                geo::FormatLatitude(w->Y(), format) + u' ' + geo::FormatLongitude(w->X(), format));
    row.setIcon(NameColumn, icons_.Icon(w->WptSymbol(), devicePixelRatioF()));
    // Route-only waypoints keep the names the route gave them.
    const Qt::ItemFlags flags = row.flags();
    row.setFlags(w->WaypointType() == 0 ? flags | Qt::ItemIsEditable : flags & ~Qt::ItemIsEditable);
}

void frmEditRoute::WaypointChanged(qint16 waypoint) {
    if (busy_) {
        refillPending_ = true;
        return;
    }
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    if (!route)
        return;
    for (int i = 0; i < lvwWaypoints_->topLevelItemCount(); ++i) {
        auto* row = static_cast<ListRow*>(lvwWaypoints_->topLevelItem(i));
        const int position = Position(row);
        if (position != EndPosition && route->Waypoints().value(position - 1, -1) == waypoint) {
            WriteRow(*row, position);
            lvwWaypoints_->FitRow(row);
        }
    }
}

int frmEditRoute::Position(const QTreeWidgetItem* row) {
    return RowKey::Index(row->data(0, ListRow::KeyRole).toString(), KeyPrefix());
}

QList<int> frmEditRoute::SelectedPositions() const {
    QList<int> positions;
    for (int i = 0; i < lvwWaypoints_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lvwWaypoints_->topLevelItem(i);
        if (row->isSelected() && Position(row) != EndPosition)
            positions << Position(row);
    }
    return positions;
}

QString frmEditRoute::SelectionText() const {
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    QStringList records;
    for (int position : SelectedPositions())
        if (const gpsdata::WaypointObject* w = route ? route->Waypoint(position - 1) : nullptr)
            records << w->MakeString();
    return files::ClipboardRecords::Join(records);
}

qint16 frmEditRoute::StoredOrAdded(const gpsdata::WaypointObject& pasted) {
    gpsdata::GPSData& data = context_.data;
    const qint16 index = pasted.WptIndex();
    if (data.Waypoint(index))
        return index;
    if (index >= 0 && index < data.MaxNumGPSWaypoints()) {
        data.AddWaypoint(index, pasted.X(), pasted.Y(), pasted.Altitude, pasted.WptName(), pasted.WptSymbol(),
                         pasted.DateModified(), pasted.WaypointType());
        return index;
    }
    // A record from a unit with more slots than this one: the waypoint comes
    // in the lowest free slot instead of one the unit does not have.
    gpsdata::WaypointObject* added = data.AddNewWaypoint();
    if (!added)
        return -1;
    added->SetX(pasted.X());
    added->SetY(pasted.Y());
    added->SetWptName(gpsdata::GPSData::TranslateName(pasted.WptName(), added->WptIndex()));
    added->SetWptSymbol(pasted.WptSymbol());
    added->SetDateModified(pasted.DateModified());
    added->SetWaypointType(pasted.WaypointType());
    return added->WptIndex();
}

void frmEditRoute::PasteText(const QString& text, int position) {
    busy_ = true;
    for (const auto& pasted : files::ClipboardRecords::Waypoints(context_.data, text)) {
        if (!context_.data.Route(index_))
            break;
        const qint16 waypoint = StoredOrAdded(*pasted);
        if (waypoint < 0)
            break;
        // The route may have gone with the waypoint's addition's events.
        gpsdata::RouteObject* route = context_.data.Route(index_);
        if (!route)
            break;
        const QString refusal = route->AddWaypoint(waypoint, position - 1);
        if (!refusal.isEmpty()) {
            context_.prompt.Message(QStringLiteral("Paste Error"), refusal, ui::Icon::Exclamation);
            break;
        }
        ++position;
    }
    busy_ = false;
    Fill();
}

void frmEditRoute::RemoveEntries(QList<int> positions) {
    // From the last to the first, so the positions still to come stay valid.
    std::sort(positions.begin(), positions.end(), std::greater<>());
    busy_ = true;
    for (int position : positions)
        if (gpsdata::RouteObject* route = context_.data.Route(index_))
            route->RemoveLeg(position - 1);
    busy_ = false;
    Fill();
}

void frmEditRoute::MoveEntries(const QList<int>& positions, int position) {
    gpsdata::RouteObject* route = context_.data.Route(index_);
    if (!route)
        return;
    QList<qint16> moving;
    for (const int at : positions)
        moving << route->Waypoints().value(at - 1, -1);
    // Where the entries go once they are out: the entries before the target
    // that move no longer count.
    int target = std::clamp(position, 1, route->NumWaypoints() + 1);
    target -= static_cast<int>(
        std::count_if(positions.begin(), positions.end(), [position](int at) { return at < position; }));
    busy_ = true;
    QList<int> fromLast = positions;
    std::sort(fromLast.begin(), fromLast.end(), std::greater<>());
    for (const int at : fromLast)
        route->RemoveLeg(at - 1);
    // Taken out and put back, the entries always fit again.
    for (const qint16 waypoint : moving)
        if (waypoint >= 0)
            route->AddWaypoint(waypoint, target++ - 1);
    busy_ = false;
    Fill();
}

void frmEditRoute::StartDrag() {
    const QList<int> positions = SelectedPositions();
    const QString records = SelectionText();
    if (records.isEmpty())
        return;
    dragged_ = positions;
    // Qt ends the drag object after a real drag; the parent covers the rest.
    auto* drag = new QDrag(lvwWaypoints_);
    drag->setMimeData(RecordDragData::Make(records));
    const Qt::DropAction action = lvwWaypoints_->runDrag(*drag);
    const bool movedHere = dragged_.isEmpty();
    dragged_.clear();
    if (action != Qt::MoveAction || movedHere)
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
    RemoveEntries(positions);
}

void frmEditRoute::Drop(const QString& records, const QTreeWidgetItem* at) {
    if (!context_.data.Route(index_))
        return;
    const int position = at ? Position(at) : EndPosition;
    context_.undo.PushUndoOperation(false, QStringLiteral("Drag Drop"));
    if (dragged_.isEmpty())
        PasteText(records, position);
    else
        MoveEntries(std::exchange(dragged_, {}), position);
}

int frmEditRoute::PastePosition() const {
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    const int end = route ? route->NumWaypoints() + 1 : 1;
    const QTreeWidgetItem* row = lvwWaypoints_->currentItem();
    const int position = row ? Position(row) : EndPosition;
    return std::clamp(position, 1, end);
}

void frmEditRoute::RenameRow(const QModelIndex& at, const QString& text) {
    const QTreeWidgetItem* row = lvwWaypoints_->topLevelItem(at.row());
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    if (!row || !route)
        return;
    gpsdata::WaypointObject* w = route->Waypoint(Position(row) - 1);
    // The waypoint may have gone, or turned route-only, while its name was typed.
    if (!w || w->WaypointType() != 0 || w->WptName() == text)
        return;
    context_.undo.PushUndoOperation(false, QStringLiteral("Edit Waypoint Name"));
    w->SetWptName(text);
}

void frmEditRoute::OpenRow(QTreeWidgetItem* row) {
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    const gpsdata::WaypointObject* w = route && row ? route->Waypoint(Position(row) - 1) : nullptr;
    if (!w)
        return;
    if (w->WaypointType() != 0)
        QApplication::beep();
    else if (context_.openWaypoint)
        context_.openWaypoint(w->WptIndex());
}

std::unique_ptr<QMenu> frmEditRoute::Popup(QTreeWidgetItem* row) {
    if (!row)
        return nullptr;
    const int position = Position(row);
    const gpsdata::RouteObject* route = context_.data.Route(index_);
    const gpsdata::WaypointObject* w = route ? route->Waypoint(position - 1) : nullptr;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("mnuPopupRouteWaypoint"));
    if (w) {
        const QString name = w->WptName();
        QAction* edit = menu->addAction(QStringLiteral("Edit Waypoint ") + name);
        edit->setEnabled(w->WaypointType() == 0);
        connect(edit, &QAction::triggered, this, [this, row] { OpenRow(row); });
        connect(menu->addAction(QStringLiteral("Remove Waypoint ") + name + QStringLiteral(" From Route")),
                &QAction::triggered, this, [this, position] {
                    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
                    RemoveEntries({position});
                });
    }
    QAction* paste = menu->addAction(QStringLiteral("Paste Here"));
    paste->setEnabled(CanEdit(EditCommand::Paste));
    connect(paste, &QAction::triggered, this, [this, position] {
        const QString text = QApplication::clipboard()->text();
        context_.undo.PushUndoOperation(false, QStringLiteral("Paste"));
        PasteText(text, position);
    });
    // The route's own commands; waypoints inserted from here go in before
    // the row, as pasted ones do.
    if (route)
        context_.popups.AddRouteEntries(*menu, *route, std::min(position - 1, route->NumWaypoints()));
    return menu;
}

bool frmEditRoute::CanEdit(EditCommand command) const {
    if (!context_.data.Route(index_))
        return false;
    switch (command) {
    case EditCommand::Copy:
    case EditCommand::Cut:
    case EditCommand::Delete:
        return !SelectedPositions().isEmpty();
    case EditCommand::Paste:
        return !files::ClipboardRecords::Waypoints(context_.data, QApplication::clipboard()->text()).empty();
    case EditCommand::SelectAll:
        return lvwWaypoints_->topLevelItemCount() > 0;
    case EditCommand::EditSelected:
        return lvwWaypoints_->currentItem() != nullptr;
    }
    return false;
}

void frmEditRoute::Edit(EditCommand command) {
    if (!CanEdit(command))
        return;
    switch (command) {
    case EditCommand::Copy:
        Copy();
        break;
    case EditCommand::Cut:
        context_.undo.PushUndoOperation(false, QStringLiteral("Cut"));
        Copy();
        RemoveEntries(SelectedPositions());
        break;
    case EditCommand::Delete:
        Delete();
        break;
    case EditCommand::Paste:
        context_.undo.PushUndoOperation(false, QStringLiteral("Paste"));
        PasteText(QApplication::clipboard()->text(), PastePosition());
        break;
    case EditCommand::SelectAll:
        lvwWaypoints_->selectAll();
        break;
    case EditCommand::EditSelected:
        OpenRow(lvwWaypoints_->currentItem());
        break;
    }
}

void frmEditRoute::Copy() {
    QApplication::clipboard()->setText(SelectionText());
}

void frmEditRoute::Delete() {
    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
    RemoveEntries(SelectedPositions());
}

void frmEditRoute::Unload() {
    CloseWithFrame(*this);
}

void frmEditRoute::Detach() {
    if (!attached_)
        return;
    attached_ = false;
    context_.window.OpenRouteEditors.removeOne(EditorEntry(index_));
    if (context_.viewChanged)
        context_.viewChanged();
}

void frmEditRoute::closeEvent(QCloseEvent* event) {
    Detach();
    QWidget::closeEvent(event);
}

} // namespace editors
