#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace app {

// The main window's command vocabulary: one action per command, shown in the
// menus and, for the commands with a toolbar key, as a toolbar button whose
// object name is the key.
class MainCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentFileCount = 4;

    explicit MainCommands(QMainWindow* window);

    // The command by its menu object name ("mnuFileOpenGPS") or toolbar key ("opengps").
    QAction* Command(const QString& name) const;
    QAction* Recent(int i) const { return recent_.at(i); }
    QAction* RecentSeparator() const { return recentSeparator_; }
    QAction* ModeButton(int mode) const;
    QToolBar* ToolBar() const { return toolbar_; }
    QMenu* WindowMenu() const { return windowMenu_; }
    QMenu* EditMenu() const { return editMenu_; }

    // The toolbar key of the button that shows a map mode ("center" for 0, 6, 7 ...).
    static QString ModeKey(int mode);

private:
    QAction* Add(QMenu* menu, const char* name, const QString& caption, const char* key = nullptr,
                 const QString& tip = {});
    void BuildFileMenu(QMenu* menu);
    void BuildEditMenu(QMenu* menu);
    void BuildViewMenu(QMenu* menu);
    void BuildMapMenu(QMenu* menu);
    void BuildUnitMenu(QMenu* menu);
    void BuildWindowMenu(QMenu* menu);
    void BuildHelpMenu(QMenu* menu);

    QMainWindow* window_;
    QToolBar* toolbar_;
    QMenu* windowMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QActionGroup* modes_;
    QHash<QString, QAction*> byName_;
    QList<QAction*> recent_;
    QAction* recentSeparator_ = nullptr;
};

} // namespace app
