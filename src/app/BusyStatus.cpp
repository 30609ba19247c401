#include "app/BusyStatus.h"

#include "app/StatusPanels.h"

#include <QApplication>
#include <QCursor>

namespace app {

BusyStatus::~BusyStatus() {
    End();
}

void BusyStatus::Begin(const QString& caption) {
    SetText(caption);
    if (!busy_)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    busy_ = true;
}

void BusyStatus::SetText(const QString& text) {
    status_.SetStatusText(StatusPanels::Message, text);
}

// The job's "please wait" goes with it, whether it built, failed or was
// left at the save dialog.
void BusyStatus::End() {
    if (!busy_)
        return;
    QApplication::restoreOverrideCursor();
    status_.SetStatusText(StatusPanels::Message, QString());
    busy_ = false;
}

} // namespace app
