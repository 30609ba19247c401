#pragma once

#include "ErrorStreamPrompt.h"
#include "StreamProgress.h"

#include "carver/Carver.h"
#include "comm/CardOperations.h"
#include "comm/Connection.h"
#include "comm/FlashPartitions.h"
#include "comm/MapUpload.h"
#include "comm/UnitIdentity.h"
#include "gpsdata/GPSData.h"
#include "linkpod/LinkPod.h"
#include "mapbuild/MapData.h"

#include <QTextStream>

#include <functional>

namespace cli {

// The communication control, the session and the map window's partition and
// card lists, as the desktop program holds them, for the commands that talk
// to a unit or the card reader. A unit sits on one serial device, taken as
// COM1; its identification is taken over by `data`. Messages, link errors
// and progress go to the error stream.
struct UnitSession {
    UnitSession(gpsdata::GPSData& data, QTextStream& err, const char* command,
                ui::Answer questions = ui::Answer::Cancel);

    // Starts at `baud` and scans the other rates when the unit does not
    // answer there; true once the unit told its name. False after the
    // session's message, or a line of its own when nothing answered.
    bool Connect(const QString& device, int baud);

    // Runs the event loop until `done` holds or `seconds` passed; false then.
    static bool WaitFor(const std::function<bool()>& done, int seconds);
    // Waits for the map upload's end; true when the map was taken whole.
    bool WaitForUpload(int seconds);
    // The --baud option, or the unit's usual rate without it; throws UsageError.
    static int Baud(const QString& text);
    static constexpr int UsualBaud = 115200;

    QTextStream& err;
    const char* command;
    ErrorStreamPrompt prompt;
    StreamProgress progress;
    linkpod::LinkPod pod;
    comm::Connection session{pod};
    comm::UnitIdentity identity;
    Carver carver;
    mapbuild::MapData map{carver};
    comm::MapUpload upload{session};
    comm::FlashPartitions partitions{session, map, upload};
    comm::CardOperations cards{session, upload};
    QList<bool> uploads; // each finished map upload, whole or not
};

} // namespace cli
