#include "app/RecentFiles.h"

namespace app {

void RecentFiles::Add(const QString& path) {
    entries_.removeAll(path);
    entries_.prepend(path);
    while (entries_.size() > Max)
        entries_.removeLast();
}

void RecentFiles::Set(int index, const QString& path) {
    if (index < 0 || index >= Max || path.isEmpty())
        return;
    while (entries_.size() <= index)
        entries_.append(QString());
    entries_[index] = path;
    entries_.removeAll(QString());
}

} // namespace app
