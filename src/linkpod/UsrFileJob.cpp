#include "linkpod/UsrFileJob.h"

#include "linkpod/UsrFormat.h"

#include <QFileInfo>

#include <cerrno>

namespace linkpod {

namespace {
constexpr qsizetype Slice = 64 * 1024;
}

UsrFileJob::UsrFileJob(QObject* parent) : QObject(parent) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &UsrFileJob::Step);
}

void UsrFileJob::Save(const QString& path, const UserDataStore& store, const QDateTime& when) {
    timer_.stop();
    in_.reset();
    out_ = std::make_unique<QSaveFile>(path); // dropping an old one discards its temporary file
    mode_ = Mode::Saving;
    path_ = path;
    bytes_ = usr::Encode(store, when);
    done_ = 0;
    if (!out_->open(QIODevice::WriteOnly)) {
        const int error = SaveError(*out_, path);
        QTimer::singleShot(0, this, [this, error] { FinishSave(error); });
        return;
    }
    timer_.start();
}

void UsrFileJob::Load(const QString& path, UserDataStore* store, const StoreCapacity& capacity) {
    timer_.stop();
    out_.reset();
    in_ = std::make_unique<QFile>(path);
    mode_ = Mode::Loading;
    path_ = path;
    target_ = store;
    capacity_ = capacity;
    bytes_.clear();
    done_ = 0;
    int early = -1;
    if (!in_->open(QIODevice::ReadOnly))
        early = usr::NotFound;
    else if (in_->size() > MaxFileSize)
        early = usr::Incompatible;
    if (early >= 0) {
        QTimer::singleShot(0, this, [this, early] { FinishLoad(early); });
        return;
    }
    bytes_.reserve(in_->size());
    timer_.start();
}

int UsrFileJob::SaveError(const QFileDevice& file, const QString& path) {
    const int err = errno;
    if (file.error() == QFileDevice::ResourceError || err == ENOSPC || err == EDQUOT)
        return DiskFull;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return PathNotFound;
    if (QFileInfo(path).isDir())
        return AccessDenied; // a folder of that name cannot be replaced
    if (file.error() == QFileDevice::PermissionsError || file.error() == QFileDevice::OpenError ||
        file.error() == QFileDevice::RenameError)
        return AccessDenied;
    return WriteFault;
}

void UsrFileJob::Step() {
    if (mode_ == Mode::Saving) {
        const QByteArrayView part =
            QByteArrayView(bytes_).sliced(done_, std::min(Slice, bytes_.size() - done_));
        if (out_->write(part.data(), part.size()) != part.size()) {
            FinishSave(SaveError(*out_, path_));
            return;
        }
        done_ += part.size();
        emit Progress(static_cast<int>(done_ * 100 / std::max<qsizetype>(bytes_.size(), 1)));
        if (mode_ != Mode::Saving) // cancelled by a listener of the progress
            return;
        if (done_ == bytes_.size())
            // commit() misses a write that fails while the buffer empties: flush first.
            FinishSave(out_->flush() && out_->commit() ? SaveOk : SaveError(*out_, path_));
        return;
    }
    if (mode_ == Mode::Loading) {
        const QByteArray part = in_->read(Slice);
        bytes_.append(part);
        const qint64 size = std::max<qint64>(in_->size(), 1);
        emit Progress(static_cast<int>(std::min<qint64>(bytes_.size() * 100 / size, 100)));
        if (mode_ != Mode::Loading) // cancelled by a listener of the progress
            return;
        if (part.isEmpty() || in_->atEnd())
            FinishLoad(in_->error() == QFileDevice::NoError ? usr::Decode(bytes_, capacity_, *target_)
                                                            : usr::NotFound);
    }
}

void UsrFileJob::Cancel() {
    timer_.stop();
    mode_ = Mode::Idle;
    out_.reset();
    in_.reset();
    bytes_.clear();
}

void UsrFileJob::FinishSave(int result) {
    timer_.stop();
    mode_ = Mode::Idle;
    out_.reset(); // an uncommitted save drops its temporary file; the target stays as it was
    bytes_.clear();
    emit SaveEnded(result);
}

void UsrFileJob::FinishLoad(int result) {
    timer_.stop();
    mode_ = Mode::Idle;
    in_.reset();
    bytes_.clear();
    emit LoadEnded(result);
}

} // namespace linkpod
