#include "UnitWindowsFixture.h"

#include "support/QStringPrinter.h"
#include "unitwindows/frmMMCSaveStatus.h"
#include "unitwindows/frmTransferUserData.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>

using namespace unitwindows_testing;
using comm_testing::WaitFor;

namespace {

// What a window showed each time it closed: its caption and its label.
class ClosingLog : public QObject {
public:
    ClosingLog(QWidget* window, const char* label) : label_(label) { window->installEventFilter(this); }

    QStringList shown; // "caption|label" at each hide

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            auto* window = static_cast<QWidget*>(watched);
            shown << window->windowTitle() + u'|' + window->findChild<QLabel*>(label_)->text();
        }
        return false;
    }

private:
    QString label_;
};

// The data set through the card reader, as the transfer commands move it:
// the upload fills the control's lists and writes the card's user data
// file, the download reads that file first.
class CardUserData : public UnitWindowsFixture {
protected:
    CardUserData() {
        pod.Ports().SetReaderFolder(1, card.path());
        session.SetLPTPort(1);
        QObject::connect(bar(), &QProgressBar::valueChanged, [this](int percent) { percents << percent; });
    }

    QProgressBar* bar() const {
        return transfers.UserDataWindow().findChild<QProgressBar*>(QStringLiteral("barPercent"));
    }

    static void Fill(gpsdata::GPSData& set) {
        for (qint16 slot = 0; slot < 30; ++slot)
            set.AddWaypoint(slot, 5000 * slot, -3000 * slot, 0, QStringLiteral("CAMP%1").arg(slot), 0,
                            40000.5, 0);
        set.AddRoute(0, QStringLiteral("Portage"), {0, 7, 29});
    }

    QTemporaryDir card;
    QList<int> percents;
    ClosingLog userDataLog{&transfers.UserDataWindow(), "lblPercent"};
    ClosingLog saveStatusLog{&transfers.SaveStatusWindow(), "lblStatus"};
};

} // namespace

TEST_F(CardUserData, AnUploadShowsWhatGoesOntoTheCardAndTheUserDataFileWithItsBar) {
    session.OpenLPTPort();
    ASSERT_TRUE(session.LPTPortOpen());
    Fill(data);
    ASSERT_TRUE(Run([&] { ASSERT_TRUE(transfers.Upload({})); }));
    EXPECT_EQ(finished.last(), true);
    // The save status window followed the upload item by item and closed at its end.
    EXPECT_FALSE(transfers.SaveStatusWindow().isVisible());
    EXPECT_EQ(saveStatusLog.shown, QStringList{"Saving to MMC Card|Upload complete"});
    EXPECT_TRUE(StatusTexts().contains(QStringLiteral("Sending waypoint 30")));
    EXPECT_TRUE(StatusTexts().contains(QStringLiteral("Saving user data to the card")));
    // The user data window came and went, its bar at the end full.
    EXPECT_FALSE(transfers.UserDataWindow().isVisible());
    EXPECT_EQ(userDataLog.shown, QStringList{"Saving User Data|100%"});
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    EXPECT_FALSE(QDir(card.path()).entryList(QDir::Files).isEmpty());

    // The data set comes back from the card, through the same window.
    data.DeleteWaypoints();
    data.DeleteRoutes();
    data.SetDirty(false);
    percents.clear();
    ASSERT_TRUE(Run([&] { ASSERT_TRUE(transfers.Download({})); }));
    EXPECT_EQ(finished.last(), true);
    EXPECT_EQ(userDataLog.shown.last(), QStringLiteral("Loading User Data|100%"));
    EXPECT_EQ(percents.last(), 100);
    EXPECT_EQ(data.CountWaypoints(), 30);
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 7, 29}));
    // A download writes nothing onto the card: no save status.
    EXPECT_EQ(saveStatusLog.shown.size(), 1);
}

TEST_F(CardUserData, AFullCardIsNamedAndTheUploadIsNotComplete) {
    QFile label(QDir(card.path()).filePath(QStringLiteral(".card")));
    ASSERT_TRUE(label.open(QIODevice::WriteOnly));
    label.write("label=FULL\ncapacity=64\n");
    label.close();
    session.OpenLPTPort();
    Fill(data);
    ASSERT_TRUE(Run([&] { transfers.Upload({}); }));
    EXPECT_EQ(finished.last(), false);
    EXPECT_EQ(prompt.Texts(),
              QStringList{QStringLiteral("Insufficient space remaining on the selected MMC card.")});
    EXPECT_FALSE(transfers.SaveStatusWindow().isVisible());
    EXPECT_FALSE(transfers.UserDataWindow().isVisible());
    EXPECT_FALSE(StatusTexts().contains(QStringLiteral("Upload complete")));
}

TEST_F(CardUserData, ACardWithoutUserDataSaysSoAndLeavesTheDataSet) {
    session.OpenLPTPort();
    Fill(data);
    data.SetDirty(false);
    ASSERT_TRUE(Run([&] { transfers.Download({}); }));
    EXPECT_EQ(finished.last(), false);
    EXPECT_EQ(prompt.Texts(),
              QStringList{QStringLiteral("User data file not found on the selected MMC card.")});
    EXPECT_FALSE(transfers.UserDataWindow().isVisible());
    EXPECT_EQ(data.CountWaypoints(), 30);
}
