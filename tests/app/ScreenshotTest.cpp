#include "MapWindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace {

// The window on the default master map of the build tree.
class Screenshot : public MapWindowFixture {
protected:
    void SetUp() override {
        SetMasterFolder(Res());
        MapWindowFixture::SetUp();
    }
    static QString Res() { return QStringLiteral(TF_BINARY_DIR "/bin/res"); }
};

// Share of the image's pixels that are not the display's white background.
double DrawnShare(const QImage& image) {
    qint64 drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(drawn) / (double(image.width()) * image.height());
}

} // namespace

// The main window as a newcomer first sees it, saved for inspection.
TEST_F(Screenshot, MainWindowShowsTheDefaultMasterMap) {
    main->resize(1024, 700);
    QApplication::processEvents();
    const QString folder = QStringLiteral(TF_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    const QPixmap shot = main->grab();
    ASSERT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("main-window.png"))));
    if (!QFileInfo::exists(Res() + QStringLiteral("/MasterDefinitionLibrary.dat")))
        GTEST_SKIP() << "no default master map built (scripts/setup.d/master.sh)";
    const QImage map = display->grab().toImage();
    EXPECT_GT(DrawnShare(map), 0.02);
}
