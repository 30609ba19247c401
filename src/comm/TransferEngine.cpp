#include "comm/TransferEngine.h"

#include "comm/Connection.h"
#include "comm/LurchErrorReaction.h"
#include "files/UserRecords.h"
#include "linkpod/LinkPod.h"

#include <algorithm>

namespace comm {

namespace {

using files::UserRecords;

// The card reader holds one card.
constexpr int ReaderSlot = 0;

struct KindTexts {
    const char* title;    // of the progress window
    const char* step;     // status text, followed by the item number
    const char* undoName; // downloads only
};

KindTexts TextsOf(TransferEngine::Kind kind) {
    switch (kind) {
    case TransferEngine::DownloadWaypoints:
        return {"Downloading Waypoints", "Retrieving waypoint ", "Download Waypoints"};
    case TransferEngine::DownloadRoutes:
        return {"Downloading Routes", "Retrieving route ", "Download Routes"};
    case TransferEngine::DownloadIcons:
        return {"Downloading Icons", "Retrieving icon ", "Download Icons"};
    case TransferEngine::DownloadTrails:
        return {"Downloading Trails", "Retreiving trail ", "Download Trails"};
    case TransferEngine::UploadWaypoints:
        return {"Uploading Waypoints", "Sending waypoint ", ""};
    case TransferEngine::UploadRoutes:
        return {"Uploading Routes", "Sending route ", ""};
    case TransferEngine::UploadIcons:
        return {"Uploading Icons", "Sending icon ", ""};
    default:
        return {"Uploading Trails", "Sending trail ", ""};
    }
}

// The fixed orders of the two directions.
TransferEngine::Kind After(TransferEngine::Kind kind) {
    switch (kind) {
    case TransferEngine::DownloadWaypoints:
        return TransferEngine::DownloadRoutes;
    case TransferEngine::DownloadRoutes:
        return TransferEngine::DownloadIcons;
    case TransferEngine::DownloadIcons:
        return TransferEngine::DownloadTrails;
    case TransferEngine::UploadWaypoints:
        return TransferEngine::UploadRoutes;
    case TransferEngine::UploadRoutes:
        return TransferEngine::UploadIcons;
    case TransferEngine::UploadIcons:
        return TransferEngine::UploadTrails;
    default:
        return TransferEngine::Idle;
    }
}

} // namespace

TransferEngine::TransferEngine(Connection& session, gpsdata::GPSData& data, QObject* parent)
    : QObject(parent), session_(session), data_(data), card_(session.Pod()) {
    // The next step runs as soon as the event loop has shown the progress and
    // heard a cancel: a slot read ahead is already here, and waiting even a
    // millisecond per item leaves the line idle for seconds over a full unit.
    tmrTransfer.setSingleShot(true);
    tmrTransfer.setInterval(0);
    connect(&tmrTransfer, &QTimer::timeout, this, &TransferEngine::Step);
    connect(&session_, &Connection::Waypoint, this, &TransferEngine::OnWaypoint);
    connect(&session_, &Connection::Route, this, &TransferEngine::OnRoute);
    connect(&session_, &Connection::Icon, this, &TransferEngine::OnIcon);
    connect(&session_, &Connection::Trail, this, &TransferEngine::OnTrail);
    connect(&session_, &Connection::TrailProgress, this, &TransferEngine::OnTrailProgress);
    connect(&session_, &Connection::NumIcons, this, [this](int count) {
        if (kind_ != DownloadIcons)
            return;
        iconCount_ = count;
        Replied();
    });
    for (auto sent :
         {&Connection::WaypointSent, &Connection::RouteSent, &Connection::IconSent, &Connection::TrailSent})
        connect(&session_, sent, this, &TransferEngine::OnSent);
    connect(&session_, &Connection::NumIconsSent, this, [this] {
        if (kind_ != UploadIcons)
            return;
        Progress(100);
        Next();
    });
    connect(&session_, &Connection::LurchError, this, &TransferEngine::OnLurchError);
    // Queued, so that the data set has taken the unit's limits (it hears the
    // same signal) before a waiting upload is measured against them.
    connect(
        &session_, &Connection::ProductInformation, this,
        [this] {
            if (awaitingLimits_)
                session_.Linked() ? BeginUpload() : End(false);
        },
        Qt::QueuedConnection);
    connect(&session_.Pod(), &linkpod::LinkPod::MemoryStatusRead, this, &TransferEngine::OnMemoryStatus);
    // A unit that goes while nothing was asked of it still ends the transfer
    // in words.
    connect(&session_, &Connection::DeviceRemoved, this, [this] {
        if (Busy())
            session_.RaiseLurchError(linkpod::LinkPod::ConnectionLost);
    });
    connect(&card_, &TransferUserData::Finished, this, &TransferEngine::OnUserData);
}

KindRange& TransferEngine::RangeOf(Kind kind) {
    switch (kind) {
    case DownloadWaypoints:
    case UploadWaypoints:
        return selection_.waypoints;
    case DownloadRoutes:
    case UploadRoutes:
        return selection_.routes;
    case DownloadIcons:
    case UploadIcons:
        return selection_.icons;
    default:
        return selection_.trails;
    }
}

std::uint16_t TransferEngine::CardDevice() const {
    return linkpod::LinkPod::ReaderDevice(session_.LPTPort());
}

void TransferEngine::Download(TransferSelection selection) {
    if (!session_.Linked() || Busy())
        return;
    selection_ = selection;
    downloading_ = true;
    if (session_.LPTPortOpen()) {
        // The items come from the card: its user data file fills the
        // control's lists first, and the ranges are sized from them.
        kind_ = DownloadWaypoints;
        cardPending_ = true;
        Status(QStringLiteral("Loading user data from the card"));
        return card_.LoadData(CardDevice(), ReaderSlot);
    }
    // The unit's lists are sized from a memory status asked for now: one
    // kept from earlier may be out of date, or may never have come.
    kind_ = DownloadWaypoints;
    sizing_ = true;
    AskMemoryStatus();
}

void TransferEngine::AskMemoryStatus() {
    // Replies to requests asked before (the one at connection, say) come
    // first and tell of the unit before this transfer's writes or reads.
    earlierMemoryReplies_ = session_.Pod().MemoryRequestsOpen();
    session_.Pod().RequestMemoryStatus();
}

void TransferEngine::OnMemoryStatus() {
    if (!confirming_ && !sizing_)
        return;
    if (earlierMemoryReplies_ > 0) {
        --earlierMemoryReplies_;
        return;
    }
    if (confirming_)
        return End(true);
    sizing_ = false;
    Start(DownloadWaypoints);
}

bool TransferEngine::AcceptFit() {
    const QStringList problems = fit_->Problems(selection_);
    if (problems.isEmpty())
        return true;
    constexpr int Shown = 10;
    QString text = QStringLiteral("The unit cannot take everything selected:\r\n") +
                   QStringList(problems.mid(0, Shown)).join(QStringLiteral("\r\n"));
    if (problems.size() > Shown)
        text += QStringLiteral("\r\n... and %1 more.").arg(problems.size() - Shown);
    text += QStringLiteral("\r\nSend the rest?");
    return prompt_ && prompt_->Ask(QStringLiteral("Upload"), text, ui::Buttons::YesNo,
                                   ui::Icon::Exclamation) == ui::Answer::Yes;
}

void TransferEngine::Upload(TransferSelection selection) {
    if (!session_.Linked() || Busy())
        return;
    selection_ = selection;
    downloading_ = false;
    if (!session_.LPTPortOpen() && !session_.Identified()) {
        // Measured against limits not yet told, everything would look too
        // big for a unit of no slots.
        awaitingLimits_ = true;
        return Status(QStringLiteral("Waiting for the unit's limits"));
    }
    BeginUpload();
}

void TransferEngine::BeginUpload() {
    awaitingLimits_ = false;
    fit_.reset();
    if (!session_.LPTPortOpen()) {
        fit_.emplace(data_, session_.Pod().Limits());
        if (!AcceptFit())
            return emit Finished(false); // nothing was sent
    }
    session_.Pod().Store().Clear();
    data_.DeleteUnusedTemporaryWaypoints();
    Start(UploadWaypoints);
}

void TransferEngine::Start(Kind first) {
    const bool everySlot = session_.ConnectionIsLurch();
    auto sizeDownload = [](KindRange& range, int last) {
        if (range.choice == KindRange::All)
            range = {KindRange::All, 0, last - 1};
    };
    // The unit's list is cleared before All is sent. A callable rather than a
    // member pointer: GCC 12 miscompiles a member-pointer call through a
    // captured `this` under the sanitizers.
    auto sizeUpload = [](KindRange& range, auto clear, int last) {
        if (range.choice != KindRange::All)
            return;
        clear();
        range = {KindRange::All, 0, last - 1};
    };
    for (KindRange* range :
         {&selection_.waypoints, &selection_.routes, &selection_.icons, &selection_.trails})
        if (range->choice == KindRange::None)
            *range = KindRange::Nothing();
    if (downloading_) {
        // The unit's count, held within the selection's 1..maximum.
        auto clamp = [](int count, int maximum) { return std::clamp(count, 1, std::max(maximum, 1)); };
        const int w = data_.MaxNumGPSWaypoints(), r = data_.MaxNumGPSRoutes(), i = data_.MaxNumGPSIcons(),
                  t = data_.MaxNumGPSTrails();
        sizeDownload(selection_.waypoints, clamp(session_.GetLastWaypoint(w), w));
        sizeDownload(selection_.routes, clamp(session_.GetLastRoute(r), r));
        sizeDownload(selection_.icons, clamp(session_.GetLastIcon(i), i));
        sizeDownload(selection_.trails, clamp(session_.GetLastTrail(t), t));
    } else {
        sizeUpload(
            selection_.waypoints, [this] { session_.DeleteAllWaypoints(); },
            everySlot ? data_.MaxNumGPSWaypoints() : data_.CountWaypoints());
        sizeUpload(
            selection_.routes, [this] { session_.DeleteAllRoutes(); },
            everySlot ? data_.MaxNumGPSRoutes() : data_.CountRoutes());
        sizeUpload(
            selection_.icons, [this] { session_.DeleteAllIcons(); }, data_.CountIcons());
        sizeUpload(
            selection_.trails, [this] { session_.DeleteAllTrails(); },
            everySlot ? data_.MaxNumGPSTrails() : data_.CountTrails());
    }
    Begin(first);
}

void TransferEngine::DeleteRange(Kind kind) {
    const KindRange& r = RangeOf(kind);
    auto drop = [&r](const QList<qint16>& keys, auto remove) {
        for (const qint16 key : keys)
            if (key >= r.first && key <= r.last)
                remove(key);
    };
    switch (kind) {
    case DownloadWaypoints:
        if (r.choice == KindRange::All)
            data_.DeleteRoutes();
        return drop(data_.Waypoints().Keys(), [this](qint16 k) { data_.DeleteWaypoint(k); });
    case DownloadRoutes:
        return drop(data_.Routes().Keys(), [this](qint16 k) { data_.DeleteRoute(k); });
    case DownloadIcons:
        return data_.DeleteIcons();
    case DownloadTrails:
        return drop(data_.Trails().Keys(), [this](qint16 k) { data_.DeleteTrail(k); });
    default:
        return;
    }
}

void TransferEngine::Begin(Kind kind) {
    if (kind == Idle && !downloading_ && !confirming_ && !session_.LPTPortOpen()) {
        // The unit takes item writes in batches: the upload is complete once
        // the reply to a request asked after the last of them came.
        confirming_ = true;
        return AskMemoryStatus();
    }
    kind_ = kind;
    if (kind == Idle)
        return End(true);
    const KindRange& range = RangeOf(kind);
    if (range.choice == KindRange::None || range.first > range.last)
        return Next();
    if (progress_)
        progress_->Begin(QLatin1String(TextsOf(kind).title));
    index_ = range.first - 1;
    awaiting_ = 0;
    if (downloading_) {
        before_.emplace(data_);
        if (undo_)
            undo_(QLatin1String(TextsOf(kind).undoName));
        DeleteRange(kind);
    }
    if (kind == UploadIcons || kind == DownloadIcons)
        index_ = -1; // the unit keeps its icons as a list counted from the start
    if (kind == DownloadIcons) {
        Status(QStringLiteral("Retrieving number of icons"));
        awaiting_ = 1;
        return session_.GetNumIcons();
    }
    Arm();
}

void TransferEngine::Next() {
    if (kind_ == DownloadTrails && session_.LPTPortOpen())
        session_.Pod().Store().Clear();
    if (kind_ == UploadTrails && session_.LPTPortOpen()) {
        // The card takes the filled lists before the upload is complete.
        cardPending_ = true;
        Status(QStringLiteral("Saving user data to the card"));
        return card_.SaveData(CardDevice(), ReaderSlot, QDateTime::currentDateTime());
    }
    Begin(After(kind_));
}

void TransferEngine::OnUserData(bool ok) {
    if (!cardPending_)
        return;
    cardPending_ = false;
    if (!ok)
        return End(false); // a card that could not be read leaves the data set alone
    if (downloading_)
        return Start(DownloadWaypoints);
    Begin(Idle);
}

void TransferEngine::End(bool complete) {
    tmrTransfer.stop();
    const bool wasBusy = Busy() || complete;
    kind_ = Idle;
    awaitingLimits_ = false;
    awaiting_ = 0;
    cardPending_ = false;
    confirming_ = false;
    sizing_ = false;
    fit_.reset();
    if (complete)
        Status(downloading_ ? QStringLiteral("Download complete") : QStringLiteral("Upload complete"));
    if (progress_)
        progress_->End();
    before_.reset();
    if (wasBusy)
        emit Finished(complete);
}

void TransferEngine::CancelTransfer() {
    if (!Busy())
        return;
    // The kind under way goes back to where its undo step found it.
    if (downloading_ && before_)
        before_->Restore();
    End(false);
}

void TransferEngine::Arm() {
    tmrTransfer.start();
}

void TransferEngine::Replied() {
    if (awaiting_ > 0 && --awaiting_ == 0)
        Arm();
}

void TransferEngine::OnSent() {
    if (Busy() && !downloading_)
        Replied();
}

void TransferEngine::Status(const QString& text) {
    if (status_)
        status_->SetStatusText(StatusPanel, text);
}

void TransferEngine::Progress(float percent) {
    if (!progress_)
        return;
    progress_->SetValue(int(std::min(percent, 100.0f)));
    if (percent >= 100)
        progress_->End(); // the progress window closes at 100
}

void TransferEngine::Step() {
    if (!Busy())
        return;
    if (progress_ && progress_->Cancelled())
        return CancelTransfer();
    ++index_;
    const KindRange& range = RangeOf(kind_);
    if (kind_ == DownloadIcons || kind_ == UploadIcons) {
        const int count = kind_ == DownloadIcons ? iconCount_
                          : fit_                 ? fit_->IconsTaken(data_.CountIcons())
                                                 : data_.CountIcons();
        if (index_ >= count || (kind_ == DownloadIcons && index_ > data_.MaxNumGPSIcons() - 1)) {
            if (kind_ == DownloadIcons) {
                Progress(100);
                return Next();
            }
            Status(QStringLiteral("Setting number of icons"));
            return session_.SetNumIcons(count);
        }
        Progress(float(index_) * 100.0f / float(count));
    } else {
        if (index_ > range.last) {
            Progress(100);
            return Next();
        }
        Progress(float(index_ - range.first) * 100.0f / float(range.last - range.first + 1));
    }
    Status(QLatin1String(TextsOf(kind_).step) + QString::number(index_ + 1));
    awaiting_ = 1;
    Request(index_);
}

void TransferEngine::Request(int index) {
    switch (kind_) {
    case DownloadWaypoints:
        return session_.GetWaypoint(index);
    case DownloadRoutes:
        return session_.GetRoute(index);
    case DownloadIcons:
        return session_.GetIcon(index);
    case DownloadTrails:
        return session_.GetTrail(index);
    case UploadIcons:
        return SendIcon(index);
    default:
        break;
    }
    // Uploads of All (not to a unit that keeps every slot) go by position.
    const bool byPosition = RangeOf(kind_).choice == KindRange::All && !session_.ConnectionIsLurch();
    auto keyAt = [&](const auto& collection) {
        return byPosition ? (index < collection.Count() ? collection.KeyAt(index) : qint16(-1))
                          : qint16(index);
    };
    if (kind_ == UploadWaypoints)
        return SendWaypoint(keyAt(data_.Waypoints()));
    if (kind_ == UploadRoutes)
        return SendRoute(keyAt(data_.Routes()));
    SendTrail(keyAt(data_.Trails()));
}

void TransferEngine::SendIcon(int position) {
    const gpsdata::IconObject* icon = data_.Icons().At(position);
    session_.SetIcon(position, icon->X(), icon->Y(), UserRecords::UnitSymbol(icon->IcnSymbol()));
}

void TransferEngine::SendWaypoint(qint16 index) {
    if (fit_ && !fit_->TakesWaypoint(index))
        return Replied(); // said before the upload; the unit has no such slot
    const gpsdata::WaypointObject* w = data_.Waypoint(index);
    session_.SetWaypoint(index, w != nullptr, w ? UserRecords::SetUserWaypoint(*w) : linkpod::UserWaypoint{});
}

void TransferEngine::SendRoute(qint16 index) {
    if (fit_ && !fit_->TakesRoute(index))
        return Replied();
    const gpsdata::RouteObject* r = data_.Route(index);
    if (!r)
        return session_.SetRoute(index, {});
    // The unit must hold every waypoint the route names.
    const KindRange& wpt = selection_.waypoints;
    QList<qint16> carried;
    for (const qint16 w : r->Waypoints()) {
        const bool uploaded = wpt.choice != KindRange::None && w >= wpt.first && w <= wpt.last;
        if (!uploaded && !carried.contains(w) && data_.Waypoint(w)) {
            carried.append(w);
            ++awaiting_;
            SendWaypoint(w);
        }
    }
    session_.SetRoute(index, UserRecords::SetUserRoute(*r));
}

void TransferEngine::SendTrail(qint16 index) {
    if (fit_ && !fit_->TakesTrail(index))
        return Replied();
    const gpsdata::TrailObject* t = data_.Trail(index);
    session_.SetTrail(index, t ? UserRecords::SetUserTrail(*t) : linkpod::UserTrail{});
}

void TransferEngine::OnTrailProgress(float share) {
    if (kind_ != UploadTrails)
        return;
    const KindRange& range = RangeOf(kind_);
    const float items = float(range.last - range.first + 1);
    Progress((float(index_ - range.first) + share) * 100.0f / items);
}

void TransferEngine::OnLurchError(quint16 code) {
    const LurchErrorReaction reaction = LurchErrorReaction::For(code, session_.ComPort());
    if (reaction.closesProgress && progress_)
        progress_->End();
    // A unit that cannot tell its limits (782) takes no upload waiting for them.
    const bool broken = (reaction.cancelsTransfer || (awaitingLimits_ && code == 782)) && Busy();
    if (broken && downloading_ && before_)
        before_->Restore(); // nothing half-received stays behind
    if (broken)
        End(false); // the session tells the user why
}

void TransferEngine::OnWaypoint(int index, bool inUse, const linkpod::UserWaypoint& w) {
    if (!Busy() || !downloading_)
        return;
    if (inUse) {
        linkpod::UserWaypoint record = w;
        record.index = static_cast<std::uint16_t>(index);
        UserRecords::GetUserWaypoint(data_, record);
    }
    Replied();
}

void TransferEngine::OnRoute(int index, const linkpod::UserRoute& r) {
    if (kind_ != DownloadRoutes)
        return;
    if (!r.waypoints.isEmpty() || !r.name.isEmpty()) {
        linkpod::UserRoute record = r;
        record.index = static_cast<std::uint16_t>(index);
        UserRecords::GetUserRoute(data_, record);
        QList<std::uint16_t> asked;
        for (const std::uint16_t w : r.waypoints) {
            if (data_.Waypoint(qint16(w)) || asked.contains(w))
                continue;
            asked.append(w);
            ++awaiting_;
            session_.GetWaypoint(w);
        }
    }
    Replied();
}

void TransferEngine::OnIcon(int index, const linkpod::UserIcon& icon) {
    if (kind_ != DownloadIcons)
        return;
    if (index >= 0) {
        linkpod::UserIcon record = icon;
        record.index = static_cast<std::uint16_t>(index);
        UserRecords::GetUserIcon(data_, record);
    }
    Replied();
}

void TransferEngine::OnTrail(int index, const linkpod::UserTrail& t) {
    if (kind_ != DownloadTrails)
        return;
    if (!t.points.isEmpty()) {
        linkpod::UserTrail record = t;
        record.index = static_cast<std::uint16_t>(index);
        UserRecords::GetUserTrail(data_, record);
    }
    Replied();
}

} // namespace comm
