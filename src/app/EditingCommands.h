#pragma once

#include "editors/EditMenu.h"
#include "editors/EditorContext.h"
#include "editors/ListWindows.h"

#include <QObject>

class QMdiArea;

namespace app {

class MainCommands;

// The editing windows reached from the main window's menus: the Edit menu's
// clipboard and create commands and the Window menu's list windows.
class EditingCommands : public QObject {
    Q_OBJECT
public:
    EditingCommands(MainCommands& commands, QMdiArea& area, editors::EditorContext& context,
                    QObject* parent = nullptr);

    editors::ListWindows& Lists() { return lists_; }
    editors::EditMenu& Edit() { return edit_; }

private:
    editors::ListWindows lists_;
    editors::EditMenu edit_;
};

} // namespace app
