#include "app/frmMapSetup.h"
#include "gpsdata/GPSData.h"

#include "MapWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

using namespace app;

namespace {

class MapSetup : public MapWindowFixture {
protected:
    void SetUp() override {
        MapWindowFixture::SetUp();
        Command("mnuViewMapOptions")->trigger();
        dialog = main->findChild<frmMapSetup*>(QStringLiteral("frmMapSetup"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
    }
    template <typename T = QCheckBox> T* Control(const char* name) {
        T* control = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Press(const char* button) {
        Control<QPushButton>(button)->click();
        QApplication::processEvents();
    }

    frmMapSetup* dialog = nullptr;
};

} // namespace

TEST_F(MapSetup, OkStoresTheOptionsAndTheyComeBackAtTheNextStart) {
    Control("chkDrawTrails")->setChecked(false);
    Control("chkDrawOnlyOpenRoutes")->setChecked(true);
    Control<QComboBox>("cboUnits")->setCurrentIndex(2);
    Control<QComboBox>("cboPositionFormat")->setCurrentIndex(1);
    Control<QSlider>("sldCorridorWidth")->setValue(30);
    Control<QSlider>("sldZoomChange")->setValue(25);
    Press("cmdOK");
    EXPECT_FALSE(View().DrawTrails);
    EXPECT_TRUE(View().DrawOnlyOpenRoutes);
    EXPECT_FALSE(View().DrawRoutes);
    EXPECT_EQ(View().DistanceUnits, 2);
    EXPECT_EQ(main->Data().PositionFormat(), 2);
    EXPECT_EQ(View().CorridorWidth(), 30000);
    EXPECT_EQ(View().BlockSize(), 48000);
    EXPECT_EQ(View().MapZoomChange, 25.0);

    // The corridor width belongs to the workspace, not to the settings.
    Restart();
    EXPECT_FALSE(View().DrawTrails);
    EXPECT_EQ(View().MapZoomChange, 25.0);
    EXPECT_EQ(main->Data().PositionFormat(), 2);
}
