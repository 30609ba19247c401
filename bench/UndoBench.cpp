// One undo snapshot and one restore of the largest GPS data set: time, and the
// memory that one and fifty snapshots hold.

#include "MaxDataSet.h"

#include "mapview/UndoStack.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace {

// Resident memory of this process in bytes.
long long ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

} // namespace

int main() {
    gpsdata::GPSData data;
    bench::FillMaxDataSet(data);
    mapview::UndoStack stack(data);
    constexpr int Rounds = 20;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Rounds; ++i) {
        stack.ClearUndoStack();
        stack.PushUndoOperation(false, QStringLiteral("Drop Waypoint"));
    }
    const double snapshotMs = timer.nsecsElapsed() / 1e6 / Rounds;

    qint64 restoreNs = 0;
    for (int i = 0; i < Rounds; ++i) {
        stack.ClearUndoStack();
        stack.PushUndoOperation(false, QStringLiteral("Drop Waypoint"));
        timer.restart();
        stack.PerformUndoOperation(); // also saves the state after the command
        restoreNs += timer.nsecsElapsed();
    }
    const double undoMs = restoreNs / 1e6 / Rounds;

    stack.ClearUndoStack();
    const long long before = ResidentBytes();
    for (int i = 0; i < mapview::UndoStack::MaxEntries; ++i)
        stack.PushUndoOperation(false, QStringLiteral("Drop Waypoint"));
    const long long fifty = ResidentBytes() - before;

    std::printf("snapshot of the largest data set: %.2f ms (aim < 2)\n", snapshotMs);
    std::printf("first undo (one snapshot of the state after, one restore): %.2f ms\n", undoMs);
    std::printf("memory: %.2f MB per snapshot, %.1f MB for %d snapshots\n", fifty / 1e6 / 50, fifty / 1e6,
                mapview::UndoStack::MaxEntries);
    return 0;
}
