#include "EditorFixture.h"

#include "editors/frmSymbolSelection.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

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

TEST_F(SymbolSelection, SelectsTheCurrentSymbolAndScrollsItIntoView) {
    editors::frmSymbolSelection selector(data, window, 25);
    selector.resize(300, 200);
    selector.show();
    QTreeWidgetItem* current = selector.List()->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->data(0, Qt::UserRole).toString(), "Icn 25");
    EXPECT_TRUE(current->isSelected());
    const QRect shown = selector.List()->visualItemRect(current);
    EXPECT_TRUE(selector.List()->viewport()->rect().contains(shown)) << "row not scrolled into view";
}

TEST_F(SymbolSelection, ADoubleClickPicksTheSymbolAndCloses) {
    editors::frmSymbolSelection selector(data, window, 0);
    selector.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy accepted(&selector, &QDialog::accepted);
    QTreeWidgetItem* row = selector.List()->topLevelItem(7);
    selector.List()->scrollToItem(row);
    // As the windowing system does it: a click, then the double click.
    const QPoint at = selector.List()->visualItemRect(row).center();
    QTest::mouseClick(selector.List()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(selector.List()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(selector.PickedSymbol(), 7);
    EXPECT_FALSE(selector.isVisible());
}

} // namespace
