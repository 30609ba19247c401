#include "files/UserDataFile.h"

#include "files/SectionMessages.h"
#include "files/UserRecords.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "linkpod/LinkPod.h"
#include "linkpod/UsrFileJob.h"
#include "linkpod/UsrFormat.h"

#include <QDateTime>

namespace files {

UserDataFile::UserDataFile(gpsdata::GPSData& data, linkpod::LinkPod& pod, ui::Prompt* prompt,
                           ui::Progress* progress, QObject* parent)
    : QObject(parent), data_(data), pod_(pod), prompt_(prompt), progress_(progress) {}

QString UserDataFile::LoadFailureText(int result) {
    switch (result) {
    case linkpod::usr::NotFound:
        return QStringLiteral("The file cannot be opened.");
    case linkpod::usr::Incompatible:
        return QStringLiteral("The file is not a user data file.");
    case linkpod::usr::TooMuch:
        return QStringLiteral("The file holds more records than can be loaded.");
    default:
        return QStringLiteral("The file is damaged.");
    }
}

QString UserDataFile::SaveFailureText(int result) {
    switch (result) {
    case linkpod::UsrFileJob::DiskFull:
        return QStringLiteral("There is not enough space on the device.");
    case linkpod::UsrFileJob::AccessDenied:
        return QStringLiteral("Access to this file is denied.");
    default:
        return QStringLiteral("An error occured has occured during the saving process.");
    }
}

void UserDataFile::Open(const QString& path, bool replace) {
    replace_ = replace;
    cancelled_ = false;
    data_.SetPath(path);
    Detach();
    attached_ << connect(&pod_, &linkpod::LinkPod::UserDataProgress, this, &UserDataFile::ControlProgressed)
              << connect(&pod_, &linkpod::LinkPod::UserDataLoaded, this, &UserDataFile::Loaded);
    if (progress_)
        progress_->Begin(QStringLiteral("Loading ") + path);
    pod_.ReadUserDataFile(path);
}

void UserDataFile::Save(const QString& path) {
    cancelled_ = false;
    data_.SetPath(path);
    Detach();
    attached_ << connect(&pod_, &linkpod::LinkPod::UserDataProgress, this, &UserDataFile::ControlProgressed)
              << connect(&pod_, &linkpod::LinkPod::UserDataSaved, this, &UserDataFile::Saved);
    if (progress_)
        progress_->Begin(QStringLiteral("Saving ") + path);
    FillStore();
    pod_.WriteUserDataFile(path, QDateTime::currentDateTime());
}

void UserDataFile::ControlProgressed(int percent) {
    if (progress_ && progress_->Cancelled()) {
        // Only the control's store has been touched so far: the data set is
        // filled once the whole file has been read, and a write replaces the
        // old file only when complete.
        cancelled_ = true;
        pod_.CancelUserDataFile();
        pod_.Store().Clear();
        return Done(false);
    }
    Progressed(percent);
}

void UserDataFile::Progressed(int percent) {
    if (!progress_)
        return;
    progress_->SetValue(percent);
    progress_->SetText(QString::number(percent) + "%");
}

void UserDataFile::Loaded(int result) {
    if (result != linkpod::usr::Loaded) {
        // The store is untouched by a failed read; nothing reaches the data set.
        SectionMessages::Raise(data_, "Error opening " + data_.Path() + SectionMessages::CrLf +
                                          LoadFailureText(result));
        return Done(false);
    }
    if (replace_) {
        const QString path = data_.Path();
        data_.NewGPSDataFile();
        data_.SetPath(path);
    }
    ShowAllGPSData();
    pod_.Store().Clear();
    data_.SetDirty(false);
    Done(true);
}

void UserDataFile::Saved(int result) {
    pod_.Store().Clear();
    const bool ok = result == linkpod::UsrFileJob::SaveOk;
    if (ok)
        data_.SetDirty(false);
    if (progress_)
        progress_->SetValue(100);
    if (!ok && prompt_)
        prompt_->Message(QStringLiteral("Error"), SaveFailureText(result), ui::Icon::Critical);
    else if (!ok) // nobody to show a box to: the failure is still told
        SectionMessages::Raise(data_, "Error saving " + data_.Path() + SectionMessages::CrLf +
                                          SaveFailureText(result));
    Done(ok);
}

void UserDataFile::ShowAllGPSData() {
    const linkpod::UserDataStore& store = pod_.Store();
    const int total =
        store.waypoints.Count() + store.routes.Count() + store.icons.Count() + store.trails.Count();
    int done = 0;
    const auto step = [&] {
        if (progress_ && total > 0 && ++done % 64 == 0)
            Progressed(done * 100 / total);
    };
    // Waypoints first: routes refer to them.
    for (const auto& w : store.waypoints.All()) {
        UserRecords::GetUserWaypoint(data_, w);
        step();
    }
    for (const auto& r : store.routes.All()) {
        UserRecords::GetUserRoute(data_, r);
        step();
    }
    for (const auto& i : store.icons.All()) {
        UserRecords::GetUserIcon(data_, i);
        step();
    }
    for (const auto& t : store.trails.All()) {
        UserRecords::GetUserTrail(data_, t);
        step();
    }
    if (progress_)
        progress_->SetValue(100);
}

void UserDataFile::FillStore() {
    linkpod::UserDataStore& store = pod_.Store();
    store.Clear();
    for (const auto& entry : data_.Waypoints())
        store.waypoints.Put(UserRecords::SetUserWaypoint(*entry.object));
    for (const auto& entry : data_.Routes())
        store.routes.Put(UserRecords::SetUserRoute(*entry.object));
    for (const auto& entry : data_.Icons())
        store.icons.Put(UserRecords::SetUserIcon(*entry.object));
    for (const auto& entry : data_.Trails())
        store.trails.Put(UserRecords::SetUserTrail(*entry.object));
}

void UserDataFile::Detach() {
    for (const auto& c : attached_)
        disconnect(c);
    attached_.clear();
}

void UserDataFile::Done(bool ok) {
    Detach();
    if (progress_)
        progress_->End();
    emit Finished(ok);
}

} // namespace files
