#include "app/ToolIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace app {

namespace {

using Drawing = std::function<void(QPainter&)>;

// Drawings are made on a 24 by 24 grid.
QIcon Painted(const Drawing& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        draw(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Flag(QPainter& p, const QColor& colour) {
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    p.drawLine(QPointF(7, 21), QPointF(7, 3));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(7, 3), QPointF(19, 7), QPointF(7, 11)}));
}

QIcon MapMode(const QString& key) {
    if (key == QLatin1String("center"))
        return Painted([](QPainter& p) {
            p.setPen(QPen(QColor(30, 30, 30), 1.6));
            p.drawEllipse(QPointF(12, 12), 7, 7);
            p.drawLine(QPointF(12, 1), QPointF(12, 23));
            p.drawLine(QPointF(1, 12), QPointF(23, 12));
        });
    if (key == QLatin1String("create"))
        return Painted([](QPainter& p) {
            p.setPen(QPen(QColor(170, 0, 170), 1.8));
            p.setBrush(QColor(170, 0, 170, 60));
            p.drawPolygon(
                QPolygonF({QPointF(3, 8), QPointF(12, 3), QPointF(21, 9), QPointF(17, 20), QPointF(6, 19)}));
        });
    if (key == QLatin1String("polyline"))
        return Painted([](QPainter& p) {
            p.setPen(QPen(QColor(170, 0, 170), 1.8));
            p.drawPolyline(QPolygonF({QPointF(2, 19), QPointF(8, 8), QPointF(15, 15), QPointF(22, 4)}));
        });
    if (key == QLatin1String("dropwpt"))
        return Painted([](QPainter& p) { Flag(p, QColor(220, 40, 40)); });
    if (key == QLatin1String("droprtewpt"))
        return Painted([](QPainter& p) {
            p.setPen(QPen(QColor(200, 0, 200), 1.6, Qt::DashLine));
            p.drawLine(QPointF(2, 22), QPointF(7, 21));
            Flag(p, QColor(40, 90, 220));
        });
    if (key == QLatin1String("dropicn"))
        return Painted([](QPainter& p) {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 4.0 : 10.0;
                const double a = 3.14159265 / 5 * i - 3.14159265 / 2;
                const QPointF pt(12 + r * std::cos(a), 12 + r * std::sin(a));
                i ? star.lineTo(pt) : star.moveTo(pt);
            }
            star.closeSubpath();
            p.setPen(QPen(QColor(120, 80, 0), 1.2));
            p.setBrush(QColor(250, 200, 40));
            p.drawPath(star);
        });
    return {};
}

QIcon Themed(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

QIcon ToolIcons::ForKey(const QString& key) {
    if (key == QLatin1String("newgps") || key == QLatin1String("newborder"))
        return Themed("document-new", QStyle::SP_FileIcon);
    if (key == QLatin1String("opengps") || key == QLatin1String("openborder"))
        return Themed("document-open", QStyle::SP_DialogOpenButton);
    if (key == QLatin1String("savegps") || key == QLatin1String("saveborder"))
        return Themed("document-save", QStyle::SP_DialogSaveButton);
    if (key == QLatin1String("undo"))
        return Themed("edit-undo", QStyle::SP_ArrowBack);
    if (key == QLatin1String("savemap"))
        return Themed("document-save-as", QStyle::SP_DriveFDIcon);
    if (key == QLatin1String("cartridgeestimate"))
        return Themed("document-properties", QStyle::SP_FileDialogInfoView);
    if (key == QLatin1String("sendmap"))
        return Themed("document-send", QStyle::SP_ArrowDown);
    if (key == QLatin1String("map"))
        return Themed("system-run", QStyle::SP_MediaPlay);
    if (key == QLatin1String("mapcategories"))
        return Themed("view-list-tree", QStyle::SP_FileDialogListView);
    if (key == QLatin1String("connect"))
        return Themed("network-connect", QStyle::SP_DialogYesButton);
    if (key == QLatin1String("disconnect"))
        return Themed("network-disconnect", QStyle::SP_DialogNoButton);
    if (key == QLatin1String("mmcconnect"))
        return Themed("media-flash", QStyle::SP_DriveHDIcon);
    if (key == QLatin1String("mmcdisconnect"))
        return Themed("media-eject", QStyle::SP_BrowserStop);
    if (key == QLatin1String("download") || key == QLatin1String("downloadalt"))
        return Themed("go-down", QStyle::SP_ArrowDown);
    if (key == QLatin1String("transferdata"))
        return Themed("network-transmit-receive", QStyle::SP_BrowserReload);
    return MapMode(key);
}

} // namespace app
