#include "app/MapViewControl.h"

#include "app/MapDisplay.h"
#include "app/MapPointers.h"
#include "app/StatusPanels.h"
#include "app/frmTerrafold.h"
#include "geo/Coordinates.h"
#include "geo/DistanceUnits.h"
#include "geo/NumericError.h"
#include "geo/PositionText.h"
#include "gpsdata/DataExtent.h"
#include "mapview/ViewFit.h"
#include "mapview/WindowObject.h"
#include "mapview/ZoomRangeList.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include <cstdlib>

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
        connect(window_.ScrollButton(i), &QToolButton::clicked, this, [this, i] { Pan(i); });
    MapDisplay* display = window_.Display();
    connect(display, &MapDisplay::Wheel, this, [this](int notches, QPointF p) { ZoomAround(p, notches); });
    connect(display, &MapDisplay::Resized, this, &MapViewControl::Resized);
    connect(display, &MapDisplay::MouseMove, this, [this](Qt::MouseButtons, QPointF p) { SetCursorPosition(p); });
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
    window_.ZoomUnits()->setText(geo::DistanceSuffix(view_.DistanceUnits).trimmed());
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

void MapViewControl::Pan(int direction) {
    view_.Pan(direction);
    ViewChanged();
}

void MapViewControl::ZoomAround(QPointF pixel, int steps) {
    const QPointF at = ToInternal(pixel);
    bool changed = false;
    for (int i = 0; i < std::abs(steps); ++i)
        changed = (steps > 0 ? view_.ZoomIn() : view_.ZoomOut()) || changed;
    if (!changed)
        return;
    KeepUnder(at, pixel);
    ViewChanged();
}

void MapViewControl::Drag(QPointF from, QPointF to) {
    KeepUnder(ToInternal(from), to);
    ViewChanged();
}

void MapViewControl::KeepUnder(QPointF at, QPointF pixel) {
    // Centring re-applies the scale at the new centre's latitude, which moves
    // the point a little in Mercator: a second pass takes that out.
    for (int pass = 0; pass < 2; ++pass) {
        const QPointF now = ToInternal(pixel);
        view_.Center(geo::RoundToInt32(view_.MidX + at.x() - now.x()),
                     geo::RoundToInt32(view_.MidY + at.y() - now.y()));
    }
}

void MapViewControl::ZoomToData(const gpsdata::GPSData& data, bool onlyWhenHidden) {
    const auto extent = gpsdata::DataExtent(data);
    if (!extent || (onlyWhenHidden && mapview::ViewFit::Shows(view_, *extent)))
        return;
    mapview::ViewFit::ZoomTo(view_, *extent);
    ViewChanged();
}

void MapViewControl::Resized() {
    // The scale follows the window: the same range across its new width.
    view_.MapPicture.Width = window_.Display()->width();
    view_.MapPicture.Height = window_.Display()->height();
    view_.SetZoomRange(view_.ZoomRange());
    ViewChanged();
}

void MapViewControl::SetCursorPosition(QPointF pixel) {
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
