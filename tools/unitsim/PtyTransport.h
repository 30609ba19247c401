#pragma once

#include "linkpod/LinkTransport.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>

namespace unitsim {

// The emulator's end of the line: the master side of a pseudo-terminal it
// creates, or a serial device it is given. Like a real unit it only
// understands the line at its own rate: it reads the tty's speed (the slave
// of a pseudo-terminal carries the speed its user set) and ignores bytes that
// arrive at any other rate. With pacing on, the line carries no more than the
// rate allows either way: it sends no faster, and hands on what arrives no
// faster (a pseudo-terminal itself would take bytes at any speed).
class PtyTransport : public linkpod::LinkTransport {
    Q_OBJECT
public:
    explicit PtyTransport(QObject* parent = nullptr);
    ~PtyTransport() override;

    // Creates a pseudo-terminal; the returned slave path is what a host opens.
    QString OpenPty(int rate);
    bool Open(const QString& path, int rate) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    void Write(const QByteArray& bytes) override;
    QString ErrorText() const override { return error_; }

    void SetPaced(bool paced) { paced_ = paced; }
    // The line's current speed, 0 when it cannot be read.
    int LineSpeed() const;
    // Bytes the line carried each way since it opened.
    qint64 TotalReceived() const { return totalReceived_; }
    qint64 TotalSent() const { return totalSent_; }

private:
    void OnReadable();
    // What one direction of a paced line may carry by now, at 10 bits a byte.
    struct Budget {
        qint64 start = 0;
        qint64 used = 0;
        qsizetype Allowed(qint64 now, int rate) const { return (now - start) * rate / 10000 - used + 1; }
    };

    void Drain();
    void Send();
    void Deliver();
    void Listen();

    int fd_ = -1;
    int slaveFd_ = -1; // held open so the line survives the host closing it
    int rate_ = 9600;
    bool paced_ = false;
    QString error_;
    QByteArray pending_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer drainTimer_;
    QByteArray inbox_; // arrived, not yet through the paced line
    QElapsedTimer clock_;
    Budget sent_;
    Budget received_;
    qint64 totalReceived_ = 0;
    qint64 totalSent_ = 0;
};

} // namespace unitsim
