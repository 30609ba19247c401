#pragma once

#include "gpsdata/Prompt.h"

#include <QTextStream>

namespace cli {

// Message boxes become lines on the error stream; questions are declined.
class ErrorStreamPrompt : public ui::Prompt {
public:
    ErrorStreamPrompt(QTextStream& err, const char* command) : err_(err), command_(command) {}
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons, ui::Icon) override {
        err_ << "terrafold-cli " << command_ << ": " << title << ": "
             << QString(text).replace("\r\n", " ").trimmed() << Qt::endl;
        ++shown_;
        return ui::Answer::Cancel;
    }
    int Shown() const { return shown_; }

private:
    QTextStream& err_;
    const char* command_;
    int shown_ = 0;
};

} // namespace cli
