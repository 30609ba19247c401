#include "editors/FrameClose.h"

#include <QMdiSubWindow>

namespace editors {

void CloseWithFrame(QWidget& window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->close();
        return;
    }
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.close();
}

} // namespace editors
