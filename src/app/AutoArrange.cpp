#include "app/AutoArrange.h"

#include <QEvent>
#include <QMdiArea>

namespace app {

AutoArrange::AutoArrange(QMdiArea& area, std::function<void()> arrange, QObject* parent)
    : QObject(parent), area_(area), arrange_(std::move(arrange)) {
    tmrArrange_.setObjectName(QStringLiteral("tmrArrange"));
    tmrArrange_.setSingleShot(true);
    tmrArrange_.setInterval(0);
    connect(&tmrArrange_, &QTimer::timeout, this, [this] {
        if (enabled_)
            arrange_();
    });
    area_.installEventFilter(this);
}

void AutoArrange::SetEnabled(bool on) {
    enabled_ = on;
    if (on)
        arrange_();
    else
        tmrArrange_.stop();
}

void AutoArrange::Request() {
    if (enabled_)
        tmrArrange_.start();
}

bool AutoArrange::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &area_ && event->type() == QEvent::Resize)
        Request();
    return QObject::eventFilter(watched, event);
}

} // namespace app
