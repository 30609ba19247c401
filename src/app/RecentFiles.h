#pragma once

#include <QStringList>

namespace app {

// The recent-file menu's entries, newest first, at most four.
class RecentFiles {
public:
    static constexpr int Max = 4;

    // Puts the file first; an entry already there moves up.
    void Add(const QString& path);
    // Entry `index` (0 to 3) as a file names it.
    void Set(int index, const QString& path);
    void Remove(const QString& path) { entries_.removeAll(path); }
    const QStringList& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    QStringList entries_;
};

} // namespace app
