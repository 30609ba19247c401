#pragma once

#include "comm/DataSetSnapshot.h"
#include "comm/TransferSelection.h"
#include "comm/TransferUserData.h"
#include "comm/UploadFit.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "linkpod/Records.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace comm {

class Connection;

// Moves waypoints, routes, icons and trails between the data set and the unit
// (or the card reader's data store) one item per step: a step sends one
// request, and only the replies it waits for arm the next step. Downloads run
// waypoints, routes, icons, trails; uploads the same order. With the card
// reader open, the items go through the control's lists, which the card's
// user data file fills before a download and takes after an upload.
class TransferEngine : public QObject {
    Q_OBJECT
public:
    // Step kinds.
    enum Kind {
        UploadWaypoints = 0,
        UploadIcons = 1,
        UploadRoutes = 2,
        UploadTrails = 3,
        MapProgramming = 4,
        DownloadWaypoints = 5,
        DownloadIcons = 6,
        DownloadRoutes = 7,
        DownloadTrails = 8,
        Idle = 9
    };
    static constexpr int StatusPanel = 0;

    TransferEngine(Connection& session, gpsdata::GPSData& data, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) {
        prompt_ = prompt;
        card_.SetPrompt(prompt);
    }
    void SetProgress(ui::Progress* progress) {
        progress_ = progress;
        card_.SetProgress(progress);
    }
    // The card's user data file shows a window of its own (the transfer's
    // progress otherwise); after SetProgress.
    void SetUserDataProgress(ui::Progress* progress) { card_.SetProgress(progress); }
    void SetStatus(ui::StatusSink* status) { status_ = status; }
    // Called before each kind of a download changes the data set, with the
    // step's name ("Download Waypoints" etc.); the main window records its
    // undo step there.
    void SetUndoHook(std::function<void(const QString&)> hook) { undo_ = std::move(hook); }

    // The transfer selection's Download and Upload: All ranges are sized from
    // the unit (download) or the data set (upload) first. A download from a
    // unit asks for the unit's memory status and sizes from its answer. An
    // upload to a unit first says what the unit cannot take and asks whether
    // to send the rest; one started right after connecting waits until the
    // unit has told its limits.
    void Download(TransferSelection selection);
    void Upload(TransferSelection selection);
    void CancelTransfer();

    bool Busy() const { return kind_ != Idle || awaitingLimits_; }
    const TransferSelection& Selection() const { return selection_; }

signals:
    // The transfer ran to its end (true) or was cancelled or broken off.
    void Finished(bool complete);

private:
    void Start(Kind first);
    void Begin(Kind kind);
    void Next();
    void End(bool complete);
    void Arm();
    void Step();
    void Replied();
    void Progress(float percent);
    void Status(const QString& text);
    KindRange& RangeOf(Kind kind);
    void DeleteRange(Kind kind);
    void SendWaypoint(qint16 index);
    void SendRoute(qint16 index);
    void SendTrail(qint16 index);
    void SendIcon(int position);
    void Request(int index);
    void OnLurchError(quint16 code);
    void OnWaypoint(int index, bool inUse, const linkpod::UserWaypoint& w);
    void OnRoute(int index, const linkpod::UserRoute& r);
    void OnIcon(int index, const linkpod::UserIcon& icon);
    void OnTrail(int index, const linkpod::UserTrail& t);
    void OnTrailProgress(float share);
    void OnSent();
    void OnUserData(bool ok);
    void OnMemoryStatus();
    void AskMemoryStatus();
    // Checks what the unit takes, then sends.
    void BeginUpload();
    // False when the user would rather not send what fits.
    bool AcceptFit();
    std::uint16_t CardDevice() const;

    Connection& session_;
    gpsdata::GPSData& data_;
    ui::Prompt* prompt_ = nullptr;
    ui::Progress* progress_ = nullptr;
    ui::StatusSink* status_ = nullptr;
    std::function<void(const QString&)> undo_;
    QTimer tmrTransfer;
    TransferSelection selection_;
    bool downloading_ = false;
    Kind kind_ = Idle;
    int index_ = 0;
    int iconCount_ = 0;
    int awaiting_ = 0; // replies the current step still waits for
    // The data set before the current download kind: what a broken kind puts back.
    std::optional<DataSetSnapshot> before_;
    TransferUserData card_;
    bool cardPending_ = false;     // the card's user data file is being read or written
    bool confirming_ = false;      // the last upload step waits for the unit to confirm the writes
    bool sizing_ = false;          // a download waits for the unit's memory status
    int earlierMemoryReplies_ = 0; // memory status replies to let go by before ours
    std::optional<UploadFit> fit_; // what the unit takes, during an upload to a unit
    bool awaitingLimits_ = false;  // an upload waits for a unit just connected to tell its limits
};

} // namespace comm
