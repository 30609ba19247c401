#include "EditorFixture.h"

#include "editors/ListRow.h"
#include "editors/ListView.h"
#include "editors/frmEditIcons.h"
#include "editors/frmEditTrails.h"
#include "editors/frmEditWaypoints.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

using ListSort = EditorFixture;
using ListRename = EditorFixture;

TEST_F(ListSort, PositionsAndDatesSortByValueNotByText) {
    data.SetPositionFormat(3);
    Waypoint(0, "South", -40, 5);
    Waypoint(1, "Equator", 0.5, -100);
    Waypoint(2, "North", 5, 100);
    Waypoint(3, "Far North", 45, 0);
    data.Waypoint(0)->SetDateModified(46000); // 2025
    data.Waypoint(1)->SetDateModified(45000.25);
    data.Waypoint(2)->SetDateModified(36000); // 1998
    data.Waypoint(3)->SetDateModified(45000.75);
    editors::frmEditWaypoints list(context);
    list.List()->SortBy(1);
    EXPECT_EQ(Column(*list.List(), 0), QStringList({"South", "Equator", "North", "Far North"}));
    list.List()->SortBy(2);
    EXPECT_EQ(Column(*list.List(), 0), QStringList({"Equator", "Far North", "South", "North"}));
    list.List()->SortBy(3);
    EXPECT_EQ(Column(*list.List(), 0), QStringList({"North", "Equator", "Far North", "South"}));
}

// Opens the row's in-place editor, types the text and presses Enter.
void RenameInPlace(editors::ListWindow& list, int row, const QString& text) {
    list.show();
    list.List()->editItem(list.List()->topLevelItem(row), 0);
    auto* editor = list.List()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "no editor opened";
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on the next turn of the event loop.
    QCoreApplication::processEvents();
}

TEST_F(ListRename, RenamingARowRenamesTheObjectAsOneUndoStepAndAnUnchangedNameAsNone) {
    Waypoint(0, "Old", 1, 1);
    editors::frmEditWaypoints list(context);
    RenameInPlace(list, 0, "New");
    EXPECT_EQ(data.Waypoint(0)->WptName(), "New");
    EXPECT_EQ(list.List()->topLevelItem(0)->text(0), "New");
    EXPECT_EQ(undo.UndoCaption(), "&Undo Edit Waypoint Name");
    undo.PerformUndoOperation();
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Old");
    EXPECT_EQ(list.List()->topLevelItem(0)->text(0), "Old");
    const int steps = undo.Count();
    RenameInPlace(list, 0, "Old"); // unchanged: no step
    EXPECT_EQ(undo.Count(), steps);

    data.AddTrail(0, "Walk", 0, 0, {1}, {2}, QList<bool>{true});
    editors::frmEditTrails trails(context);
    RenameInPlace(trails, 0, "Run");
    EXPECT_EQ(data.Trail(0)->TrlName(), "Run");
    EXPECT_EQ(undo.UndoCaption(), "&Undo Edit Trail Name");
}

TEST_F(ListRename, RenamingARowWhoseObjectWasDeletedMeanwhileChangesNothing) {
    Waypoint(0, "Doomed", 1, 1);
    Waypoint(1, "Other", 1, 1);
    editors::frmEditWaypoints list(context);
    list.show();
    list.List()->editItem(list.List()->topLevelItem(0), 0);
    auto* editor = list.List()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("Ghost");
    // Deleting behind the open editor drops the row; busy holds the rebuild.
    data.DeleteWaypoint(0);
    if (list.List()->findChild<QLineEdit*>())
        QTest::keyClick(list.List()->findChild<QLineEdit*>(), Qt::Key_Return);
    EXPECT_EQ(data.Waypoint(1)->WptName(), "Other");
    EXPECT_EQ(data.Waypoint(0), nullptr);
    EXPECT_EQ(undo.Count(), 0);
}

TEST_F(ListRename, ClosingTheWindowWhileANameIsTypedKeepsTheName) {
    Waypoint(0, "Kept", 1, 1);
    auto list = std::make_unique<editors::frmEditWaypoints>(context);
    list->show();
    list->List()->editItem(list->List()->topLevelItem(0), 0);
    auto* editor = list->List()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("Half");
    // Focus leaving the editor as it goes is what commits the text.
    QApplication::setActiveWindow(list.get());
    editor->setFocus();
    ASSERT_TRUE(editor->hasFocus());
    list.reset();
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Kept");
    EXPECT_EQ(undo.Count(), 0);
}

TEST_F(ListRename, PopupsNameTheObjectAndActOnIt) {
    Waypoint(5, "Home", 1, 1);
    data.AddLurchIcon(2, 0, 0, 1);
    editors::frmEditWaypoints waypoints(context);
    const auto menu = waypoints.Popup(5);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(0)->text(), "Edit Waypoint Home");
    EXPECT_EQ(menu->actions().at(1)->text(), "Delete Waypoint Home");
    menu->actions().at(0)->trigger();
    EXPECT_EQ(opened, QStringList({"Wpt 5"}));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(data.Waypoint(5), nullptr);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");

    editors::frmEditIcons icons(context);
    const auto iconMenu = icons.Popup(2);
    ASSERT_NE(iconMenu, nullptr);
    EXPECT_EQ(iconMenu->actions().at(0)->text(), "Edit Icon");
    EXPECT_EQ(icons.Popup(9), nullptr);
}

} // namespace
