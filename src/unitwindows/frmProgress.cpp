#include "unitwindows/frmProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace unitwindows {

namespace {
constexpr int TickMs = 1000;
} // namespace

frmProgress::frmProgress(QWidget* owner, comm::ProgressModel::Clock secondsSinceMidnight)
    : QDialog(owner), model_(std::move(secondsSinceMidnight)), caption_(new QLabel(this)),
      bar_(new QProgressBar(this)), text_(new QLabel(this)), elapsed_(new QLabel(this)),
      remaining_(new QLabel(this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(380);
    caption_->setObjectName(QStringLiteral("lblCaption"));
    bar_->setObjectName(QStringLiteral("barProgress"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    text_->setObjectName(QStringLiteral("lblText"));
    text_->hide();
    elapsed_->setObjectName(QStringLiteral("lblElapsed"));
    remaining_->setObjectName(QStringLiteral("lblRemaining"));
    remaining_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    auto* times = new QHBoxLayout;
    times->addWidget(elapsed_);
    times->addStretch();
    times->addWidget(remaining_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addWidget(text_);
    layout->addLayout(times);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &frmProgress::Cancel);
    tmrProgress_.setInterval(TickMs);
    connect(&tmrProgress_, &QTimer::timeout, this, [this] {
        model_.ProgressMade(percent_);
        ShowTimes();
    });
}

comm::ProgressModel::Clock frmProgress::SecondsSinceMidnight() {
    return [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
}

void frmProgress::InitProgress(const QString& title, bool mayCancel) {
    model_.InitProgress(title, mayCancel);
    percent_ = 0;
    setWindowTitle(title);
    caption_->setText(title);
    text_->clear();
    text_->hide();
    bar_->setValue(bar_->minimum());
    cancel_->setEnabled(mayCancel);
    tmrProgress_.stop();
    ShowTimes();
}

void frmProgress::ProgressMade(float percent) {
    if (!model_.ProgressMade(percent))
        return End();
    percent_ = percent;
    bar_->setValue(model_.BarValue());
    ShowTimes();
    if (isVisible() && !tmrProgress_.isActive())
        tmrProgress_.start();
}

void frmProgress::ShowTimes() {
    elapsed_->setText(model_.ElapsedText());
    remaining_->setText(model_.RemainingText());
}

void frmProgress::Begin(const QString& caption) {
    InitProgress(caption, true);
    show();
    tmrProgress_.start();
}

void frmProgress::SetText(const QString& text) {
    text_->setText(text);
    text_->setVisible(!text.isEmpty());
}

void frmProgress::End() {
    tmrProgress_.stop();
    hide();
}

void frmProgress::Cancel() {
    if (!model_.MayCancel() || model_.Cancelled())
        return;
    model_.Cancel();
    End();
    emit CancelRequested();
}

void frmProgress::reject() {
    if (model_.MayCancel())
        Cancel();
}

} // namespace unitwindows
