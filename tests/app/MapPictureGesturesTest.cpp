#include "MapWindowFixture.h"

namespace {

// A master map under the first view; a picture drawn anew would be a new image.
class MapPictureGestures : public MapWindowFixture {
protected:
    void SetUp() override {
        WriteLandMaster(res.path());
        SetMasterFolder(res.path());
        MapWindowFixture::SetUp();
    }
    QImage Frame() { return display->grab().toImage(); }
    qint64 PictureKey() const { return main->MasterLayer().Picture().cacheKey(); }

    QTemporaryDir res;
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
