#include "app/MapViewControl.h"

#include "app/MapDisplay.h"
#include "app/MapPointers.h"
#include "app/StatusPanels.h"
#include "app/frmTerrafold.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "geo/PositionText.h"
#include "mapview/WindowObject.h"
#include "mapview/ZoomRangeList.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace app {

MapViewControl::MapViewControl(frmTerrafold& window, mapview::WindowObject& view, ui::StatusSink& status,
                               FormatSource positionFormat, QObject* parent)
    : QObject(parent), window_(window), view_(view), status_(status),
      positionFormat_(std::move(positionFormat)) {
    QComboBox* box = window_.ZoomBox();
    connect(box, &QComboBox::activated, this, [this, box](int i) { ChooseRange(box->itemText(i), false); });
    connect(box->lineEdit(), &QLineEdit::returnPressed, this,
            [this, box] { ChooseRange(box->currentText(), true); });
    box->lineEdit()->installEventFilter(this);
    for (int i = 0; i < 2; ++i)
        connect(window_.ZoomButton(i), &QToolButton::clicked, this, [this, i] { ZoomStep(i); });
    for (int i = 0; i < 4; ++i)
        connect(window_.ScrollButton(i), &QToolButton::clicked, this, [this, i] { Scroll(i); });
    MapDisplay* display = window_.Display();
    connect(display, &MapDisplay::Resized, this, &MapViewControl::Resized);
    connect(display, &MapDisplay::MouseMove, this, [this](Qt::MouseButtons, QPointF p) { ShowPosition(p); });
    connect(display, &MapDisplay::PointerLeft, this,
            [this] { status_.SetStatusText(StatusPanels::Position, QString()); });
    connect(&view_, &mapview::WindowObject::ModeChange, this,
            [this] { window_.Display()->setCursor(MapPointers::Cursor(view_.MapPicture.Pointer)); });
}

QPointF MapViewControl::ToInternal(QPointF pixel) const {
    if (view_.PixelsPerUnitX == 0 || view_.PixelsPerUnitY == 0)
        return {double(view_.MidX), double(view_.MidY)};
    return {(pixel.x() + view_.PixelLeft) / view_.PixelsPerUnitX,
            (pixel.y() + view_.PixelTop) / view_.PixelsPerUnitY};
}

void MapViewControl::ViewChanged() {
    FillZoomBox(false);
    window_.Display()->setCursor(MapPointers::Cursor(view_.MapPicture.Pointer));
    window_.Display()->update();
    emit Changed();
}

void MapViewControl::FillZoomBox(bool keepText) {
    QComboBox* box = window_.ZoomBox();
    const QString typed = box->currentText();
    const QSignalBlocker filling(box);
    const mapview::ZoomRangeList list = mapview::ZoomRangeList::Build(view_);
    box->clear();
    box->addItems(list.Entries);
    box->setCurrentIndex(list.Selected);
    if (keepText)
        box->setEditText(typed);
}

void MapViewControl::ChooseRange(const QString& text, bool keepText) {
    mapview::ZoomRangeList::Choose(view_, text);
    FillZoomBox(keepText);
    window_.Display()->update();
    emit Changed();
}

void MapViewControl::ZoomStep(int index) {
    const bool changed = index == 0 ? view_.ZoomOut() : view_.ZoomIn();
    if (changed)
        ViewChanged();
    else
        QApplication::beep();
}

void MapViewControl::Scroll(int direction) {
    view_.Pan(direction);
    ViewChanged();
}

void MapViewControl::Resized() {
    // The scale follows the window: the same range across its new width.
    view_.MapPicture.Width = window_.Display()->width();
    view_.MapPicture.Height = window_.Display()->height();
    view_.SetZoomRange(view_.ZoomRange());
    ViewChanged();
}

void MapViewControl::ShowPosition(QPointF pixel) {
    const QPointF at = ToInternal(pixel);
    QString text;
    try {
        text = geo::CursorReadout(geo::RoundToInt32(at.x()), geo::RoundToInt32(at.y()), positionFormat_());
    } catch (const geo::NumericError&) {
        text.clear();
    }
    status_.SetStatusText(StatusPanels::Position, text);
}

bool MapViewControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool typing = !text.isEmpty() && text.at(0).isPrint();
        if (typing && !mapview::ZoomRangeList::AcceptsKey(text.at(0)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
