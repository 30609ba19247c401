#pragma once

#include "gpsdata/Prompt.h"

#include <QTextStream>

namespace cli {

// Message boxes become lines on the error stream. Questions get the answer the
// command chose for them; a retry is never taken, so nothing loops unattended.
class ErrorStreamPrompt : public ui::Prompt {
public:
    ErrorStreamPrompt(QTextStream& err, const char* command, ui::Answer questions = ui::Answer::Cancel)
        : err_(err), command_(command), questions_(questions) {}
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon) override;
    int Shown() const { return shown_; }

private:
    QTextStream& err_;
    const char* command_;
    ui::Answer questions_;
    int shown_ = 0;
};

} // namespace cli
