#include "app/GuiProgress.h"

#include <QProgressDialog>

namespace app {

GuiProgress::~GuiProgress() {
    delete dialog_;
}

void GuiProgress::Begin(const QString& caption) {
    if (!dialog_) {
        dialog_ = new QProgressDialog(owner_);
        dialog_->setObjectName(QStringLiteral("frmProgress"));
        dialog_->setRange(0, 100);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setWindowModality(Qt::WindowModal);
    }
    dialog_->reset();
    dialog_->setWindowTitle(caption);
    dialog_->setLabelText(caption);
    dialog_->setValue(0);
    dialog_->show();
}

void GuiProgress::SetValue(int percent) {
    if (dialog_)
        dialog_->setValue(qBound(0, percent, 100));
}

void GuiProgress::SetText(const QString& text) {
    if (dialog_)
        dialog_->setLabelText(text);
}

void GuiProgress::End() {
    if (dialog_)
        dialog_->hide();
}

bool GuiProgress::Cancelled() const {
    return dialog_ && dialog_->wasCanceled();
}

} // namespace app
