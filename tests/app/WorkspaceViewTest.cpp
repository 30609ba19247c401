#include "app/WorkspaceCommands.h"
#include "app/frmMapSetup.h"
#include "app/frmTerrafold.h"
#include "geo/Coordinates.h"
#include "mapview/WindowObject.h"

#include "MainWindowFixture.h"

#include <QSlider>
#include <QSplitter>

using namespace app;

namespace {

// The view a user has brought the map window to since the start.
struct View {
    qint32 midX, midY;
    double zoom;
    qint32 corridor;
    bool high, blocks, trails;
    int routeColour;
    bool operator==(const View&) const = default;
};

class WorkspaceView : public MainWindowFixture {
protected:
    View Shown() {
        const mapview::WindowObject& w = main->Window();
        return {w.MidX,
                w.MidY,
                w.ZoomRange(),
                w.CorridorWidth(),
                w.UseHighDetail(),
                w.DrawBlockBoundaries(),
                w.DrawTrails,
                w.RouteLinesColor};
    }
    void Show(const View& v) {
        mapview::WindowObject& w = main->Window();
        w.Center(v.midX, v.midY);
        w.SetZoomRange(v.zoom);
        w.SetCorridorWidth(v.corridor);
        w.SetUseHighDetail(v.high);
        w.SetDrawBlockBoundaries(v.blocks);
        w.DrawTrails = v.trails;
        w.RouteLinesColor = v.routeColour;
    }
};

} // namespace

// A workspace saved while running holds the view as shown, not as it was at the start.
TEST_F(WorkspaceView, AWorkspaceReopensWhereItWasSaved) {
    const View saved{geo::LongitudeToX(-93.3), geo::LatitudeToY(45), 40, 52000, true, true, false, 9};
    Show(saved);
    ASSERT_EQ(Shown(), saved);
    chooser.names.push_back(Path("Lake.nmp"));
    ASSERT_TRUE(main->Workspace().SaveAs());

    Show({geo::LongitudeToX(10), geo::LatitudeToY(50), 900, 1000, false, false, true, 13});
    main->Workspace().Load(Path("Lake.nmp"));
    EXPECT_EQ(Shown(), saved);
}

// The next start shows the last view and layer pane; the corridor belongs to workspaces alone.
TEST_F(WorkspaceView, TheNextStartShowsTheLastView) {
    const View last{geo::LongitudeToX(-105), geo::LatitudeToY(39.5), 8, 1000, true, false, true, 12};
    Show(last);
    QSplitter* splitter = main->MapWindow().Splitter();
    splitter->setSizes({230, splitter->width() - 230});
    const int pane = splitter->sizes().first();
    Restart();
    EXPECT_EQ(Shown(), last);
    EXPECT_NEAR(main->MapWindow().Splitter()->sizes().first(), pane, 1);
}

// What a workspace does not hold keeps the value the user chose since the start.
TEST_F(WorkspaceView, AnOptionChangedSinceTheStartOutlivesOpeningAWorkspace) {
    Command("mnuViewMapOptions")->trigger();
    auto* dialog = main->findChild<frmMapSetup*>(QStringLiteral("frmMapSetup"));
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QSlider*>(QStringLiteral("sldZoomChange"))->setValue(25);
    dialog->accept();
    ASSERT_EQ(main->Window().MapZoomChange, 25.0);

    chooser.names.push_back(Put("Lake.nmp", "MidX  -10000000 \r\nMidY  5000000 \r\nZoomRange  40 \r\n"));
    Command("mnuFileOpenBorder")->trigger();
    EXPECT_EQ(main->Window().MidX, -10000000);
    EXPECT_EQ(main->Window().MapZoomChange, 25.0);
}
