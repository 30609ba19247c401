#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace linkpod {

// A byte pipe to a unit. The protocol never knows what is behind it: a serial
// port in the program, a pseudo-terminal in tests, a memory pipe in unit tests.
class LinkTransport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens `path` at `rate` baud (8 data bits, no parity, one stop bit, no
    // flow control). On failure returns false and ErrorText() tells why and
    // what to do about it.
    virtual bool Open(const QString& path, int rate) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual void Write(const QByteArray& bytes) = 0;
    virtual QString ErrorText() const = 0;

signals:
    void BytesArrived(const QByteArray& bytes);
    // The port went away while open (cable pulled, device closed).
    void Lost(const QString& reason);
};

} // namespace linkpod
