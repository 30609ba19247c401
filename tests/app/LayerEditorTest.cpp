#include "app/frmEditLayer.h"
#include "mapview/WindowObject.h"

#include "MapWindowFixture.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

using app::frmEditLayer;

namespace {

// The layer tree holds a major category with a line (1) and an area (3) category.
class LayerEditor : public MapWindowFixture {
protected:
    void SetUp() override {
        MapWindowFixture::SetUp();
        tree = main->findChild<QTreeWidget*>(QStringLiteral("tvwLayers"));
        ASSERT_NE(tree, nullptr);
        tree->clear();
        major = Item(QStringLiteral("700"), QStringLiteral("Water"));
        tree->addTopLevelItem(major);
        rivers = Item(QStringLiteral("700:1"), QStringLiteral("Rivers"));
        lakes = Item(QStringLiteral("700:3"), QStringLiteral("Lakes"));
        major->addChild(rivers);
        major->addChild(lakes);
    }
    static QTreeWidgetItem* Item(const QString& key, const QString& name) {
        auto* item = new QTreeWidgetItem(QStringList{name});
        item->setData(0, Qt::UserRole, key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
        return item;
    }
    // The open editor; one closed before is deleted first.
    frmEditLayer* Editor() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        for (frmEditLayer* editor : main->findChildren<frmEditLayer*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    void DoubleClick(QTreeWidgetItem* item) { emit tree->itemDoubleClicked(item, 0); }

    QTreeWidget* tree = nullptr;
    QTreeWidgetItem* major = nullptr;
    QTreeWidgetItem* rivers = nullptr;
    QTreeWidgetItem* lakes = nullptr;
};

} // namespace

TEST_F(LayerEditor, SwitchesALayerOffRecoloursItsLinesAndTheCategoriesCommandEditsTheCurrentOne) {
    QSignalSpy changed(&View(), &mapview::WindowObject::Change);
    DoubleClick(rivers);
    frmEditLayer* editor = Editor();
    ASSERT_NE(editor, nullptr);
    auto* status = editor->findChild<QPushButton*>(QStringLiteral("cmdStatus"));
    auto* colours = editor->findChild<QListWidget*>(QStringLiteral("lstColor"));
    EXPECT_EQ(status->text(), QStringLiteral("On"));
    EXPECT_EQ(colours->currentRow(), View().CategoryToColors(1).LineColor);
    status->click();
    EXPECT_EQ(status->text(), QStringLiteral("Off"));
    colours->setCurrentRow(12);
    editor->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(rivers->checkState(0), Qt::Unchecked);
    EXPECT_EQ(View().CategoryToColors(1).LineColor, 12);
    EXPECT_GE(changed.count(), 1);

    // The Categories command edits the current layer; a major category has no colour.
    tree->setCurrentItem(nullptr);
    Command("mnuMapCategories")->trigger();
    frmEditLayer* categories = Editor();
    ASSERT_NE(categories, nullptr);
    EXPECT_TRUE(tree->isVisible());
    EXPECT_EQ(tree->currentItem(), major);
    EXPECT_FALSE(categories->findChild<QListWidget*>(QStringLiteral("lstColor"))->isEnabled());
    categories->findChild<QPushButton*>(QStringLiteral("cmdStatus"))->click();
    categories->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(major->checkState(0), Qt::Unchecked);
}
