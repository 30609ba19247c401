#include "ErrorStreamPrompt.h"

namespace cli {

ui::Answer ErrorStreamPrompt::Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon) {
    err_ << "terrafold-cli " << command_ << ": " << title << ": "
         << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
    ++shown_;
    switch (buttons) {
    case ui::Buttons::Ok:
        err_ << Qt::endl;
        return ui::Answer::Ok;
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoCancel:
        if (questions_ == ui::Answer::Yes) {
            err_ << " (answered Yes)" << Qt::endl;
            return ui::Answer::Yes;
        }
        err_ << " (declined)" << Qt::endl;
        return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Cancel;
    case ui::Buttons::AbortRetryIgnore:
        err_ << Qt::endl;
        return ui::Answer::Abort;
    default:
        err_ << Qt::endl;
        return ui::Answer::Cancel;
    }
}

} // namespace cli
