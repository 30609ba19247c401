#include "app/MapPointers.h"

#include "app/ToolIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace app {

namespace {

QCursor ArrowWith(const QString& key) {
    const qreal ratio =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
    QPixmap pixmap(QSize(32, 32) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 20);
    arrow.lineTo(11, 19);
    arrow.lineTo(8, 12);
    arrow.lineTo(13, 12);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    ToolIcons::ForKey(key).paint(&p, QRect(14, 14, 17, 17));
    p.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace

QCursor MapPointers::Cursor(mapview::PointerKind kind) {
    switch (kind) {
    case mapview::PointerKind::CrossHair:
        return Qt::CrossCursor;
    case mapview::PointerKind::ArrowPoly:
        return ArrowWith(QStringLiteral("create"));
    case mapview::PointerKind::ArrowWpt:
        return ArrowWith(QStringLiteral("dropwpt"));
    case mapview::PointerKind::ArrowRte:
        return ArrowWith(QStringLiteral("droprtewpt"));
    case mapview::PointerKind::ArrowIcn:
        return ArrowWith(QStringLiteral("dropicn"));
    case mapview::PointerKind::Default:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace app
