#include "linkpod/FolderWatch.h"

#include <QFileInfo>

namespace linkpod {

namespace {
constexpr int PresenceMs = 1000;
}

FolderWatch::FolderWatch(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) {
    watcher_.addPath(folder_);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::Look);
    presence_.setInterval(PresenceMs);
    connect(&presence_, &QTimer::timeout, this, [this] {
        if (!QFileInfo(folder_).isDir())
            Look();
    });
    presence_.start();
}

void FolderWatch::Look() {
    if (QFileInfo(folder_).isDir())
        return emit Changed();
    presence_.stop();
    watcher_.removePaths(watcher_.directories());
    emit Vanished();
}

} // namespace linkpod
