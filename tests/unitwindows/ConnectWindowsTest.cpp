#include "unitwindows/SerialPortList.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using unitwindows::SerialPortList;

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
