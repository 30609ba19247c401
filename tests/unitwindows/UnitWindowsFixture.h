#pragma once

#include "../comm/SessionFixture.h"

#include "mapview/UndoStack.h"
#include "unitwindows/UnitConnect.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmProgress.h"

namespace unitwindows_testing {

// The comm tests' session with the connect command, the transfers and the progress window on top.
class UnitWindowsFixture : public comm_testing::SessionFixture {
protected:
    UnitWindowsFixture() {
        unit.SetPortSource([] { return QList<unitwindows::SerialPortList::Entry>{}; });
        QObject::connect(&transfers.Engine(), &comm::TransferEngine::Finished,
                         [this](bool complete) { finished << complete; });
    }

    // Runs a transfer started by `start` to its end; false when it never ended.
    bool Run(const std::function<void()>& start) {
        const auto before = finished.size();
        start();
        return comm_testing::WaitFor([&] { return finished.size() > before; });
    }

    mapview::UndoStack undo{data};
    unitwindows::frmProgress progress;
    unitwindows::UnitConnect unit{session, prompt, status, nullptr};
    unitwindows::UnitTransfers transfers{session, data, undo, prompt, status, progress, nullptr};
    QList<bool> finished;
};

} // namespace unitwindows_testing
