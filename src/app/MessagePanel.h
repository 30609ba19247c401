#pragma once

#include "app/StatusPanels.h"

namespace app {

// Sends a core object's status texts to the message panel whatever panel it
// names, so that the connection panel keeps showing the link's state.
class MessagePanel : public ui::StatusSink {
public:
    explicit MessagePanel(StatusPanels& panels) : panels_(panels) {}
    void SetStatusText(int, const QString& text) override {
        panels_.SetStatusText(StatusPanels::Message, text);
    }

private:
    StatusPanels& panels_;
};

} // namespace app
