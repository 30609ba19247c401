#include "linkpod/SerialTransport.h"

#include "linkpod/PortHolder.h"

#include <QFileInfo>

#include <poll.h>

namespace linkpod {

SerialTransport::SerialTransport(QObject* parent) : LinkTransport(parent) {
    connect(&port_, &QSerialPort::readyRead, this, [this] { emit BytesArrived(port_.readAll()); });
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialTransport::OnError);
}

QString SerialTransport::OpenFailureText(const QString& path, QSerialPort::SerialPortError error) {
    const QFileInfo device(path);
    // A port the user may write to that still will not open is held by
    // another program (its lock file, or the tty's exclusive mode).
    const bool held =
        error == QSerialPort::ResourceError || (error == QSerialPort::PermissionError && device.isWritable());
    if (held) {
        const QString holder = PortHolder::Of(path);
        return holder.isEmpty()
                   ? QStringLiteral("The serial port %1 is in use by another program; close it (or stop "
                                    "ModemManager if it grabs the port) and try again.")
                         .arg(path)
                   : QStringLiteral("The serial port %1 is in use by the program \"%2\"; close it and try "
                                    "again.")
                         .arg(path, holder);
    }
    switch (error) {
    case QSerialPort::PermissionError: {
        const QString group = device.group().isEmpty() ? QStringLiteral("dialout") : device.group();
        return QStringLiteral("You may not use the serial port %1. Join the group \"%2\" (sudo usermod "
                              "-aG %2 $USER), then log out and log in again: a new group counts only from "
                              "the next login.")
            .arg(path, group);
    }
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("There is no serial port %1. Check that the unit's cable or USB adapter is "
                              "plugged in, and choose the right device for the COM port in the options "
                              "(USB adapters appear as /dev/ttyUSB* or /dev/ttyACM*, with stable names under "
                              "/dev/serial/by-id/; built-in ports are /dev/ttyS*).")
            .arg(path);
    default:
        return QStringLiteral("The serial port %1 could not be opened; it may be in use by another program "
                              "(close it, or stop ModemManager if it grabs the port) and try again.")
            .arg(path);
    }
}

bool SerialTransport::Open(const QString& path, int rate) {
    Close();
    error_.clear();
    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = OpenFailureText(path, port_.error());
        return false;
    }
    const bool configured = port_.setBaudRate(rate) && port_.setDataBits(QSerialPort::Data8) &&
                            port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        error_ = QStringLiteral("The serial port %1 does not accept %2 baud, 8 data bits, no parity.")
                     .arg(path)
                     .arg(rate);
        port_.close();
        return false;
    }
    port_.clear();
    return true;
}

void SerialTransport::Close() {
    if (port_.isOpen())
        port_.close();
}

void SerialTransport::Write(const QByteArray& bytes) {
    if (port_.isOpen())
        port_.write(bytes);
}

bool SerialTransport::HungUp() const {
    pollfd fd{int(port_.handle()), POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void SerialTransport::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || !port_.isOpen())
        return;
    // A read or write error is only lost when the device hung up: a read
    // that ends at the device's end is reported as a read error, with
    // whatever errno was left, and would leave the link waiting for replies
    // that cannot come.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::PermissionError ||
                      error == QSerialPort::DeviceNotFoundError ||
                      ((error == QSerialPort::ReadError || error == QSerialPort::WriteError) && HungUp());
    if (!gone)
        return;
    const QString reason = port_.errorString();
    port_.close();
    emit Lost(reason);
}

} // namespace linkpod
