#pragma once

#include "editors/EditCommandTarget.h"
#include "editors/EditorContext.h"

#include <QHash>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

namespace editors {

// The main window's Edit menu beyond undo and redo: Copy, Cut, Paste,
// Delete and Select All act on the active child window when it takes them
// (a list window or an item editor); the create commands make a new object as
// one undo step and open its editor.
class EditMenu : public QObject {
    Q_OBJECT
public:
    EditMenu(QMdiArea& area, EditorContext& context, QObject* parent = nullptr);

    // Binds a menu command to an Edit command.
    void Bind(EditCommand command, QAction* action);
    // While the menu is open its entries show what the active window can do
    // now; otherwise they stay enabled for any window that takes commands, so
    // that their shortcuts reach it.
    void Watch(QMenu* menu);

    // The window the commands go to, nullptr when the active one takes none.
    EditCommandTarget* ActiveTarget() const;

    void CreateWaypoint();
    void CreateRoute();
    void CreateIcon();

private:
    void Run(EditCommand command);
    // Exact states when `exact`, otherwise whether there is a target at all.
    void ShowStates(bool exact);

    QMdiArea& area_;
    EditorContext& context_;
    QHash<int, QAction*> actions_;
};

} // namespace editors
