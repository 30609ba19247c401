#pragma once

#include "gpsdata/Prompt.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace app {

// A progress dialog with a Cancel button for the core's long operations.
class GuiProgress : public ui::Progress {
public:
    explicit GuiProgress(QWidget* owner = nullptr) : owner_(owner) {}
    ~GuiProgress() override;

    void Begin(const QString& caption) override;
    void SetValue(int percent) override;
    void SetText(const QString& text) override;
    void End() override;
    bool Cancelled() const override;

private:
    QWidget* owner_;
    QPointer<QProgressDialog> dialog_;
};

} // namespace app
