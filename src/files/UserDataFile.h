#pragma once

#include <QObject>
#include <QString>

namespace gpsdata {
class GPSData;
}
namespace linkpod {
class LinkPod;
}
namespace ui {
class Progress;
class Prompt;
} // namespace ui

namespace files {

// Opens and saves the data set as a ".usr" file through the communication
// control: the control reads or writes the file into or from its data store
// and reports the end by an event, so both run on after the call returns and
// end with Finished. While the control reads or writes, the progress shows
// the percentage and a cancel there stops the control: a cancelled open
// leaves the data set as it was, a cancelled save leaves the old file, and
// neither is told as a failure (Finished(false), Cancelled() true).
class UserDataFile : public QObject {
    Q_OBJECT
public:
    UserDataFile(gpsdata::GPSData& data, linkpod::LinkPod& pod, ui::Prompt* prompt, ui::Progress* progress,
                 QObject* parent = nullptr);

    // Records replace objects with their index. With `replace` the data set
    // is emptied once the file has been read, so a file that cannot be read
    // changes nothing. Problems are the data set's FileError texts.
    void Open(const QString& path, bool replace = false);
    // Problems are message boxes titled "Error" (FileError texts when there is
    // no prompt).
    void Save(const QString& path);

    bool Cancelled() const { return cancelled_; }

    static QString LoadFailureText(int result);
    static QString SaveFailureText(int result);

signals:
    void Finished(bool ok);

private:
    // The control's progress, where the user may cancel.
    void ControlProgressed(int percent);
    void Progressed(int percent);
    void Loaded(int result);
    void Saved(int result);
    void ShowAllGPSData();
    void FillStore();
    void Detach();
    void Done(bool ok);

    gpsdata::GPSData& data_;
    linkpod::LinkPod& pod_;
    ui::Prompt* prompt_;
    ui::Progress* progress_;
    QList<QMetaObject::Connection> attached_;
    bool replace_ = false;
    bool cancelled_ = false;
};

} // namespace files
