#pragma once

#include "gpsdata/Prompt.h"

namespace app {

// The map estimate's and build's busy state: their text in the message panel
// and the busy pointer until they end. They cannot be cancelled.
class BusyStatus : public ui::Progress {
public:
    explicit BusyStatus(ui::StatusSink& status) : status_(status) {}
    ~BusyStatus() override;

    void Begin(const QString& caption) override;
    void SetValue(int) override {}
    void SetText(const QString& text) override;
    void End() override;
    bool Cancelled() const override { return false; }

private:
    ui::StatusSink& status_;
    bool busy_ = false;
};

} // namespace app
