#pragma once

#include "linkpod/LinkTransport.h"

#include <QSerialPort>

namespace linkpod {

// LinkTransport over a serial device (also a pseudo-terminal).
class SerialTransport : public LinkTransport {
    Q_OBJECT
public:
    explicit SerialTransport(QObject* parent = nullptr);

    bool Open(const QString& path, int rate) override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    void Write(const QByteArray& bytes) override;
    QString ErrorText() const override { return error_; }

    // The message for a port that could not be opened, in words a Linux user
    // can act on.
    static QString OpenFailureText(const QString& path, QSerialPort::SerialPortError error);

private:
    void OnError(QSerialPort::SerialPortError error);
    bool HungUp() const;

    QSerialPort port_;
    QString error_;
};

} // namespace linkpod
