#include "app/SingleInstance.h"

#include "app/ProductText.h"

#include <QLocalSocket>

#include <unistd.h>

namespace app {

namespace {

constexpr int HandOverTimeoutMs = 5000;

QString DefaultName() {
    const QByteArray overridden = qgetenv("TERRAFOLD_INSTANCE");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    return InstanceTag() + QStringLiteral("-") + QString::number(getuid());
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(name.isEmpty() ? DefaultName() : std::move(name)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

bool SingleInstance::HandOver(const QString& commandLine) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(HandOverTimeoutMs))
        return false;
    // An empty command line still goes over as one zero byte, so the running
    // instance always hears of the start and comes to the front.
    QByteArray bytes = commandLine.toUtf8();
    if (bytes.isEmpty())
        bytes = QByteArray(1, '\0');
    socket.write(bytes);
    socket.waitForBytesWritten(HandOverTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(HandOverTimeoutMs);
    return true;
}

bool SingleInstance::Listen() {
    if (server_.isListening())
        return true;
    // A channel that answers belongs to a live instance and is left to it; one
    // left behind by an instance that died is taken over.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(HandOverTimeoutMs))
        return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        received_.insert(socket, {});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Collect(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { Finish(socket); });
        if (socket->state() == QLocalSocket::UnconnectedState)
            Finish(socket);
    }
}

void SingleInstance::Collect(QLocalSocket* socket) {
    auto found = received_.find(socket);
    if (found == received_.end())
        return;
    const QByteArray chunk = socket->readAll();
    found->append(chunk.left(MaxCommandLineBytes - found->size()));
}

void SingleInstance::Finish(QLocalSocket* socket) {
    Collect(socket);
    if (!received_.contains(socket))
        return;
    QByteArray bytes = received_.take(socket);
    socket->deleteLater();
    if (bytes.isEmpty())
        return;
    bytes.replace('\0', QByteArray());
    emit CommandLineReceived(QString::fromUtf8(bytes));
}

} // namespace app
