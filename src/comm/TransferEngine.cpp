#include "comm/TransferEngine.h"

#include "comm/Connection.h"
#include "comm/LurchErrorReaction.h"
#include "gpsdata/SerialDate.h"
#include "linkpod/LinkPod.h"

#include <algorithm>

namespace comm {

namespace {

constexpr int SymbolBase = 10000;
constexpr int TrailPacket = 512;
constexpr int MinTrailSize = 2000;

qint32 ProgramSymbol(int code) {
    return std::max(0, code - SymbolBase);
}

std::uint16_t UnitSymbol(qint32 symbol) {
    return static_cast<std::uint16_t>(std::clamp(symbol + SymbolBase, SymbolBase, 65535));
}

const char* Title(TransferEngine::Kind kind) {
    switch (kind) {
    case TransferEngine::DownloadWaypoints:
        return "Downloading Waypoints";
    case TransferEngine::DownloadRoutes:
        return "Downloading Routes";
    case TransferEngine::DownloadIcons:
        return "Downloading Icons";
    case TransferEngine::DownloadTrails:
        return "Downloading Trails";
    case TransferEngine::UploadWaypoints:
        return "Uploading Waypoints";
    case TransferEngine::UploadRoutes:
        return "Uploading Routes";
    case TransferEngine::UploadIcons:
        return "Uploading Icons";
    default:
        return "Uploading Trails";
    }
}

const char* StepText(TransferEngine::Kind kind) {
    switch (kind) {
    case TransferEngine::DownloadWaypoints:
        return "Retrieving waypoint ";
    case TransferEngine::DownloadRoutes:
        return "Retrieving route ";
    case TransferEngine::DownloadIcons:
        return "Retrieving icon ";
    case TransferEngine::DownloadTrails:
        return "Retreiving trail ";
    case TransferEngine::UploadWaypoints:
        return "Sending waypoint ";
    case TransferEngine::UploadRoutes:
        return "Sending route ";
    case TransferEngine::UploadIcons:
        return "Sending icon ";
    default:
        return "Sending trail ";
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
    : QObject(parent), session_(session), data_(data) {
    tmrTransfer.setSingleShot(true);
    tmrTransfer.setInterval(1);
    connect(&tmrTransfer, &QTimer::timeout, this, &TransferEngine::Step);
    linkpod::LinkPod& pod = session_.Pod();
    connect(&pod, &linkpod::LinkPod::Waypoint, this, &TransferEngine::OnWaypoint);
    connect(&pod, &linkpod::LinkPod::Route, this, &TransferEngine::OnRoute);
    connect(&pod, &linkpod::LinkPod::Icon, this, &TransferEngine::OnIcon);
    connect(&pod, &linkpod::LinkPod::Trail, this, &TransferEngine::OnTrail);
    connect(&pod, &linkpod::LinkPod::NumIcons, this, [this](int count) {
        if (kind_ != DownloadIcons)
            return;
        iconCount_ = count;
        Replied();
    });
    for (auto sent : {&linkpod::LinkPod::WaypointSent, &linkpod::LinkPod::RouteSent,
                      &linkpod::LinkPod::IconSent, &linkpod::LinkPod::TrailSent})
        connect(&pod, sent, this, [this] {
            if (Busy() && !downloading_)
                Replied();
        });
    connect(&pod, &linkpod::LinkPod::NumIconsSent, this, [this] {
        if (kind_ != UploadIcons)
            return;
        Progress(100);
        Next();
    });
    connect(&session_, &Connection::LurchError, this, &TransferEngine::OnLurchError);
    connect(&session_, &Connection::DeviceRemoved, this, [this] {
        if (Busy())
            OnLurchError(linkpod::LinkPod::ConnectionLost);
    });
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

void TransferEngine::Download(TransferSelection selection) {
    if (!session_.Linked() || Busy())
        return;
    selection_ = selection;
    downloading_ = true;
    auto size = [this](KindRange& range, linkpod::ListKind list, int maximum) {
        if (range.choice == KindRange::None)
            range = KindRange::Nothing();
        if (range.choice != KindRange::All)
            return;
        const int last =
            session_.OnSession([list](linkpod::LinkPod& pod) { return pod.ReadLastIndex(list); });
        range.first = 0;
        range.last = std::clamp(last + 1, 1, std::max(maximum, 1)) - 1;
    };
    size(selection_.waypoints, linkpod::ListKind::Waypoints, data_.MaxNumGPSWaypoints());
    size(selection_.routes, linkpod::ListKind::Routes, data_.MaxNumGPSRoutes());
    size(selection_.icons, linkpod::ListKind::Icons, data_.MaxNumGPSIcons());
    size(selection_.trails, linkpod::ListKind::Trails, data_.MaxNumGPSTrails());
    before_.emplace(data_);
    if (undo_)
        undo_(QStringLiteral("Download"));
    Begin(DownloadWaypoints);
}

void TransferEngine::Upload(TransferSelection selection) {
    if (!session_.Linked() || Busy())
        return;
    selection_ = selection;
    downloading_ = false;
    before_.reset();
    session_.OnSession([](linkpod::LinkPod& pod) { pod.Store().Clear(); });
    data_.DeleteUnusedTemporaryWaypoints();
    const bool everySlot = session_.ConnectionIsLurch();
    auto size = [this](KindRange& range, void (linkpod::LinkPod::*clear)(), int count) {
        if (range.choice == KindRange::None)
            range = KindRange::Nothing();
        if (range.choice != KindRange::All)
            return;
        session_.OnSession([clear](linkpod::LinkPod& pod) { (pod.*clear)(); });
        range.first = 0;
        range.last = count - 1;
    };
    size(selection_.waypoints, &linkpod::LinkPod::ClearWaypoints,
         everySlot ? data_.MaxNumGPSWaypoints() : data_.CountWaypoints());
    size(selection_.routes, &linkpod::LinkPod::ClearRoutes,
         everySlot ? data_.MaxNumGPSRoutes() : data_.CountRoutes());
    size(selection_.icons, &linkpod::LinkPod::ClearIcons, data_.CountIcons());
    size(selection_.trails, &linkpod::LinkPod::ClearTrails,
         everySlot ? data_.MaxNumGPSTrails() : data_.CountTrails());
    Begin(UploadWaypoints);
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
    case DownloadTrails:
        return drop(data_.Trails().Keys(), [this](qint16 k) { data_.DeleteTrail(k); });
    default:
        return;
    }
}

void TransferEngine::Begin(Kind kind) {
    kind_ = kind;
    if (kind == Idle)
        return End(true);
    const KindRange& range = RangeOf(kind);
    if (range.choice == KindRange::None || range.first > range.last)
        return Next();
    if (progress_)
        progress_->Begin(QLatin1String(Title(kind)));
    index_ = range.first - 1;
    awaiting_ = 0;
    if (kind == DownloadIcons) {
        Status(QStringLiteral("Retrieving number of icons"));
        data_.DeleteIcons();
        index_ = -1;
        awaiting_ = 1;
        session_.OnSession([](linkpod::LinkPod& pod) { pod.ReadIconCount(); });
        return;
    }
    if (kind == UploadIcons)
        index_ = -1;
    DeleteRange(kind);
    Arm();
}

void TransferEngine::Next() {
    Begin(After(kind_));
}

void TransferEngine::End(bool complete) {
    tmrTransfer.stop();
    const bool wasBusy = kind_ != Idle || complete;
    kind_ = Idle;
    awaiting_ = 0;
    if (complete)
        Status(downloading_ ? QStringLiteral("Download complete") : QStringLiteral("Upload complete"));
    if (progress_)
        progress_->End();
    before_.reset();
    if (wasBusy)
        emit Finished(complete);
}

void TransferEngine::CancelTransfer() {
    if (Busy())
        End(false);
}

void TransferEngine::Arm() {
    tmrTransfer.start();
}

void TransferEngine::Replied() {
    if (awaiting_ > 0 && --awaiting_ == 0)
        Arm();
}

void TransferEngine::Status(const QString& text) {
    if (status_)
        status_->SetStatusText(StatusPanel, text);
}

void TransferEngine::Progress(float percent) {
    if (progress_ && percent < 100)
        progress_->SetValue(int(percent));
}

void TransferEngine::Step() {
    if (!Busy())
        return;
    if (progress_ && progress_->Cancelled())
        return CancelTransfer();
    ++index_;
    const KindRange& range = RangeOf(kind_);
    if (kind_ == DownloadIcons || kind_ == UploadIcons) {
        const int count = kind_ == DownloadIcons ? iconCount_ : data_.CountIcons();
        if (index_ >= count || (kind_ == DownloadIcons && index_ > data_.MaxNumGPSIcons() - 1)) {
            if (kind_ == DownloadIcons) {
                Progress(100);
                return Next();
            }
            Status(QStringLiteral("Setting number of icons"));
            return session_.OnSession([count](linkpod::LinkPod& pod) { pod.WriteIconCount(count); });
        }
        Progress(float(index_) * 100.0f / float(count));
    } else {
        if (index_ > range.last) {
            Progress(100);
            return Next();
        }
        Progress(float(index_ - range.first) * 100.0f / float(range.last - range.first + 1));
    }
    Status(QLatin1String(StepText(kind_)) + QString::number(index_ + 1));
    awaiting_ = 1;
    const int index = index_;
    switch (kind_) {
    case DownloadWaypoints:
        return session_.OnSession([index](linkpod::LinkPod& pod) { pod.ReadWaypoint(index); });
    case DownloadRoutes:
        return session_.OnSession([index](linkpod::LinkPod& pod) { pod.ReadRoute(index); });
    case DownloadIcons:
        return session_.OnSession([index](linkpod::LinkPod& pod) { pod.ReadIcon(index); });
    case DownloadTrails:
        return session_.OnSession([index](linkpod::LinkPod& pod) { pod.ReadTrail(index); });
    case UploadIcons: {
        const gpsdata::IconObject* icon = data_.Icons().At(index);
        const linkpod::UserIcon record{static_cast<std::uint16_t>(index), UnitSymbol(icon->IcnSymbol()),
                                       icon->X(), icon->Y()};
        return session_.OnSession([&record](linkpod::LinkPod& pod) { pod.WriteIcon(record); });
    }
    default:
        break;
    }
    // Uploads of All (not to a unit that keeps every slot) go by position.
    const bool byPosition = range.choice == KindRange::All && !session_.ConnectionIsLurch();
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

void TransferEngine::SendWaypoint(qint16 index) {
    const gpsdata::WaypointObject* w = data_.Waypoint(index);
    session_.OnSession([&](linkpod::LinkPod& pod) {
        if (!w)
            return pod.EraseWaypoint(index);
        pod.WriteWaypoint(linkpod::UserWaypoint{
            static_cast<std::uint16_t>(index), UnitSymbol(w->WptSymbol()),
            static_cast<std::uint8_t>(w->WaypointType()), w->X(), w->Y(), float(w->Altitude),
            static_cast<std::uint32_t>(w->LurchDate()), w->WptName(), w->Comment});
    });
}

void TransferEngine::SendRoute(qint16 index) {
    const gpsdata::RouteObject* r = data_.Route(index);
    linkpod::UserRoute record{static_cast<std::uint16_t>(index), {}, {}};
    if (r) {
        record.name = r->RteName();
        // The unit must hold every waypoint the route names.
        QList<qint16> carried;
        for (const qint16 w : r->Waypoints()) {
            record.waypoints.append(static_cast<std::uint16_t>(w));
            const KindRange& wpt = selection_.waypoints;
            const bool uploaded = wpt.choice != KindRange::None && w >= wpt.first && w <= wpt.last;
            if (!uploaded && !carried.contains(w) && data_.Waypoint(w)) {
                carried.append(w);
                ++awaiting_;
                SendWaypoint(w);
            }
        }
    }
    session_.OnSession([&record](linkpod::LinkPod& pod) { pod.WriteRoute(record); });
}

void TransferEngine::SendTrail(qint16 index) {
    const gpsdata::TrailObject* t = data_.Trail(index);
    session_.OnSession([&](linkpod::LinkPod& pod) {
        const int n = t ? t->NumPoints() : 0;
        pod.OpenTrail(index, std::max(n, MinTrailSize), t ? t->TrlName() : QString());
        for (int from = 0; from < n; from += TrailPacket) {
            QList<std::int32_t> x, y;
            QList<bool> joined;
            for (int i = from; i < std::min(n, from + TrailPacket); ++i) {
                x.append(t->PointX(i));
                y.append(t->PointY(i));
                joined.append(t->Continuous(i));
            }
            pod.WriteTrail(x, y, joined, int(x.size()));
        }
        pod.CloseTrail();
    });
}

void TransferEngine::OnLurchError(quint16 code) {
    const LurchErrorReaction reaction = LurchErrorReaction::For(code, session_.ComPort());
    if (reaction.closesProgress && progress_)
        progress_->End();
    const bool broken = reaction.cancelsTransfer && Busy();
    if (broken && downloading_ && before_)
        before_->Restore(); // nothing half-received stays behind
    if (broken)
        End(false);
    if (!reaction.text.isEmpty() && prompt_)
        prompt_->Message(reaction.title, reaction.text, reaction.icon);
}

void TransferEngine::OnWaypoint(int index, bool inUse, const linkpod::UserWaypoint& w) {
    if (!Busy() || !downloading_)
        return;
    if (inUse) {
        gpsdata::WaypointObject* added = data_.AddWaypoint(
            qint16(index), w.x, w.y, qint32(w.altitude), w.name, ProgramSymbol(w.symbol),
            gpsdata::SerialDate::FromSeconds(gpsdata::SerialDate::LurchEpoch, qint32(w.time)), w.type);
        if (added)
            added->Comment = w.comment;
    }
    Replied();
}

void TransferEngine::OnRoute(int index, const linkpod::UserRoute& r) {
    if (kind_ != DownloadRoutes)
        return;
    if (!r.waypoints.isEmpty() || !r.name.isEmpty()) {
        QList<qint16> legs;
        for (const std::uint16_t w : r.waypoints)
            legs.append(qint16(w));
        data_.AddRouteWithCollection(qint16(index), r.name, legs);
        QList<qint16> asked;
        for (const qint16 w : legs) {
            if (data_.Waypoint(w) || asked.contains(w))
                continue;
            asked.append(w);
            ++awaiting_;
            session_.OnSession([w](linkpod::LinkPod& pod) { pod.ReadWaypoint(w); });
        }
    }
    Replied();
}

void TransferEngine::OnIcon(int index, const linkpod::UserIcon& icon) {
    if (kind_ != DownloadIcons)
        return;
    if (index >= 0)
        data_.AddLurchIcon(qint16(index), icon.x, icon.y, ProgramSymbol(icon.symbol));
    Replied();
}

void TransferEngine::OnTrail(int index, const linkpod::UserTrail& t) {
    if (kind_ != DownloadTrails)
        return;
    if (!t.points.isEmpty()) {
        QList<qint32> x, y;
        QList<bool> joined;
        for (const auto& p : t.points) {
            x.append(p.x);
            y.append(p.y);
            joined.append(p.continuous);
        }
        const QString name =
            t.name.isEmpty() ? gpsdata::GPSData::AutoName(QStringLiteral("Trl"), index) : t.name;
        data_.AddTrail(qint16(index), name, 0, 0, x, y, joined);
    }
    Replied();
}

} // namespace comm
