#include "EditorFixture.h"

#include "editors/frmSymbolSelection.h"

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

} // namespace
