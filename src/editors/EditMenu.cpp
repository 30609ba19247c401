#include "editors/EditMenu.h"

#include "gpsdata/GPSData.h"
#include "mapview/UndoStack.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace editors {

EditMenu::EditMenu(QMdiArea& area, EditorContext& context, QObject* parent)
    : QObject(parent), area_(area), context_(context) {
    connect(&area_, &QMdiArea::subWindowActivated, this, [this] { ShowStates(false); });
}

void EditMenu::Bind(EditCommand command, QAction* action) {
    actions_.insert(static_cast<int>(command), action);
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    ShowStates(false);
}

void EditMenu::Watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] { ShowStates(true); });
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowStates(false); });
}

EditCommandTarget* EditMenu::ActiveTarget() const {
    const QMdiSubWindow* child = area_.activeSubWindow();
    return child ? dynamic_cast<EditCommandTarget*>(child->widget()) : nullptr;
}

void EditMenu::ShowStates(bool exact) {
    const EditCommandTarget* target = ActiveTarget();
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        it.value()->setEnabled(target && (!exact || target->CanEdit(static_cast<EditCommand>(it.key()))));
}

void EditMenu::Run(EditCommand command) {
    if (EditCommandTarget* target = ActiveTarget(); target && target->CanEdit(command))
        target->Edit(command);
}

namespace {
// A new object as one undo step, then its editor. A full data set only says
// so: there is nothing to undo.
template <typename T>
void Create(EditorContext& context, const QString& step, int count, int limit,
            T* (gpsdata::GPSData::*add)(bool), qint16 (T::*index)() const,
            const std::function<void(qint16)>& open) {
    if (count >= limit) {
        (context.data.*add)(true);
        return;
    }
    context.undo.PushUndoOperation(false, step);
    if (const T* object = (context.data.*add)(true); object && open)
        open((object->*index)());
}
} // namespace

void EditMenu::CreateWaypoint() {
    const gpsdata::GPSData& data = context_.data;
    Create(context_, QStringLiteral("Create New Waypoint"), data.CountWaypoints(), data.MaxNumGPSWaypoints(),
           &gpsdata::GPSData::AddNewWaypoint, &gpsdata::WaypointObject::WptIndex, context_.openWaypoint);
}

void EditMenu::CreateRoute() {
    const gpsdata::GPSData& data = context_.data;
    Create(context_, QStringLiteral("Create New Route"), data.CountRoutes(), data.MaxNumGPSRoutes(),
           &gpsdata::GPSData::AddNewRoute, &gpsdata::RouteObject::RteIndex, context_.openRoute);
}

void EditMenu::CreateIcon() {
    const gpsdata::GPSData& data = context_.data;
    Create(context_, QStringLiteral("Create New Icon"), data.CountIcons(), data.MaxNumGPSIcons(),
           &gpsdata::GPSData::AddNewIcon, &gpsdata::IconObject::IcnIndex, context_.openIcon);
}

} // namespace editors
