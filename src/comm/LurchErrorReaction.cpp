#include "comm/LurchErrorReaction.h"

namespace comm {

namespace {

const QString CommunicationsError = QStringLiteral("Communications Error");

LurchErrorReaction Box(const QString& text, bool closesProgress = false) {
    LurchErrorReaction r;
    r.title = CommunicationsError;
    r.text = text;
    r.closesProgress = closesProgress;
    return r;
}

} // namespace

LurchErrorReaction LurchErrorReaction::For(quint16 code, quint16 comPort, const QString& detail) {
    switch (code) {
    case 13: // no answer at this rate: the rate scan handles it
        return {};
    case 19:
        return Box(QStringLiteral("Error transferring map."), true);
    case 20:
        return Box(QStringLiteral("Error erasing memory partition."), true);
    case 21:
        return Box(QStringLiteral("Error reading number of memory partitions."));
    case 22:
        return Box(QStringLiteral("Error reading memory partition status."));
    case 782:
        return Box(QStringLiteral("Failed to receive product information!"));
    case 1001: {
        LurchErrorReaction r = Box(QStringLiteral("No connection on COM %1.").arg(comPort));
        r.cancelsTransfer = true;
        return r;
    }
    case 2000: {
        LurchErrorReaction r = Box(QStringLiteral("Several stray messages received.\r\n"
                                                  "If NMEA or DGPS output is turned on, turn it\r\n"
                                                  "off for better transfer rates and less errors."));
        r.title = QStringLiteral("Warning");
        r.icon = ui::Icon::Exclamation;
        return r;
    }
    default: {
        LurchErrorReaction r = Box(detail, true);
        r.cancelsTransfer = true;
        r.beeps = true;
        return r;
    }
    }
}

} // namespace comm
