#pragma once

#include "linkpod/Command.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

namespace linkpod {

// Item records held back to go to the unit in batches of one kind. A batch
// leaves when the next record would overfill it or is of another kind, when
// the writes pause, or when Flush is called before any other request, so
// that request is answered after the writes.
class WriteBatch : public QObject {
    Q_OBJECT
public:
    using Sender = std::function<void(Command kind, const QByteArray& records)>;

    explicit WriteBatch(Sender send, QObject* parent = nullptr);

    void Add(Command kind, const QByteArray& record);
    void Flush();
    // Forgets the records not sent yet.
    void Drop();
    bool Holds() const { return !records_.isEmpty(); }

private:
    Sender send_;
    Command kind_ = Command::PutWaypoint;
    QByteArray records_;
    QTimer pause_;
};

} // namespace linkpod
