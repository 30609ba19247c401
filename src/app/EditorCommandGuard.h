#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace app {

class MainCommands;

// While a waypoint or icon editor is the active child window, the main
// window's commands that would replace the data under it or start another
// edit of the map are disabled; they come back when another window becomes
// active. Only commands that were enabled are touched, so a command disabled
// for its own reasons stays so.
class EditorCommandGuard : public QObject {
    Q_OBJECT
public:
    EditorCommandGuard(MainCommands& commands, QMdiArea& area, QObject* parent = nullptr);

    // The commands held back, by menu name.
    static QStringList HeldCommands();

private:
    void Activated(QMdiSubWindow* window);

    MainCommands& commands_;
    QList<QPointer<QAction>> held_;
};

} // namespace app
