#pragma once

#include "linkpod/UserDataStore.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QSaveFile>
#include <QTimer>

#include <memory>

namespace linkpod {

// Reads or writes a ".usr" file a slice per timer tick, reporting progress,
// so the user interface stays alive with the largest data set. A write goes
// to a temporary file beside the target that replaces it only when complete;
// a read changes the store only when the whole file was sound.
class UsrFileJob : public QObject {
    Q_OBJECT
public:
    explicit UsrFileJob(QObject* parent = nullptr);

    // System error codes a failed save reports.
    static constexpr int SaveOk = 0;
    static constexpr int AccessDenied = 5;
    static constexpr int DiskFull = 112;
    static constexpr int WriteFault = 29;
    static constexpr int PathNotFound = 3;

    // A job already running is abandoned (its target stays as it was).
    void Save(const QString& path, const UserDataStore& store, const QDateTime& when);
    void Load(const QString& path, UserDataStore* store, const StoreCapacity& capacity);
    bool Running() const { return timer_.isActive(); }
    // Stops the running job without an end event: a save leaves the target
    // as it was and no temporary file behind, a load leaves the store alone.
    void Cancel();

    // Files larger than this are not user data files of ours.
    static constexpr qint64 MaxFileSize = 512ll << 20;

signals:
    void Progress(int percent);
    void SaveEnded(int result);
    void LoadEnded(int result);

private:
    void Step();
    void FinishSave(int result);
    void FinishLoad(int result);
    static int SaveError(const QFileDevice& file, const QString& path);

    enum class Mode { Idle, Saving, Loading };
    Mode mode_ = Mode::Idle;
    QTimer timer_;
    QString path_;
    QByteArray bytes_;
    qsizetype done_ = 0;
    std::unique_ptr<QSaveFile> out_;
    std::unique_ptr<QFile> in_;
    UserDataStore* target_ = nullptr;
    StoreCapacity capacity_;
};

} // namespace linkpod
