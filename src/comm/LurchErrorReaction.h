#pragma once

#include "gpsdata/Prompt.h"

#include <QString>

namespace comm {

// What the main window does with a link error code of the session: the message
// box (if any) and whether the progress window closes, the transfer stops and
// the program beeps.
struct LurchErrorReaction {
    QString title;
    QString text; // empty: no message box
    ui::Icon icon = ui::Icon::Critical;
    bool closesProgress = false;
    bool cancelsTransfer = false;
    bool beeps = false;

    // comPort names the port in the "no connection" message; `detail` is the
    // control's own words for a code it has no fixed text for (what the unit
    // refused or left unanswered), shown in a box rather than only a beep.
    static LurchErrorReaction For(quint16 code, quint16 comPort, const QString& detail = {});
};

} // namespace comm
