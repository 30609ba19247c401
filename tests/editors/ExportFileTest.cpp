#include "editors/frmExportFile.h"
#include "files/PositionLine.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ExportFile : public testing::Test {
protected:
    ExportFile() {
        Waypoint(0, "Home", 45.5, -122.25);
        Waypoint(1, "Lake", -33.5, 151);
        Waypoint(4, "Pass", 10, 20);
        data.AddRoute(0, "Loop", {4, 0, 4});
        data.AddRoute(2, "Out", {1});
        exporter = std::make_unique<editors::frmExportFile>(data, prompt, dir.path());
    }
    void Waypoint(qint16 index, const QString& name, double lat, double lon) {
        data.AddWaypoint(index, geo::LongitudeToX(lon), geo::LatitudeToY(lat), 0, name, 0, 45000, 0);
    }
    template <class W> W* Find(const char* name) {
        W* widget = exporter->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QByteArray Written(const QString& name) {
        QFile f(QDir(dir.path()).filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        return f.readAll();
    }
    // The exported line of a waypoint, as written.
    QByteArray Line(qint16 index, const QString& name = {}) {
        const gpsdata::WaypointObject* w = data.Waypoint(index);
        return files::PositionLine::Format(w->Latitude(), w->Longitude(), name).toLatin1() + "\r\n";
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }

    gpsdata::GPSData data;
    testing_support::RecordingPrompt prompt;
    QTemporaryDir dir;
    std::unique_ptr<editors::frmExportFile> exporter;
};

} // namespace

TEST_F(ExportFile, AFailedWriteSaysWhyThenTheChosenWaypointsOrRouteEntriesAreWritten) {
    exporter->show();
    Find<QLineEdit>("txtFileName")->setText("no such folder/Output.TXT");
    exporter->Save();
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, "Export Error");
    EXPECT_TRUE(prompt.shown[0].text.startsWith("Unable to write " + exporter->TargetPath() + "\r\n"));
    EXPECT_TRUE(exporter->isVisible());
    prompt.shown.clear();

    EXPECT_EQ(exporter->SelectedIndexes(), (QList<qint16>{0, 1, 4}));
    EXPECT_EQ(Find<QListWidget>("lstExportItems")->item(2)->text(), "005  Pass");
    Click("btnInvert");
    EXPECT_TRUE(exporter->SelectedIndexes().isEmpty());
    Click("btnSelectAll");
    Find<QListWidget>("lstExportItems")->item(1)->setSelected(false);
    Find<QCheckBox>("chkIncudeNames")->setChecked(true);
    Find<QLineEdit>("txtFileName")->setText("points list.txt");
    Click("btnSave");
    EXPECT_EQ(Written("points list.txt"), Line(0, "Home") + Line(4, "Pass"));
    EXPECT_FALSE(exporter->isVisible());
    EXPECT_TRUE(prompt.shown.isEmpty());

    // Routes write every entry in route order, to the file browsed for.
    QStringList asked;
    exporter->SetBrowser([&](const QString& title, const QString&, const QString&) {
        asked << title;
        return QDir(dir.path()).filePath("chosen.txt");
    });
    Find<QCheckBox>("chkIncudeNames")->setChecked(false);
    Find<QRadioButton>("optRoutes")->setChecked(true);
    Click("btnBrowse");
    EXPECT_EQ(asked, QStringList{"Export Routes"});
    EXPECT_EQ(Find<QListWidget>("lstExportItems")->item(0)->text(), "01  Loop");
    EXPECT_EQ(exporter->SelectedIndexes(), (QList<qint16>{0, 2}));
    Find<QListWidget>("lstExportItems")->item(1)->setSelected(false);
    exporter->Save();
    EXPECT_EQ(Written("chosen.txt"), Line(4) + Line(0) + Line(4));
}
