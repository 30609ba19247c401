#pragma once

#include "gpsdata/Prompt.h"

class QWidget;

namespace app {

// Message boxes for the core's messages and questions.
class GuiPrompt : public ui::Prompt {
public:
    explicit GuiPrompt(QWidget* owner = nullptr) : owner_(owner) {}

    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon icon) override;

private:
    QWidget* owner_;
};

} // namespace app
