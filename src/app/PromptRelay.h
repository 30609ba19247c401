#pragma once

#include "gpsdata/Prompt.h"

namespace app {

// The one prompt every part of the program holds; it passes each question on
// to the prompt currently in charge (the message boxes, or a test's recorder).
class PromptRelay : public ui::Prompt {
public:
    explicit PromptRelay(ui::Prompt& target) : target_(&target) {}

    void SetTarget(ui::Prompt& target) { target_ = &target; }
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon icon) override {
        return target_->Ask(title, text, buttons, icon);
    }

private:
    ui::Prompt* target_;
};

} // namespace app
