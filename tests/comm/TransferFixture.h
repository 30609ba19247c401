#pragma once

#include "SessionFixture.h"

#include "comm/TransferEngine.h"

#include <functional>

namespace comm_testing {

// A session with a transfer engine that reports to the same recorders.
class Transfer : public SessionFixture {
protected:
    Transfer() {
        engine.SetPrompt(&prompt);
        engine.SetProgress(&progress);
        engine.SetStatus(&status);
        QObject::connect(&engine, &comm::TransferEngine::Finished, [this](bool ok) { results << ok; });
    }

    // A unit at 115200 baud with `args`, connected (and the data set filled).
    void Start(const QStringList& args) {
        StartUnit(args, 115200);
        ConnectAt(115200);
    }
    void StartFilled(const QStringList& args = {}) {
        Start(args);
        FillEveryKind(data);
    }

    bool Run(const std::function<void()>& start) {
        const auto before = results.size();
        start();
        return WaitFor([&] { return results.size() > before; });
    }

    comm::TransferEngine engine{session, data};
    testing_support::RecordingProgress progress;
    QList<bool> results;
};

} // namespace comm_testing
