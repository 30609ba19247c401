#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"

#include "MapWindowFixture.h"
#include "support/TestFiles.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace {

// The main window over a master map of one land area covering the first
// view. Whether the master map was drawn again shows in its kept picture:
// a picture drawn anew is a new image.
class MapPictureGestures : public MapWindowFixture {
protected:
    void SetUp() override {
        testing_support::WriteFile(res.filePath("MasterDefinitionLibrary.dat"),
                                   "major 3 Land\nminor 60 Land\n");
        testing_support::WriteFile(res.filePath("MasterList.txt"), "M.at5\n");
        mastermap::At5Writer w;
        w.Add(mastermap_testing::Square(60, -14000000, 2500000, 7000000));
        ASSERT_EQ(w.Write(res.filePath("M.at5")), "");
        SetMasterFolder(res.path());
        MapWindowFixture::SetUp();
    }
    QImage Frame() { return display->grab().toImage(); }
    qint64 PictureKey() const { return main->MasterLayer().Picture().cacheKey(); }
    void Drag(QPoint to) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), display->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(display, &move);
    }

    QTemporaryDir resDir;
    QDir res{resDir.path()};
};

} // namespace

TEST_F(MapPictureGestures, MovingAWaypointDrawsItOverTheKeptMapPicture) {
    Click("dropwpt");
    ClickMap(QPoint(200, 150));
    ClickMap(QPoint(202, 151)); // picks the waypoint up
    ASSERT_EQ(View().Mode(), 6);
    const QImage before = Frame();
    const qint64 picture = PictureKey();
    ASSERT_FALSE(main->MasterLayer().Picture().isNull());
    QTest::mouseMove(display, QPoint(300, 250));
    const QImage moving = Frame();
    EXPECT_NE(moving, before); // the waypoint was drawn where it went
    EXPECT_EQ(PictureKey(), picture);
    ClickMap(QPoint(300, 250));
    Frame();
    EXPECT_EQ(PictureKey(), picture);
}

TEST_F(MapPictureGestures, DraggingARubberBandKeepsTheMapPictureUntilTheViewChanges) {
    Click("center");
    Frame();
    const qint64 picture = PictureKey();
    ASSERT_FALSE(main->MasterLayer().Picture().isNull());
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(100, 100));
    Drag(QPoint(180, 160));
    Frame();
    Drag(QPoint(250, 200));
    auto* band = main->findChild<QRubberBand*>(QStringLiteral("bandStretch"));
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    Frame();
    EXPECT_EQ(PictureKey(), picture);
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(250, 200));
    Frame();
    EXPECT_NE(PictureKey(), picture); // zoomed in: the map is drawn afresh
}
