#include "app/EditorCommandGuard.h"

#include "app/MainCommands.h"
#include "editors/ItemEditor.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace app {

EditorCommandGuard::EditorCommandGuard(MainCommands& commands, QMdiArea& area, QObject* parent)
    : QObject(parent), commands_(commands) {
    connect(&area, &QMdiArea::subWindowActivated, this, &EditorCommandGuard::Activated);
}

QStringList EditorCommandGuard::HeldCommands() {
    return {QStringLiteral("mnuFileNewGPS"),      QStringLiteral("mnuFileOpenGPS"),
            QStringLiteral("mnuFileImportRoute"), QStringLiteral("mnuFileImportWaypoints"),
            QStringLiteral("mnuMapDropWpt"),      QStringLiteral("mnuMapDropRteWpt"),
            QStringLiteral("mnuMapDropIcn")};
}

void EditorCommandGuard::Activated(QMdiSubWindow* window) {
    const bool editor = window && qobject_cast<editors::ItemEditor*>(window->widget());
    if (editor && held_.isEmpty()) {
        for (const QString& name : HeldCommands()) {
            QAction* action = commands_.Command(name);
            if (action && action->isEnabled()) {
                action->setEnabled(false);
                held_ << action;
            }
        }
    } else if (!editor) {
        for (const QPointer<QAction>& action : std::as_const(held_))
            if (action)
                action->setEnabled(true);
        held_.clear();
    }
}

} // namespace app
