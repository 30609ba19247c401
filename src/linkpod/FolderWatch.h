#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace linkpod {

// Follows a card reader's folder: its entries changing (a card put in, files
// copied on by another program) and the folder going away (the reader
// unplugged, the card taken out of a mounted slot). The file system tells of
// most changes; an unmounted folder may say nothing, so its presence is also
// looked at now and then.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QString folder, QObject* parent = nullptr);

signals:
    void Changed();
    // Once: the folder is gone, and the watch stops.
    void Vanished();

private:
    void Look();

    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer presence_;
};

} // namespace linkpod
