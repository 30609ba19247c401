#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QMdiArea;

namespace app {

// Arranges the frame's child windows when something calls for it: a list
// window opens or closes, or the frame changes size. Requests that come
// together give one arrangement, once the events have settled. Nothing else
// moves the windows, so a window the user has just moved stays where it is
// until the next such event.
class AutoArrange : public QObject {
    Q_OBJECT
public:
    AutoArrange(QMdiArea& area, std::function<void()> arrange, QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    // Switching on arranges at once.
    void SetEnabled(bool on);
    void Request();
    // True while an arrangement is due.
    bool Pending() const { return tmrArrange_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea& area_;
    std::function<void()> arrange_;
    QTimer tmrArrange_;
    bool enabled_ = false;
};

} // namespace app
