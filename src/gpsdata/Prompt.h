#pragma once

#include <QString>

// The core never shows a window. Everything it has to tell or ask the user goes
// through these small interfaces: the desktop program implements them with real
// dialogs, the command-line tool with text, and tests with recorders that also
// answer questions.
namespace ui {

// The program's own title, used by message boxes that name no area.
inline QString ProgramTitle() {
    return QStringLiteral("Terrafold");
}

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class Prompt {
public:
    virtual ~Prompt() = default;

    // Shows a message box and returns the button pressed. A message with only
    // an OK button returns Answer::Ok.
    virtual Answer Ask(const QString& title, const QString& text, Buttons buttons, Icon icon) = 0;

    void Message(const QString& title, const QString& text, Icon icon = Icon::None) {
        Ask(title, text, Buttons::Ok, icon);
    }
};

// Progress of a long operation (transfers, map builds, loads and saves).
class Progress {
public:
    virtual ~Progress() = default;
    virtual void Begin(const QString& caption) = 0;
    virtual void SetValue(int percent) = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void End() = 0;
    // True once the user asked to cancel.
    virtual bool Cancelled() const = 0;
};

// The main window's status bar, by panel number (0-based).
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void SetStatusText(int panel, const QString& text) = 0;
};

} // namespace ui
