#include "app/EditingCommands.h"

#include "app/MainCommands.h"
#include "app/MapEditing.h"

#include <QAction>

namespace app {

EditingCommands::EditingCommands(MainCommands& commands, QMdiArea& area, editors::EditorContext context,
                                 QObject* parent)
    : QObject(parent), context_(std::move(context)), editors_(context_, &area), guard_(commands, area),
      lists_(area, context_), edit_(area, context_) {
    using editors::EditCommand;
    static const std::pair<const char*, EditCommand> edits[] = {
        {"mnuEditCut", EditCommand::Cut},
        {"mnuEditCopy", EditCommand::Copy},
        {"mnuEditPaste", EditCommand::Paste},
        {"mnuEditDelete", EditCommand::Delete},
        {"mnuEditSelectAll", EditCommand::SelectAll},
        {"mnuEditSelected", EditCommand::EditSelected}};
    for (const auto& [name, command] : edits)
        edit_.Bind(command, commands.Command(QLatin1String(name)));
    edit_.Watch(commands.EditMenu());
    auto on = [&commands, this](const char* name, auto slot) {
        connect(commands.Command(QLatin1String(name)), &QAction::triggered, this, slot);
    };
    on("mnuEditNewWaypoint", [this] { edit_.CreateWaypoint(); });
    on("mnuEditNewRoute", [this] { edit_.CreateRoute(); });
    on("mnuEditNewIcon", [this] { edit_.CreateIcon(); });
    using editors::ListKind;
    on("mnuEditWaypointList", [this] { lists_.Open(ListKind::Waypoints); });
    on("mnuEditRouteList", [this] { lists_.Open(ListKind::Routes); });
    on("mnuEditIconList", [this] { lists_.Open(ListKind::Icons); });
    on("mnuEditTrailList", [this] { lists_.Open(ListKind::Trails); });
}

void EditingCommands::FollowMap(MapEditing& editing) {
    connect(&editing, &MapEditing::EditRequested, this, [this](bool waypoint, qint16 index) {
        if (waypoint)
            editors_.EditWaypoint(index);
        else
            editors_.EditIcon(index);
    });
    connect(&editing, &MapEditing::RouteEditRequested, this,
            [this](qint16 route) { editors_.EditRoute(route); });
}

} // namespace app
