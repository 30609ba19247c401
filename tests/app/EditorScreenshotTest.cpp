#include "app/EditingCommands.h"
#include "editors/frmEditRoute.h"
#include "editors/frmSymbolSelection.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"

#include "MapWindowFixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include <cmath>

namespace {

// The editors over the largest data set a unit holds, saved for inspection:
// run under Xvfb to see them as a user would.
class EditorScreenshot : public MapWindowFixture {
protected:
    void Fill() {
        gpsdata::GPSData& data = main->Data();
        data.SetPositionFormat(4);
        for (qint16 i = 0; i < data.MaxNumGPSWaypoints(); ++i) {
            const double lat = 44.5 + (i / 40) * 0.1 + std::sin(i) * 0.02;
            const double lon = -95.5 + (i % 40) * 0.1 + std::cos(i) * 0.02;
            data.AddWaypoint(i, geo::LongitudeToX(lon), geo::LatitudeToY(lat), 0,
                             QStringLiteral("Lake %1").arg(i + 1), i % 24, 45000.25 + i, 0);
        }
        QList<qint16> legs;
        for (qint16 i = 0; i < 30; ++i)
            legs << static_cast<qint16>(i * 33 + 7);
        data.AddRoute(0, "Lake Tour", legs);
        data.AddRoute(1, "Other", {1, 2, 3});
        for (qint16 i = 0; i < 20; ++i)
            data.AddFileIcon(i, i * 3, 45.2 + i * 0.05, -94.6 + i * 0.1);
        for (qint16 i = 0; i < 3; ++i)
            data.AddTrail(i, QStringLiteral("Walk %1").arg(i + 1), geo::LongitudeToX(-95.2 + i * 0.3),
                          geo::LatitudeToY(45.1), {0, 4000, 9000}, {0, 3000, 2500});
    }
    void Save(const QString& name) {
        QApplication::processEvents();
        const QString folder = QStringLiteral(TF_BINARY_DIR "/screenshots");
        QDir().mkpath(folder);
        QPixmap shot = QGuiApplication::platformName() == QLatin1String("xcb")
                           ? QGuiApplication::primaryScreen()->grabWindow(0)
                           : main->grab();
        ASSERT_TRUE(shot.save(QDir(folder).filePath(name)));
    }
};

} // namespace

TEST_F(EditorScreenshot, EditorsOverTheLargestDataSet) {
    main->resize(1200, 780);
    Fill();
    main->Window().DrawOnlyOpenRoutes = true;
    main->Window().DrawRoutes = false;
    auto& editors = main->Editing().Editors();
    editors::frmEditRoute* route = editors.EditRoute(0);
    ASSERT_NE(route, nullptr);
    route->parentWidget()->setGeometry(0, 0, 460, 420);
    ASSERT_NE(editors.EditIcon(0), nullptr);
    editors.OpenEditor("Icn 0")->parentWidget()->move(470, 330);
    ASSERT_NE(editors.EditWaypoint(40), nullptr);
    editors.OpenEditor("Wpt 40")->parentWidget()->move(470, 0);
    Save(QStringLiteral("editors.png"));
    EXPECT_EQ(main->Window().OpenRouteEditors, QStringList{"Rte:0"});
}

TEST_F(EditorScreenshot, ListWindowsAtTheirOpeningSizeOverTheLargestDataSet) {
    main->resize(1200, 780);
    Fill();
    const std::pair<const char*, const char*> lists[] = {{"mnuWindowWaypoints", "list-waypoints.png"},
                                                         {"mnuWindowRoutes", "list-routes.png"},
                                                         {"mnuWindowIcons", "list-icons.png"},
                                                         {"mnuWindowTrails", "list-trails.png"}};
    // Each at the size it opens with, then all four as Auto Arrange lays them out.
    Command("mnuWindowAutoArrange")->setChecked(false);
    for (const auto& [command, picture] : lists) {
        Command(command)->trigger();
        QMdiSubWindow* opened = main->Area().activeSubWindow();
        ASSERT_NE(opened, nullptr);
        opened->move(10, 10);
        Save(QLatin1String(picture));
        opened->close();
    }
    for (const auto& [command, picture] : lists)
        Command(command)->trigger();
    Command("mnuWindowAutoArrange")->setChecked(true);
    Save(QStringLiteral("lists-arranged.png"));
    editors::frmSymbolSelection selector(main->Data(), main->Window(), 40, main.get());
    selector.show();
    selector.move(main->geometry().topLeft() + QPoint(40, 40));
    Save(QStringLiteral("symbol-selector.png"));
}
