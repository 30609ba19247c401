#pragma once

#include "ErrorStreamPrompt.h"
#include "StreamProgress.h"

#include "comm/Connection.h"
#include "comm/TransferEngine.h"
#include "comm/UnitIdentity.h"
#include "linkpod/LinkPod.h"

#include <QStringList>
#include <QTextStream>

namespace cli {

// The session of the download and upload commands: a unit on one serial
// device (taken as COM1), its identification taken over by the data set, and
// one transfer, each run to its end on an event loop. The session's messages
// and the progress go to the error stream.
class UnitTransfer {
public:
    UnitTransfer(gpsdata::GPSData& data, QTextStream& err, const char* command);

    // Starts at `baud` and scans the other rates when the unit does not
    // answer there. False after the session's message.
    bool Connect(const QString& device, int baud);
    // True when the transfer completed.
    bool Download(const comm::TransferSelection& selection);
    bool Upload(const comm::TransferSelection& selection);

    // "waypoints,routes,icons,trails" (any of them, in any order): All for
    // the kinds named, None for the others. Throws UsageError.
    static comm::TransferSelection Kinds(const QString& list);
    static constexpr const char* AllKinds = "waypoints,routes,icons,trails";
    // The serial rate option; throws UsageError.
    static int Baud(const QString& text);

private:
    bool Run(void (comm::TransferEngine::*start)(comm::TransferSelection),
             const comm::TransferSelection& selection);

    QTextStream& err_;
    const char* command_;
    ErrorStreamPrompt prompt_;
    StreamProgress progress_;
    linkpod::LinkPod pod_;
    comm::Connection session_{pod_};
    comm::UnitIdentity identity_;
    comm::TransferEngine engine_;
};

} // namespace cli
