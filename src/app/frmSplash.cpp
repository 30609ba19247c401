#include "app/frmSplash.h"

#include "app/ProductText.h"

#include <QPainter>

namespace app {

frmSplash::frmSplash(QWidget* owner) : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(420, 220);
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(28, 72, 120));
    sky.setColorAt(1, QColor(60, 130, 170));
    p.fillRect(rect(), sky);
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(28);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 40, 0, -100), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Terrafold"));
    QFont small = font();
    small.setPointSize(10);
    p.setFont(small);
    p.drawText(rect().adjusted(0, 110, 0, -40), Qt::AlignHCenter | Qt::AlignTop, ProductText());
    p.drawText(rect().adjusted(0, 0, 0, -16), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("Starting..."));
}

} // namespace app
