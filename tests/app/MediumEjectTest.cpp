#include "app/MediumEject.h"
#include "app/StatusPanels.h"

#include "RecordingDrives.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EjectAfterSave : public testing::Test {
protected:
    // Ejects the medium of a file in a temporary folder; the fake service
    // decides what kind of drive holds it.
    void Eject() {
        const QString path = dir.filePath("Lake.ncm");
        app::MediumEject(drives, prompt, status).EjectMediumOf(path, "Saved " + path);
        requests = drives.calls.mid(1); // the device name depends on the machine
    }
    QString LastStatus() const { return status.lines.isEmpty() ? QString() : status.lines.last().second; }

    QTemporaryDir dir;
    RecordingDrives drives;
    testing_support::RecordingPrompt prompt;
    testing_support::RecordingStatus status;
    QStringList requests;
};

} // namespace

TEST_F(EjectAfterSave, AFixedDiskStaysMountedAndWithoutTheServiceTheUserIsToldToUnmount) {
    drives.medium.removable = false;
    Eject();
    EXPECT_EQ(drives.calls.size(), 1) << "only the look-up";
    EXPECT_TRUE(status.lines.isEmpty());

    drives.available = false;
    drives.calls.clear();
    Eject();
    EXPECT_TRUE(drives.calls.isEmpty());
    EXPECT_TRUE(LastStatus().endsWith("Lake.ncm. The medium can be removed after unmounting it."));
    EXPECT_EQ(status.lines.last().first, app::StatusPanels::Message);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(EjectAfterSave, ARemovableMediumIsUnmountedThenEjectedOrItsDrivePoweredOff) {
    Eject();
    EXPECT_EQ(requests, (QStringList{"Unmount /block/sdc1", "Eject /drives/Card_Reader"}));
    EXPECT_TRUE(LastStatus().endsWith(". The medium has been ejected and can be removed."));

    drives.calls.clear();
    drives.medium.ejectable = false; // a stick: the whole drive goes
    Eject();
    EXPECT_EQ(requests, (QStringList{"Unmount /block/sdc1", "PowerOff /drives/Card_Reader"}));
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(EjectAfterSave, AMediumThatCannotBeUnmountedOrEjectedIsToldAndNotEjected) {
    drives.errors["Unmount /block/sdc1"] = "Target is busy";
    Eject();
    EXPECT_EQ(requests, QStringList{"Unmount /block/sdc1"});
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text, dir.filePath("Lake.ncm") +
                                        " has been saved, but its medium could not be ejected:\n"
                                        "Target is busy\nUnmount it before removing it.");
    EXPECT_EQ(prompt.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_TRUE(LastStatus().endsWith("Lake.ncm. The medium was not ejected."));

    drives.errors = {{"Eject /drives/Card_Reader", "Not authorized"}};
    drives.calls.clear();
    Eject();
    EXPECT_EQ(requests, (QStringList{"Unmount /block/sdc1", "Eject /drives/Card_Reader"}));
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_TRUE(prompt.shown[1].text.contains("\nNot authorized\n"));
}
