#include "app/frmMapSetup.h"
#include "gpsdata/GPSData.h"

#include "MapWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
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

TEST_F(MapSetup, OkStoresTheOptionsUntilTheNextStartAndThePositionFormatsAreOneToFive) {
    Control("chkDrawTrails")->setChecked(false);
    Control("chkDrawOnlyOpenRoutes")->setChecked(true);
    Control<QComboBox>("cboUnits")->setCurrentIndex(2);
    Control<QRadioButton>("optPositionFormat1")->click();
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

    // The position format options read and take formats one to five.
    Command("mnuViewMapOptions")->trigger();
    dialog = main->findChild<frmMapSetup*>(QStringLiteral("frmMapSetup"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->property("SelectedPositionFormat").toInt(), main->Data().PositionFormat());
    dialog->setProperty("SelectedPositionFormat", 5);
    EXPECT_TRUE(Control<QRadioButton>("optPositionFormat4")->isChecked());
    for (const int outside : {0, 6, -1})
        dialog->setProperty("SelectedPositionFormat", outside);
    EXPECT_EQ(dialog->property("SelectedPositionFormat").toInt(), 5);

    // A format no button stands for sets none, and OK keeps it.
    Press("cmdCancel");
    main->Data().SetPositionFormat(9);
    frmMapSetup other(View(), main->Data());
    EXPECT_EQ(other.property("SelectedPositionFormat").toInt(), 0);
    other.accept();
    EXPECT_EQ(main->Data().PositionFormat(), 9);
}
