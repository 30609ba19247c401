#include "linkpod/WriteBatch.h"

namespace linkpod {

namespace {

// Bytes of one batch, and the pause in writing that sends a batch before it
// is full.
constexpr int BatchBytes = 4096;
constexpr int PauseMs = 20;

} // namespace

WriteBatch::WriteBatch(Sender send, QObject* parent) : QObject(parent), send_(std::move(send)) {
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    connect(&pause_, &QTimer::timeout, this, &WriteBatch::Flush);
}

void WriteBatch::Add(Command kind, const QByteArray& record) {
    if (kind_ != kind || records_.size() + record.size() > BatchBytes)
        Flush();
    kind_ = kind;
    records_ += record;
    pause_.start();
}

void WriteBatch::Flush() {
    pause_.stop();
    if (!records_.isEmpty())
        send_(kind_, std::exchange(records_, {}));
}

void WriteBatch::Drop() {
    pause_.stop();
    records_.clear();
}

} // namespace linkpod
