#include "unitwindows/frmMMCSaveStatus.h"

#include <QLabel>
#include <QVBoxLayout>

namespace unitwindows {

frmMMCSaveStatus::frmMMCSaveStatus(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), lblStatus_(new QLabel) {
    setObjectName(QStringLiteral("frmMMCSaveStatus"));
    setWindowTitle(QStringLiteral("Saving to MMC Card"));
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus_);
}

void frmMMCSaveStatus::SetStatusText(int, const QString& text) {
    lblStatus_->setText(text);
}

QString frmMMCSaveStatus::StatusText() const {
    return lblStatus_->text();
}

void frmMMCSaveStatus::ShowOver(QWidget* owner) {
    if (owner) {
        const QSize size = sizeHint();
        move(owner->mapToGlobal(QPoint((owner->width() - size.width()) / 2, owner->height() / 5)));
    }
    show();
}

} // namespace unitwindows
