#include "app/GuiPrompt.h"

#include <QMessageBox>

namespace app {

namespace {

QMessageBox::Icon BoxIcon(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::Information:
        return QMessageBox::Information;
    case ui::Icon::Exclamation:
        return QMessageBox::Warning;
    case ui::Icon::Critical:
        return QMessageBox::Critical;
    case ui::Icon::Question:
        return QMessageBox::Question;
    case ui::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(ui::Buttons buttons) {
    switch (buttons) {
    case ui::Buttons::Ok:
        return QMessageBox::Ok;
    case ui::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case ui::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case ui::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case ui::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case ui::Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

ui::Answer ToAnswer(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return ui::Answer::Ok;
    case QMessageBox::Yes:
        return ui::Answer::Yes;
    case QMessageBox::No:
        return ui::Answer::No;
    case QMessageBox::Retry:
        return ui::Answer::Retry;
    case QMessageBox::Abort:
        return ui::Answer::Abort;
    case QMessageBox::Ignore:
        return ui::Answer::Ignore;
    default:
        return ui::Answer::Cancel;
    }
}

} // namespace

ui::Answer GuiPrompt::Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon icon) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(BoxIcon(icon), title.isEmpty() ? ui::ProgramTitle() : title, shown, BoxButtons(buttons),
                    owner_);
    box.setObjectName(QStringLiteral("msgPrompt"));
    if (buttons == ui::Buttons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return ToAnswer(box.exec());
}

} // namespace app
