#include "unitwindows/frmSerialConnect.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace unitwindows {

frmSerialConnect::frmSerialConnect(QWidget* owner) : QDialog(owner), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSerialConnect"));
    setWindowTitle(QStringLiteral("Connecting"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setMinimumWidth(320);
    auto* text = new QLabel(QStringLiteral("Looking for the GPS unit..."), this);
    text->setObjectName(QStringLiteral("lblConnecting"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(busy);
    layout->addWidget(status_);
}

void frmSerialConnect::SetStatusText(const QString& text) {
    status_->setText(text);
}

QString frmSerialConnect::StatusText() const {
    return status_->text();
}

void frmSerialConnect::CloseByProgram() {
    QDialog::reject();
}

void frmSerialConnect::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace unitwindows
