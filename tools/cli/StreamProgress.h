#pragma once

#include "gpsdata/Prompt.h"

#include <QTextStream>

namespace cli {

// The progress window and the status bar of a long unit command, as a line
// on the error stream: "Downloading Waypoints 42%", rewritten in place as the
// percentage moves. The session's connection texts get lines of their own;
// the transfer's step texts are kept, the last one being its outcome.
class StreamProgress : public ui::Progress, public ui::StatusSink {
public:
    explicit StreamProgress(QTextStream& err) : err_(err) {}

    void Begin(const QString& caption) override;
    void SetValue(int percent) override;
    void SetText(const QString&) override {}
    void End() override;
    bool Cancelled() const override { return false; }

    void SetStatusText(int panel, const QString& text) override;
    QString LastStep() const { return lastStep_; }

private:
    QTextStream& err_;
    QString caption_;
    int percent_ = -1;
    bool open_ = false; // a progress line waits for its end
    QString lastStep_;
};

} // namespace cli
