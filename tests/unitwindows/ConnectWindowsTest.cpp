#include "UnitWindowsFixture.h"

#include "support/QStringPrinter.h"
#include "unitwindows/frmOptions.h"
#include "unitwindows/frmSerialConnect.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using namespace unitwindows_testing;
using comm_testing::WaitFor;
using unitwindows::SerialPortList;

namespace {

using Connecting = UnitWindowsFixture;

// Runs the process as a user without rights to the device while it lives; root comes back.
class ThrowawayUser {
public:
    ThrowawayUser() {
        if (::geteuid() == 0)
            dropped_ = ::setresuid(Nobody, Nobody, 0) == 0;
    }
    ~ThrowawayUser() {
        if (dropped_ && ::setresuid(0, 0, 0) != 0)
            std::abort(); // the rest of the tests would run with the wrong rights
    }
    bool Unprivileged() const { return ::geteuid() != 0; }

private:
    static constexpr uid_t Nobody = 65534;
    bool dropped_ = false;
};

} // namespace

TEST_F(Connecting, AMissingDeviceIsNamedWithTheOptionsWindowOfferedALockedOneWithTheGroupToJoin) {
    session.SetAutoSelectComPort(false);
    prompt.answers = {ui::Answer::Yes};
    unit.Connect();
    EXPECT_FALSE(unit.ConnectWindow() && unit.ConnectWindow()->isVisible());
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[0].title, "Communications Error");
    const QStringList lines = prompt.shown[0].text.split("\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("Unable to open the selected COM port. Check the COM port number and make "
                             "sure no other program is using that COM port."));
    EXPECT_TRUE(lines[1].startsWith("There is no serial port /nonexistent/tf-com1."));
    EXPECT_EQ(prompt.shown[1].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(prompt.shown[1].text.contains("/nonexistent/tf-com1"));
    ASSERT_TRUE(unit.OptionsWindow());
    EXPECT_TRUE(unit.OptionsWindow()->isVisible());
    unit.OptionsWindow()->reject();

    // A device that is there but closed to the user: the group to join.
    prompt.shown.clear();
    QTemporaryDir dir;
    // The folder is open to everyone; only the device itself is not.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString device = QDir(dir.path()).filePath("ttyLocked");
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFileDevice::ReadOwner);
    pod.Ports().SetComDevice(1, device);
    {
        const ThrowawayUser user;
        if (!user.Unprivileged())
            GTEST_SKIP() << "root may not take another user id here";
        unit.Connect();
    }
    ASSERT_FALSE(prompt.shown.isEmpty());
    const QString reason = prompt.shown[0].text.section("\r\n", 1);
    EXPECT_TRUE(reason.contains("Join the group \"" + QFileInfo(device).group() + u'"'))
        << reason.toStdString();
    EXPECT_TRUE(reason.contains("log out and log in again"));
    // The device is there: nothing to choose in the options.
    EXPECT_EQ(prompt.shown.size(), 1);
}

TEST(SerialPortNames, APortIsOfferedByItsStableNameWhenOneLeadsToIt) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkdir("by-id");
    QFile(root.filePath("ttyUSB3")).open(QIODevice::WriteOnly);
    QFile(root.filePath("ttyUSB4")).open(QIODevice::WriteOnly);
    const QString stable = root.filePath("by-id/usb-Prolific_Technology-if00-port0");
    ASSERT_TRUE(QFile::link(root.filePath("ttyUSB3"), stable));
    EXPECT_EQ(SerialPortList::StableName(root.filePath("ttyUSB3"), root.filePath("by-id")), stable);
    EXPECT_EQ(SerialPortList::StableName(root.filePath("ttyUSB4"), root.filePath("by-id")),
              root.filePath("ttyUSB4"));
    EXPECT_EQ(SerialPortList::StableName("/dev/none", root.filePath("by-id")), "/dev/none");
}
