#include "editors/ItemEditor.h"

#include "editors/FrameClose.h"
#include "editors/PositionMaskEdit.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "geo/PositionEntry.h"
#include "geo/PositionFormat.h"
#include "geo/PositionMasks.h"
#include "geo/PositionParse.h"
#include "geo/PositionValidation.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace editors {

namespace {

QPushButton* NamedButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

ItemEditor::ItemEditor(EditorContext& context, qint16 index, QWidget* parent)
    : QWidget(parent), context_(context), index_(index), icons_(context.window) {
    setAttribute(Qt::WA_DeleteOnClose);
    connect(&context_.data, &gpsdata::GPSData::PositionFormatChanged, this, &ItemEditor::Fill);
}

void ItemEditor::Build(const std::function<void(QFormLayout&)>& extra) {
    imgIcon_ = new QLabel;
    imgIcon_->setObjectName(QStringLiteral("imgIcon"));
    imgIcon_->setFixedSize(32, 32);
    imgIcon_->setAlignment(Qt::AlignCenter);
    imgIcon_->setFrameShape(QFrame::StyledPanel);
    imgIcon_->setCursor(Qt::PointingHandCursor);
    imgIcon_->installEventFilter(this);
    cmdChangeIcon_ = NamedButton(QStringLiteral("&Change Symbol..."), "cmdChangeIcon");
    mskLatitude_ = new PositionMaskEdit;
    mskLatitude_->setObjectName(QStringLiteral("mskLatitude"));
    mskLongitude_ = new PositionMaskEdit;
    mskLongitude_->setObjectName(QStringLiteral("mskLongitude"));
    btnNorthSouth_ = NamedButton(QStringLiteral("N"), "btnNorthSouth");
    btnEastWest_ = NamedButton(QStringLiteral("E"), "btnEastWest");
    for (QPushButton* b : {btnNorthSouth_, btnEastWest_}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
        b->setAutoDefault(false);
    }
    auto* btnOK = NamedButton(QStringLiteral("OK"), "btnOK");
    auto* cmdCancel = NamedButton(QStringLiteral("Cancel"), "cmdCancel");
    auto* btnShow = NamedButton(QStringLiteral("&Show"), "btnShow");
    btnOK->setDefault(true);

    auto* symbol = new QHBoxLayout;
    symbol->addWidget(imgIcon_);
    symbol->addWidget(cmdChangeIcon_);
    symbol->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Symbol:"), symbol);
    extra(*form);
    auto* latitude = new QHBoxLayout;
    latitude->addWidget(btnNorthSouth_);
    latitude->addWidget(mskLatitude_, 1);
    form->addRow(QStringLiteral("Latitude:"), latitude);
    auto* longitude = new QHBoxLayout;
    longitude->addWidget(btnEastWest_);
    longitude->addWidget(mskLongitude_, 1);
    form->addRow(QStringLiteral("Longitude:"), longitude);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(btnShow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btnNorthSouth_, &QPushButton::clicked, this,
            [this] { Flip(btnNorthSouth_, QStringLiteral("N"), QStringLiteral("S")); });
    connect(btnEastWest_, &QPushButton::clicked, this,
            [this] { Flip(btnEastWest_, QStringLiteral("E"), QStringLiteral("W")); });
    connect(btnOK, &QPushButton::clicked, this, &ItemEditor::OK);
    connect(cmdCancel, &QPushButton::clicked, this, &ItemEditor::Cancel);
    connect(btnShow, &QPushButton::clicked, this, &ItemEditor::Show);
    connect(cmdChangeIcon_, &QPushButton::clicked, this, &ItemEditor::ChangeSymbol);
}

int ItemEditor::WindowFormat() const {
    const int format = geo::TextPositionFormat(context_.data.PositionFormat());
    // An unknown format would read every entry as 0 and move the object to
    // the equator; such settings show the degrees, minutes and seconds.
    return geo::LatitudeMask(format).isEmpty() ? geo::PositionFormatDegMinSec : format;
}

void ItemEditor::Fill() {
    if (!Exists()) {
        Unload();
        return;
    }
    const int format = WindowFormat();
    geo::PositionEntry entry;
    try {
        entry = geo::MakePositionEntry(X(), Y(), format);
    } catch (const geo::NumericError&) {
        // The one internal value without a magnitude: left for the user to type.
    }
    mskLatitude_->SetMaskedText(geo::LatitudeMask(format), entry.latitudeText);
    mskLongitude_->SetMaskedText(geo::LongitudeMask(format), entry.longitudeText);
    btnNorthSouth_->setText(entry.northSouth.isEmpty() ? QStringLiteral("N") : entry.northSouth);
    btnEastWest_->setText(entry.eastWest.isEmpty() ? QStringLiteral("E") : entry.eastWest);
    filledLatitude_ = btnNorthSouth_->text() + mskLatitude_->Text();
    filledLongitude_ = btnEastWest_->text() + mskLongitude_->Text();
    imgIcon_->setPixmap(
        icons_.Icon(Symbol(), devicePixelRatioF()).pixmap(SymbolIcons::Size(), devicePixelRatioF()));
    FillFields();
}

void ItemEditor::Flip(QPushButton* button, const QString& one, const QString& other) {
    button->setText(button->text() == one ? other : one);
}

bool ItemEditor::ValidatePosition() {
    const QString message =
        geo::ValidatePosition(WindowFormat(), mskLatitude_->Text(), mskLongitude_->Text());
    if (message.isEmpty())
        return true;
    context_.prompt.Message(ui::ProgramTitle(), message);
    return false;
}

std::optional<double> ItemEditor::Entered(bool latitude, int format) const {
    // Storing a position that was only shown would move the object by the
    // rounding of its text: an entry left as filled keeps the object's value.
    if (latitude) {
        if (btnNorthSouth_->text() + mskLatitude_->Text() == filledLatitude_)
            return std::nullopt;
        return geo::ParseLatitude(mskLatitude_->Text(), btnNorthSouth_->text() == u"N", format);
    }
    if (btnEastWest_->text() + mskLongitude_->Text() == filledLongitude_)
        return std::nullopt;
    return geo::ParseLongitude(mskLongitude_->Text(), btnEastWest_->text() == u"E", format);
}

void ItemEditor::OK() {
    if (!ValidatePosition())
        return;
    if (!Exists()) {
        Unload();
        return;
    }
    const int format = WindowFormat();
    std::optional<double> latitude;
    std::optional<double> longitude;
    try {
        latitude = Entered(true, format);
        longitude = Entered(false, format);
        // Converted once here so that storing cannot fail half-way.
        if (latitude)
            geo::LatitudeToY(*latitude);
        if (longitude)
            geo::LongitudeToX(*longitude);
    } catch (const geo::NumericError& e) {
        context_.prompt.Message(ui::ProgramTitle(), QString::fromUtf8(e.what()));
        return;
    }
    context_.undo.PushUndoOperation(false, EditStepName());
    storing_ = true;
    SetPosition(latitude, longitude);
    StoreFields();
    storing_ = false;
    Unload();
}

void ItemEditor::Show() {
    if (!Exists())
        return;
    context_.window.Center(X(), Y());
    if (context_.viewChanged)
        context_.viewChanged();
}

void ItemEditor::ChangeSymbol() {
    if (!Exists() || !context_.chooseSymbol)
        return;
    const std::optional<int> picked = context_.chooseSymbol(Symbol(), this);
    // The step is recorded once there is a change to undo: a selector closed
    // without a pick, or on the same symbol, leaves the undo stack alone.
    if (!picked || !Exists() || *picked == Symbol())
        return;
    context_.undo.PushUndoOperation(false, SymbolStepName());
    SetSymbol(*picked);
}

bool ItemEditor::CanEdit(EditCommand command) const {
    switch (command) {
    case EditCommand::Copy:
    case EditCommand::Delete:
        return Exists();
    case EditCommand::Paste:
        return Exists() && HoldsRecord(QApplication::clipboard()->text());
    case EditCommand::Cut:
    case EditCommand::SelectAll:
    case EditCommand::EditSelected:
        break;
    }
    return false;
}

void ItemEditor::Edit(EditCommand command) {
    if (!CanEdit(command))
        return;
    if (command == EditCommand::Copy)
        Copy();
    else if (command == EditCommand::Paste)
        Paste();
    else if (command == EditCommand::Delete)
        Delete();
}

void ItemEditor::Copy() {
    QApplication::clipboard()->setText(MakeString());
}

void ItemEditor::Paste() {
    context_.undo.PushUndoOperation(false, QStringLiteral("Paste"));
    PasteRecord(QApplication::clipboard()->text());
}

void ItemEditor::Delete() {
    context_.undo.PushUndoOperation(false, QStringLiteral("Delete"));
    DeleteObject();
}

void ItemEditor::Unload() {
    CloseWithFrame(*this);
}

bool ItemEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgIcon_ && event->type() == QEvent::MouseButtonRelease) {
        ChangeSymbol();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace editors
