#pragma once

#include "comm/TransferSelection.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace unitwindows {

// The last transfer selection in the words of the settings file: for each
// kind the name of the transfer window's checked option (optWptAll,
// optRteNone, optIcnRange, ...) and the values of its up-downs (udWptMin,
// udWptMax, ...), which count items from 1 as the window shows them.
class TransferSettings {
public:
    using Values = QList<QPair<QString, qint64>>;

    static QStringList Options(const comm::TransferSelection& selection);
    static Values UpDownValues(const comm::TransferSelection& selection);
    // What the lines say; a kind they leave out, name wrongly or give
    // values out of reach keeps its choice in `base`. The last line of a
    // name counts.
    static comm::TransferSelection Read(const QStringList& options, const Values& values,
                                        comm::TransferSelection base = {});
};

} // namespace unitwindows
