#pragma once

#include <QApplication>
#include <QCursor>

namespace app {

// The busy pointer while a file loads; pending events run first so the
// pointer shows before the work starts.
class BusyCursor {
public:
    BusyCursor() {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        QApplication::processEvents();
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace app
