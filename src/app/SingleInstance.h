#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace app {

// One instance serves the user. The running instance listens on a local socket
// named after the product; a second start connects, hands its command line
// over and ends before it shows any window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` empty: the product's channel for this user (TERRAFOLD_INSTANCE
    // overrides it, so parallel test runs do not meet).
    explicit SingleInstance(QString name = {}, QObject* parent = nullptr);

    QString Name() const { return name_; }

    // True when a running instance took the command line; the caller then ends.
    bool HandOver(const QString& commandLine) const;

    // Makes this instance the one that later starts find. False when another
    // live instance already holds the channel.
    bool Listen();

    // The longest command line taken from a second start; more is dropped.
    static constexpr qsizetype MaxCommandLineBytes = 64 * 1024;

signals:
    void CommandLineReceived(const QString& text);

private:
    void Accept();
    void Collect(QLocalSocket* socket);
    void Finish(QLocalSocket* socket);

    QString name_;
    QLocalServer server_;
    QHash<QLocalSocket*, QByteArray> received_;
};

} // namespace app
