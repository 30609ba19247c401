#include "print/frmPrintingPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace print {

frmPrintingPage::frmPrintingPage(QWidget* parent) : QDialog(parent), lblPage_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmPrintingPage"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(true);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblPage_->setMinimumWidth(
        lblPage_->fontMetrics().horizontalAdvance(QStringLiteral("Now printing page 999 of 999")));
    lblPage_->setAlignment(Qt::AlignCenter);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPage_);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
}

void frmPrintingPage::Begin(const QString& caption) {
    cancelled_ = false;
    setWindowTitle(caption);
    show();
    QCoreApplication::processEvents();
}

void frmPrintingPage::SetText(const QString& text) {
    lblPage_->setText(text);
    QCoreApplication::processEvents();
}

void frmPrintingPage::End() {
    hide();
}

} // namespace print
