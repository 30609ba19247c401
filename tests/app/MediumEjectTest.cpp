#include "app/MediumEject.h"

#include "RecordingDrives.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

// The window's map build test has the card reader that refuses to eject.
namespace {

class EjectAfterSave : public testing::Test {
protected:
    // The requests after the look-up, whose device name depends on the machine.
    QStringList Eject() {
        drives.calls.clear();
        app::MediumEject(drives, prompt, status).EjectMediumOf("/media/card/Lake.ncm", "Saved");
        return drives.calls.mid(1);
    }
    QString LastStatus() const { return status.lines.isEmpty() ? QString() : status.lines.last().second; }

    RecordingDrives drives;
    testing_support::RecordingPrompt prompt;
    testing_support::RecordingStatus status;
};

} // namespace

TEST_F(EjectAfterSave, OnlyARemovableMediumIsTakenOutAndWithoutTheServiceTheUserIsToldToUnmount) {
    drives.medium.removable = false;
    EXPECT_TRUE(Eject().isEmpty());
    EXPECT_TRUE(status.lines.isEmpty());

    drives.medium.removable = true;
    drives.medium.ejectable = false; // a stick: the whole drive goes
    EXPECT_EQ(Eject(), (QStringList{"Unmount /block/sdc1", "PowerOff /drives/Card_Reader"}));
    EXPECT_EQ(LastStatus(), "Saved. The medium has been ejected and can be removed.");

    drives.available = false;
    Eject();
    EXPECT_TRUE(drives.calls.isEmpty());
    EXPECT_EQ(LastStatus(), "Saved. The medium can be removed after unmounting it.");
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(EjectAfterSave, AFilesystemThatCannotBeUnmountedIsNotEjectedAndSaysWhy) {
    drives.errors["Unmount /block/sdc1"] = "Target is busy";
    EXPECT_EQ(Eject(), QStringList{"Unmount /block/sdc1"});
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text,
              "/media/card/Lake.ncm has been saved, but its medium could not be ejected:\n"
              "Target is busy\nUnmount it before removing it.");
    EXPECT_EQ(prompt.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(LastStatus(), "Saved. The medium was not ejected.");
}
