#include "PrintFixture.h"

#include "carver/Carver.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/WindowObject.h"
#include "print/frmPrintOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using print::frmPrintOptions;
using testing_support::PdfText;

namespace {

class PrintDialog : public PrintFixture {
protected:
    void SetUp() override {
        view.MapPicture.Width = 480;
        view.MapPicture.Height = 320;
        view.Center(geo::LongitudeToX(-96), geo::LatitudeToY(38));
        view.SetZoomRange(20);
        AddWaypoints(80);
        data.AddRoute(0, "Out", {0, 1});
        data.AddRoute(3, "Back", {1, 0});
        path = dir.filePath("dialog.pdf");
    }

    std::unique_ptr<frmPrintOptions> Dialog(const QString& mapName = {}, const QString& file = {}) {
        auto dialog = std::make_unique<frmPrintOptions>(data, print::MapPage(view, {{}, &carver, &data}),
                                                        mapName, file, printer);
        dialog->SetPrinterChooser([this](QPrinter& p, QWidget*) {
            ++choices;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(path);
            p.setFullPage(true); // the grid over the whole sheet, as poppler measures it
            return true;
        });
        return dialog;
    }

    template <class T> static T* Find(QWidget& w, const char* name) {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(child) << name;
        return child;
    }

    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    mapview::WindowObject view{engine};
    QPrinter printer;
    int choices = 0;
};

// The items follow the choice of what to print, and the range bars span
// their pages and bound each other.
TEST_F(PrintDialog, TheRangeBarsAndTheItemsFollowTheChoice) {
    auto dialog = Dialog();
    auto* list = Find<QListWidget>(*dialog, "lstPrintItems");
    ASSERT_EQ(list->count(), 80);
    EXPECT_EQ(list->selectedItems().size(), 80);
    EXPECT_EQ(dialog->Options().items.size(), 80);
    list->item(3)->setSelected(false);
    Find<QPushButton>(*dialog, "cmdInvertSelection")->click();
    EXPECT_EQ(dialog->Options().items, QList<qint16>({3}));
    Find<QPushButton>(*dialog, "cmdSelectAll")->click();
    EXPECT_EQ(dialog->Options().items.size(), 80);

    auto* from = Find<QScrollBar>(*dialog, "hsbFrom");
    auto* to = Find<QScrollBar>(*dialog, "hsbTo");
    EXPECT_EQ(to->maximum(), 3);
    EXPECT_EQ(to->value(), 3);
    EXPECT_FALSE(from->isEnabled());
    Find<QRadioButton>(*dialog, "optSelectedRange")->setChecked(true);
    EXPECT_TRUE(from->isEnabled());
    from->setValue(2);
    EXPECT_EQ(to->minimum(), 2);
    EXPECT_EQ(Find<QLabel>(*dialog, "lblFrom")->text(), "2");
    to->setValue(2);
    EXPECT_EQ(from->maximum(), 2);
    EXPECT_EQ(Find<QLabel>(*dialog, "lblTo")->text(), "2");
    from->setValue(3);
    EXPECT_EQ(from->value(), 2);
    EXPECT_EQ(dialog->Options().range.first, 2);
    EXPECT_EQ(dialog->Options().range.last, 2);
    // Fewer items, fewer pages.
    list->item(0)->setSelected(false);
    EXPECT_EQ(to->maximum(), 3);
    for (int i = 0; i < 50; ++i)
        list->item(i)->setSelected(false);
    EXPECT_EQ(to->maximum(), 1);

    Find<QRadioButton>(*dialog, "optRoutes")->setChecked(true);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Route 4: Back");
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toInt(), 3);
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "chkExpandMap")->isEnabled());

    Find<QRadioButton>(*dialog, "optMap")->setChecked(true);
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>(*dialog, "chkExpandMap")->isEnabled());
    EXPECT_EQ(dialog->PageCount(), 1);
}

// The printer chosen in the setup serves the print that follows, which sends
// only the range's pages and closes the dialog.
TEST_F(PrintDialog, PrinterSetupChoosesOnceAndPrintSendsTheRangeAndCloses) {
    auto dialog = Dialog();
    dialog->show();
    Find<QPushButton>(*dialog, "cmdPrinterSetup")->click();
    Find<QRadioButton>(*dialog, "optSelectedRange")->setChecked(true);
    Find<QScrollBar>(*dialog, "hsbFrom")->setValue(2);
    Find<QScrollBar>(*dialog, "hsbTo")->setValue(2);
    Find<QPushButton>(*dialog, "cmdPrint")->click();
    EXPECT_EQ(choices, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(PdfText::PageCount(path), 1);
    EXPECT_EQ(PdfText(path).pages.value(0).RowWords(5).value(1), "Camp35");
}

} // namespace
