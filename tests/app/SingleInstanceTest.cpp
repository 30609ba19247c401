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

TEST(SingleInstance, OnlyOneListensTheOthersHandTheirCommandLineToItCutAndADeadOnesChannelIsTakenOver) {
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

    // An oversized command line is cut, not held.
    received.clear();
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

    // A channel left by a dead instance (its socket file stays after a crash) is taken over.
    const QString dead = UniqueName();
    {
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        ASSERT_TRUE(server.listen(dead));
        const QString path = server.fullServerName();
        server.close();
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(SingleInstance(dead).Listen());
}
