#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace app;

namespace {

QString UniqueName() {
    static int n = 0;
    return QStringLiteral("tf-instance-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++n);
}

} // namespace

TEST(SingleInstance, OnlyOneListensAndTheOthersHandTheirCommandLineToIt) {
    const QString name = UniqueName();
    EXPECT_FALSE(SingleInstance(name).HandOver(QStringLiteral("x.usr"))) << "no instance runs yet";
    SingleInstance first(name);
    ASSERT_TRUE(first.Listen());
    EXPECT_FALSE(SingleInstance(name).Listen());
    QSignalSpy received(&first, &SingleInstance::CommandLineReceived);
    // An empty command line too: it brings the running window forward.
    for (const QString& line : {QStringLiteral("/dE /tmp/Ärger mit Karten.nmp"), QString()}) {
        received.clear();
        EXPECT_TRUE(SingleInstance(name).HandOver(line));
        ASSERT_TRUE(received.wait(10000));
        EXPECT_EQ(received.at(0).at(0).toString(), line);
    }
}

TEST(SingleInstance, ChannelLeftByADeadInstanceIsTakenOver) {
    const QString name = UniqueName();
    {
        // A server that goes away without removing its socket file, as after a crash.
        QLocalServer dead;
        dead.setSocketOptions(QLocalServer::UserAccessOption);
        ASSERT_TRUE(dead.listen(name));
        const QString path = dead.fullServerName();
        dead.close();
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    SingleInstance first(name);
    EXPECT_TRUE(first.Listen());
}

TEST(SingleInstance, OversizedCommandLineIsCutNotHeld) {
    const QString name = UniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.Listen());
    QSignalSpy received(&first, &SingleInstance::CommandLineReceived);
    QLocalSocket sender;
    sender.connectToServer(name);
    ASSERT_TRUE(sender.waitForConnected(5000));
    const QByteArray big(3 * SingleInstance::MaxCommandLineBytes, 'x');
    sender.write(big);
    while (sender.bytesToWrite() > 0 && received.isEmpty()) {
        sender.waitForBytesWritten(100);
        QCoreApplication::processEvents();
    }
    sender.disconnectFromServer();
    ASSERT_TRUE(received.wait(10000));
    EXPECT_EQ(received.at(0).at(0).toString().size(), SingleInstance::MaxCommandLineBytes);
}
