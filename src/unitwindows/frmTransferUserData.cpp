#include "unitwindows/frmTransferUserData.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace unitwindows {

frmTransferUserData::frmTransferUserData(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), lblCaption_(new QLabel),
      barPercent_(new QProgressBar), lblPercent_(new QLabel) {
    setObjectName(QStringLiteral("frmTransferUserData"));
    setWindowModality(Qt::WindowModal);
    lblCaption_->setObjectName(QStringLiteral("lblCaption"));
    barPercent_->setObjectName(QStringLiteral("barPercent"));
    barPercent_->setRange(0, 100);
    barPercent_->setTextVisible(false);
    lblPercent_->setObjectName(QStringLiteral("lblPercent"));
    lblPercent_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption_);
    layout->addWidget(barPercent_);
    layout->addWidget(lblPercent_);
    setMinimumWidth(320);
}

void frmTransferUserData::Begin(const QString& caption) {
    setWindowTitle(caption);
    lblCaption_->setText(caption);
    SetValue(0);
    SetText(QStringLiteral("0%"));
    show();
}

void frmTransferUserData::SetValue(int percent) {
    barPercent_->setValue(qBound(0, percent, 100));
}

void frmTransferUserData::SetText(const QString& text) {
    lblPercent_->setText(text);
}

void frmTransferUserData::End() {
    hide();
}

} // namespace unitwindows
