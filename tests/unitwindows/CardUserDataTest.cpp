#include "UnitWindowsFixture.h"

#include "support/QStringPrinter.h"
#include "support/TestFiles.h"
#include "unitwindows/frmMMCSaveStatus.h"
#include "unitwindows/frmTransferUserData.h"

#include <QDir>
#include <QTemporaryDir>

using namespace unitwindows_testing;

namespace {

// The data set through the card reader when the card cannot take it or does
// not hold it (the whole way through is in the desktop's card tests).
class CardUserData : public UnitWindowsFixture {
protected:
    CardUserData() {
        pod.Ports().SetReaderFolder(1, card.path());
        session.SetLPTPort(1);
        session.OpenLPTPort();
        for (qint16 slot = 0; slot < 30; ++slot)
            data.AddWaypoint(slot, 5000 * slot, -3000 * slot, 0, QString("CAMP%1").arg(slot), 0, 40000.5, 0);
        data.AddRoute(0, "Portage", {0, 7, 29});
    }

    QTemporaryDir card;
};

} // namespace

// First a card too small for the data set, then one that holds no user data.
TEST_F(CardUserData, AFullCardOrOneWithoutUserDataIsNamedAndTheTransferIsNotComplete) {
    testing_support::WriteFile(QDir(card.path()).filePath(".card"), "label=FULL\ncapacity=64\n");
    ASSERT_TRUE(Run([&] { transfers.Upload({}); }));
    EXPECT_EQ(finished.last(), false);
    EXPECT_EQ(prompt.Texts(), QStringList{"Insufficient space remaining on the selected MMC card."});
    EXPECT_FALSE(transfers.SaveStatusWindow().isVisible());
    EXPECT_FALSE(transfers.UserDataWindow().isVisible());
    EXPECT_FALSE(StatusTexts().contains("Upload complete"));

    prompt.shown.clear();
    data.SetDirty(false);
    ASSERT_TRUE(Run([&] { transfers.Download({}); }));
    EXPECT_EQ(finished.last(), false);
    EXPECT_EQ(prompt.Texts(), QStringList{"User data file not found on the selected MMC card."});
    EXPECT_FALSE(transfers.UserDataWindow().isVisible());
    EXPECT_EQ(data.CountWaypoints(), 30);
}
