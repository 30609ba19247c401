#include "MapWindowFixture.h"

#include "app/MainCommands.h"
#include "gpsdata/GPSData.h"
#include "print/PrintCommands.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The print commands of the main window, printing to PDF files on the
// default master map of the build tree.
class MainWindowPrint : public MapWindowFixture {
protected:
    void SetUp() override {
        SetMasterFolder(QStringLiteral(TF_BINARY_DIR "/bin/res"));
        MapWindowFixture::SetUp();
        main->Printing().SetPrinterChooser([this](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setFullPage(true);
            return true;
        });
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("map view.pdf"));
};

} // namespace

TEST_F(MainWindowPrint, PrintMapViewSendsTheMapWithItsScaleToThePrinter) {
    main->Commands().Command(QStringLiteral("mnuPrintMap"))->trigger();
    const testing_support::PdfText text(pdf);
    ASSERT_EQ(text.pages.size(), 1);
    EXPECT_TRUE(text.pages[0].RowWords(2).join(' ').startsWith("Map Scale = "));
    // The map on the page shows what the window shows: the master map is drawn.
    QProcess render;
    render.start("pdftoppm", {"-r", "60", "-png", "-singlefile", pdf, dir.filePath("page")});
    render.waitForFinished(-1);
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    const QString folder = QStringLiteral(TF_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    page.save(QDir(folder).filePath(QStringLiteral("print-map-view.png")));
    qint64 inked = 0;
    for (int y = page.height() / 8; y < page.height() / 2; ++y)
        for (int x = page.width() / 8; x < page.width() * 7 / 8; ++x)
            inked += page.pixel(x, y) != qRgb(255, 255, 255);
    if (QFileInfo::exists(TF_BINARY_DIR "/bin/res/MasterDefinitionLibrary.dat")) {
        EXPECT_GT(inked, 100);
    }
    // The window's own view is as it was.
    EXPECT_GT(View().MapPicture.Width, 300);
}

TEST_F(MainWindowPrint, ThePrintCommandOpensTheDialogNamedAfterTheDataFile) {
    main->Data().SetPath(QStringLiteral("/trips/lake trip.usr"));
    const char* names[] = {"Home", "Lake Dock", "Camp 3", "Topeka"};
    for (qint16 i = 0; i < 4; ++i)
        main->Data().AddWaypoint(i, -10706314 + 20000 * i, 4634710 + 20000 * i, 0, names[i], 0, 0, 0);
    main->Commands().Command(QStringLiteral("mnuFilePrint"))->trigger();
    QWidget* dialog = main->findChild<QWidget*>(QStringLiteral("frmPrintOptions"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Print - lake trip.usr");
    EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("lstPrintItems"))->count(), 4);
    const QString folder = QStringLiteral(TF_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    dialog->grab().save(QDir(folder).filePath(QStringLiteral("print-options.png")));
    dialog->close();
}
