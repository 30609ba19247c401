#include "UnitTransfer.h"

#include "CliCommand.h"

namespace cli {

UnitTransfer::UnitTransfer(UnitSession& unit, gpsdata::GPSData& data)
    : unit_(unit), engine_(unit.session, data) {
    engine_.SetPrompt(&unit.prompt);
    engine_.SetProgress(&unit.progress);
    engine_.SetStatus(&unit.progress);
}

bool UnitTransfer::Run(void (comm::TransferEngine::*start)(comm::TransferSelection),
                       const comm::TransferSelection& selection) {
    std::optional<bool> complete;
    const auto finished =
        QObject::connect(&engine_, &comm::TransferEngine::Finished, [&complete](bool ok) { complete = ok; });
    const int shownBefore = unit_.prompt.Shown();
    (engine_.*start)(selection);
    // The engine ends every transfer itself: on its last item, a link error
    // or the reply timeout.
    UnitSession::WaitFor([&] { return complete.has_value() || !engine_.Busy(); }, 24 * 3600);
    QObject::disconnect(finished);
    const bool ok = complete.value_or(false);
    if (ok)
        unit_.err << unit_.progress.LastStep() << Qt::endl;
    else if (unit_.prompt.Shown() == shownBefore)
        unit_.err << "terrafold-cli " << unit_.command << ": the transfer was broken off" << Qt::endl;
    return ok;
}

bool UnitTransfer::Download(const comm::TransferSelection& selection) {
    return Run(&comm::TransferEngine::Download, selection);
}

bool UnitTransfer::Upload(const comm::TransferSelection& selection, bool sendWhatFits) {
    ErrorStreamPrompt yes(unit_.err, unit_.command, ui::Answer::Yes);
    if (sendWhatFits)
        engine_.SetPrompt(&yes);
    const bool complete = Run(&comm::TransferEngine::Upload, selection);
    engine_.SetPrompt(&unit_.prompt);
    return complete;
}

comm::TransferSelection UnitTransfer::Kinds(const QString& list) {
    const comm::KindRange none = comm::KindRange::Nothing();
    comm::TransferSelection selection{none, none, none, none};
    static const std::pair<const char*, comm::KindRange comm::TransferSelection::*> names[] = {
        {"waypoints", &comm::TransferSelection::waypoints},
        {"routes", &comm::TransferSelection::routes},
        {"icons", &comm::TransferSelection::icons},
        {"trails", &comm::TransferSelection::trails},
    };
    for (const QString& kind : list.split(u',', Qt::SkipEmptyParts)) {
        const auto named = std::find_if(std::begin(names), std::end(names),
                                        [&](const auto& n) { return kind == QLatin1String(n.first); });
        if (named == std::end(names))
            throw UsageError("unknown kind '" + kind.toStdString() + "' (waypoints, routes, icons, trails)");
        selection.*(named->second) = comm::KindRange::Everything();
    }
    return selection;
}

} // namespace cli
