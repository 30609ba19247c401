#include "MapWindowFixture.h"

#include "app/MainCommands.h"
#include "print/PrintCommands.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The default master map of the build tree, printed to PDF; the page is kept for inspection.
class DefaultMasterMap : public MapWindowFixture {
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
    static bool MasterMapBuilt() {
        return QFileInfo::exists(TF_BINARY_DIR "/bin/res/MasterDefinitionLibrary.dat");
    }
    static void Keep(const QImage& picture, const char* name) {
        const QString folder = QStringLiteral(TF_BINARY_DIR "/screenshots");
        QDir().mkpath(folder);
        EXPECT_TRUE(picture.save(QDir(folder).filePath(QLatin1String(name))));
    }
    // Pixels of the area that are not the white background.
    static qint64 Inked(const QImage& image, const QRect& area) {
        qint64 inked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                inked += image.pixel(x, y) != qRgb(255, 255, 255);
        return inked;
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("map view.pdf"));
};

} // namespace

TEST_F(DefaultMasterMap, PrintMapViewSendsTheMapWithItsScaleToThePrinter) {
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
    Keep(page, "print-map-view.png");
    if (MasterMapBuilt()) {
        const int w = page.width(), h = page.height();
        EXPECT_GT(Inked(page, QRect(QPoint(w / 8, h / 8), QPoint(w * 7 / 8 - 1, h / 2 - 1))), 100);
    }
    // The window's own view is as it was.
    EXPECT_GT(View().MapPicture.Width, 300);
}
