#pragma once

#include "UnitSession.h"

#include "comm/TransferEngine.h"

namespace cli {

// One transfer of the download and upload commands over a connected
// session, run to its end on an event loop; the outcome's status text
// closes the progress lines.
class UnitTransfer {
public:
    UnitTransfer(UnitSession& unit, gpsdata::GPSData& data);

    // True when the transfer completed.
    bool Download(const comm::TransferSelection& selection);
    // With `sendWhatFits`, the question whether to send the rest when the
    // unit cannot take everything is answered Yes.
    bool Upload(const comm::TransferSelection& selection, bool sendWhatFits = false);

    // "waypoints,routes,icons,trails" (any of them, in any order): All for
    // the kinds named, None for the others. Throws UsageError.
    static comm::TransferSelection Kinds(const QString& list);
    static constexpr const char* AllKinds = "waypoints,routes,icons,trails";

private:
    bool Run(void (comm::TransferEngine::*start)(comm::TransferSelection),
             const comm::TransferSelection& selection);

    UnitSession& unit_;
    comm::TransferEngine engine_;
};

} // namespace cli
