#include "UnitSession.h"

#include "comm/LurchErrorReaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace cli {

ui::Answer TextPrompt::Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon) {
    shown_ = true;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    err_ << title << ": " << lines << '\n';
    if (buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel) {
        err_ << "  (answered Yes)\n";
        err_.flush();
        return ui::Answer::Yes;
    }
    err_.flush();
    return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Retry;
}

void TextProgress::Begin(const QString& caption) {
    caption_ = caption;
    last_ = -1;
    err_ << caption << '\n';
    err_.flush();
}

void TextProgress::SetValue(int percent) {
    if (percent == last_)
        return;
    last_ = percent;
    err_ << caption_ << ' ' << percent << "%\n";
    err_.flush();
}

UnitSession::UnitSession(QTextStream& err) : prompt(err), progress(err) {
    session.SetPrompt(&prompt);
    upload.SetPrompt(&prompt);
    upload.SetProgress(&progress);
    partitions.SetPrompt(&prompt);
    cards.SetPrompt(&prompt);
    cards.SetProgress(&progress);
    QObject::connect(&session, &comm::Connection::LurchError, [this](quint16 code) {
        const comm::LurchErrorReaction r = comm::LurchErrorReaction::For(code, session.ComPort());
        if (!r.text.isEmpty())
            prompt.Message(r.title, r.text, r.icon);
    });
    QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) { uploads << ok; });
}

bool UnitSession::WaitFor(const std::function<bool()>& done, int seconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

bool UnitSession::WaitForUpload(int seconds) {
    const bool ended = WaitFor([this] { return !uploads.isEmpty(); }, seconds);
    return ended && uploads.last();
}

} // namespace cli
