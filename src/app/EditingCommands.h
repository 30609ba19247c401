#pragma once

#include "app/EditorCommandGuard.h"
#include "editors/EditMenu.h"
#include "editors/EditorContext.h"
#include "editors/EditorWindows.h"
#include "editors/ListWindows.h"

#include <QObject>

class QMdiArea;

namespace app {

class MainCommands;
class MapEditing;

// The editing windows reached from the main window: the Edit menu's
// clipboard and create commands, its list windows, the item
// editors (also opened from the map's popups) and the commands held back
// while an editor is active. It keeps the one editing context they all share.
class EditingCommands : public QObject {
    Q_OBJECT
public:
    EditingCommands(MainCommands& commands, QMdiArea& area, editors::EditorContext context,
                    QObject* parent = nullptr);

    // The map's popups open the editors of their objects.
    void FollowMap(MapEditing& editing);

    editors::EditorContext& Context() { return context_; }
    editors::EditorWindows& Editors() { return editors_; }
    editors::ListWindows& Lists() { return lists_; }
    editors::EditMenu& Edit() { return edit_; }

private:
    editors::EditorContext context_;
    editors::EditorWindows editors_;
    EditorCommandGuard guard_;
    editors::ListWindows lists_;
    editors::EditMenu edit_;
};

} // namespace app
