#include "EditorFixture.h"

#include "editors/EditorWindows.h"
#include "editors/PositionMaskEdit.h"
#include "editors/frmEditIcon.h"
#include "editors/frmEditWaypoint.h"
#include "editors/frmSymbolSelection.h"
#include "geo/PositionText.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using editors::EditCommand;
using namespace Qt::StringLiterals;

namespace {

class ItemEditor : public EditorFixture {
protected:
    ItemEditor() {
        data.SetPositionFormat(3);
        home = Waypoint(3, "Home", 5.05, -93.265);
        context.chooseSymbol = [this](int current, QWidget*) {
            offered << current;
            return pick;
        };
    }
    // Opens the editor of waypoint 3 through the editor windows.
    editors::frmEditWaypoint* Open(qint16 index = 3) {
        editor = windows.EditWaypoint(index);
        return static_cast<editors::frmEditWaypoint*>(editor.data());
    }
    template <class W> W* Find(const char* name) {
        W* widget = editor ? editor->findChild<W*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    editors::PositionMaskEdit* Latitude() { return Find<editors::PositionMaskEdit>("mskLatitude"); }
    editors::PositionMaskEdit* Longitude() { return Find<editors::PositionMaskEdit>("mskLongitude"); }
    void Type(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->home(false);
        QTest::keyClicks(box, keys);
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    // Lets the closed windows go.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    editors::EditorWindows windows{context, nullptr};
    gpsdata::WaypointObject* home = nullptr;
    QPointer<QWidget> editor;
    QList<int> offered;
    std::optional<int> pick;
};

} // namespace

// An unknown format shows degrees, minutes and seconds; a wide internal value shows whole.
TEST_F(ItemEditor, FlippingNorthToSouthMovesTheWaypointAcrossTheEquatorInEveryFormat) {
    const std::tuple<int, double, QString> cases[] = {
        {3, 5.05, u"05\u00B003.000'"_s}, {0, 5.05, u"05\u00B003'00.0\""_s}, {5, 89.5, QString()}};
    for (const auto& [format, latitude, shown] : cases) {
        SCOPED_TRACE(format);
        data.SetPositionFormat(format);
        home->SetLatitude(latitude);
        const double before = home->Latitude(); // to the internal units
        Open();
        EXPECT_EQ(Latitude()->Text(), shown.isEmpty() ? QString::number(home->Y()) : shown);
        Click("btnNorthSouth");
        Click("btnOK");
        EXPECT_NEAR(home->Latitude(), -before, 1e-5);
        EXPECT_EQ(undo.UndoCaption(), "&Undo Edit Waypoint");
        Settle();
        EXPECT_FALSE(editor);
        undo.PerformUndoOperation();
        home = data.Waypoint(3);
        EXPECT_NEAR(home->Latitude(), before, 1e-9);
    }
}

TEST_F(ItemEditor, AnUntypedPositionIsKeptExactlyOneTypedIsStoredAndOneBeyondThePoleRefused) {
    data.SetPositionFormat(4);
    Open();
    const qint32 x = home->X(), y = home->Y();
    Find<QLineEdit>("txtName")->setText("Renamed");
    Click("btnOK");
    EXPECT_EQ(home->WptName(), "Renamed");
    EXPECT_EQ(home->X(), x);
    EXPECT_EQ(home->Y(), y);

    Settle();
    Open();
    Type(Latitude(), "4530150");
    Type(Longitude(), "1221507");
    Click("btnEastWest");
    Find<QLineEdit>("txtName")->setText("Camp");
    Click("btnOK");
    EXPECT_TRUE(prompt.shown.isEmpty()) << prompt.Texts().join("|").toStdString();
    // To the metre of the internal units.
    EXPECT_NEAR(home->Latitude(), 45 + 30 / 60.0 + 15 / 3600.0, 1e-5);
    EXPECT_NEAR(home->Longitude(), 122 + 15 / 60.0 + 7 / 3600.0, 1e-5);
    EXPECT_EQ(home->WptName(), "Camp");

    // OK with a latitude beyond the pole says so; Cancel then changes nothing.
    data.SetPositionFormat(2);
    Settle();
    Open();
    const int steps = undo.Count();
    const qint32 kept = home->Y();
    Type(Latitude(), "9500000000");
    EXPECT_EQ(Latitude()->Text(), u"95.00000000\u00B0");
    Click("btnOK");
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text, "Latitude value must be < 90 degrees.");
    EXPECT_EQ(prompt.shown[0].title, ui::ProgramTitle());
    EXPECT_EQ(prompt.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(home->Y(), kept);
    EXPECT_EQ(undo.Count(), steps);
    Settle();
    ASSERT_TRUE(editor);
    EXPECT_EQ(Latitude()->Text(), u"95.00000000\u00B0");

    const QString before = home->MakeString();
    Click("cmdCancel");
    Settle();
    EXPECT_FALSE(editor);
    EXPECT_EQ(home->MakeString(), before);
    EXPECT_EQ(undo.Count(), steps);
}

// The pick itself is the next test's, through the program's own selector.
TEST_F(ItemEditor, TheSymbolPictureOpensTheSelectorTheSameSymbolRecordsNoStepAndTheIconEditorIsTheTwin) {
    Open();
    QTest::mouseClick(Find<QLabel>("imgIcon"), Qt::LeftButton);
    EXPECT_EQ(offered, QList<int>{3});
    EXPECT_EQ(undo.Count(), 0);
    pick = 3;
    Click("cmdChangeIcon");
    EXPECT_EQ(home->WptSymbol(), 3);
    EXPECT_EQ(undo.Count(), 0);

    // The icon editor is the waypoint editor's twin.
    gpsdata::IconObject* icon = data.AddFileIcon(2, 4, 45.5, -122.25);
    editor = windows.EditIcon(2);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->windowTitle(), "Insert/Edit Icon");
    EXPECT_EQ(editor->findChild<QLineEdit*>("txtName"), nullptr);
    EXPECT_EQ(Latitude()->Text(), u"45\u00B030.000'");
    pick = 9;
    Click("cmdChangeIcon");
    EXPECT_EQ(offered.last(), 4);
    EXPECT_EQ(icon->IcnSymbol(), 9);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Change Icon Symbol");
    Click("btnNorthSouth");
    Click("btnOK");
    EXPECT_NEAR(icon->Latitude(), -45.5, 1e-5);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Edit Icon");
    data.DeleteIcon(2);
    Settle();
    EXPECT_FALSE(editor);
}

// The program's editors open the real selector, modal over the editor.
TEST_F(ItemEditor, TheProgramsEditorsChangeTheSymbolThroughTheSelector) {
    EditorSet program;
    editors::EditorWindows programWindows{program.context, nullptr};
    gpsdata::WaypointObject* harbour = program.Waypoint(5, "Harbour", 45, -122);
    harbour->SetWptSymbol(2);
    editor = programWindows.EditWaypoint(5);
    ASSERT_TRUE(editor);
    QString shownWith;
    QTimer::singleShot(0, [&] {
        auto* selector = qobject_cast<editors::frmSymbolSelection*>(QApplication::activeModalWidget());
        ASSERT_NE(selector, nullptr);
        shownWith = selector->List()->currentItem()->data(0, Qt::UserRole).toString();
        QTreeWidgetItem* row = selector->List()->topLevelItem(11);
        ASSERT_EQ(row->data(0, Qt::UserRole).toString(), "Icn 11");
        selector->List()->scrollToItem(row);
        const QPoint at = selector->List()->visualItemRect(row).center();
        QTest::mouseClick(selector->List()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(selector->List()->viewport(), Qt::LeftButton, {}, at);
    });
    Click("cmdChangeIcon");
    EXPECT_EQ(shownWith, "Icn 2");
    EXPECT_EQ(harbour->WptSymbol(), 11);
    EXPECT_EQ(program.undo.UndoCaption(), "&Undo Change Waypoint Symbol");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QTimer::singleShot(0, [] {
        if (QWidget* selector = QApplication::activeModalWidget())
            selector->close();
    });
    Click("cmdChangeIcon");
    EXPECT_EQ(harbour->WptSymbol(), 11);
    EXPECT_EQ(program.undo.Count(), 1);
}

TEST_F(ItemEditor, AnEditorOpensOncePerObjectFollowsItsObjectActsOnItAndClosesWhenItGoes) {
    EXPECT_EQ(Open(7), nullptr);
    auto* first = Open();
    EXPECT_EQ(Open(), first);
    EXPECT_EQ(windows.EditIcon(0), nullptr);
    EXPECT_EQ(windows.OpenEditor("Wpt 7"), nullptr);

    Open();
    home->SetWptName("Elsewhere");
    home->SetLatitude(-33.8688);
    EXPECT_EQ(Find<QLineEdit>("txtName")->text(), "Elsewhere");
    EXPECT_EQ(Latitude()->Text(), u"33\u00B052.128'");
    EXPECT_EQ(Find<QPushButton>("btnNorthSouth")->text(), "S");
    data.SetPositionFormat(2);
    EXPECT_EQ(Latitude()->Text(), geo::FormatLatitude(-home->Y(), 2).mid(2));

    // The Edit menu copies, pastes and deletes the object.
    auto* e = Open();
    EXPECT_FALSE(e->CanEdit(EditCommand::Cut));
    EXPECT_FALSE(e->CanEdit(EditCommand::SelectAll));
    e->Edit(EditCommand::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), home->MakeString());

    QApplication::clipboard()->setText("junk|Wpt|9|Harbour|1000|2000|12|45000|1|[None]");
    ASSERT_TRUE(e->CanEdit(EditCommand::Paste));
    e->Edit(EditCommand::Paste);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Paste");
    EXPECT_EQ(data.Waypoint(3), home);
    EXPECT_EQ(data.Waypoint(9), nullptr);
    EXPECT_EQ(home->WptIndex(), 3);
    EXPECT_EQ(home->WptName(), "Harbour");
    EXPECT_EQ(home->X(), 1000);
    EXPECT_EQ(home->WptSymbol(), 12);
    EXPECT_EQ(home->WaypointType(), 0);
    EXPECT_EQ(Find<QLineEdit>("txtName")->text(), "Harbour");

    QApplication::clipboard()->setText("no record here");
    EXPECT_FALSE(e->CanEdit(EditCommand::Paste));
    e->Edit(EditCommand::Delete);
    EXPECT_EQ(data.Waypoint(3), nullptr);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");
    Settle();
    EXPECT_FALSE(editor);
    undo.PushUndoOperation(false, "Drop Waypoint");
    gpsdata::WaypointObject* dropped = data.AddNewWaypoint();
    Open(dropped->WptIndex());
    ASSERT_TRUE(editor);
    undo.PerformUndoOperation();
    Settle();
    EXPECT_FALSE(editor);
}

using SymbolSelection = EditorFixture;

TEST_F(SymbolSelection, ListsEveryValidSymbolOfTheUnitWithItsNumber) {
    data.SetMaxNumGPSIconSymbols(6);
    data.SetValidSymbol(2, false);
    data.SetValidSymbol(5, false);
    editors::frmSymbolSelection selector(data, window, 0);
    EXPECT_EQ(Keys(*selector.List()), QStringList({"Icn 0", "Icn 1", "Icn 3", "Icn 4"}));
    EXPECT_EQ(selector.List()->topLevelItem(2)->text(1), "0003");
    EXPECT_EQ(selector.List()->topLevelItem(2)->text(0), window.SymbolNames().at(3));
    EXPECT_FALSE(selector.List()->topLevelItem(2)->icon(0).isNull());
}
