#pragma once

#include "gpsdata/Prompt.h"

#include <QList>

class QLabel;
class QStatusBar;

namespace app {

// The main window's status bar as numbered panels: messages, the connection,
// the pointer's position over the map and the built map's size.
class StatusPanels : public ui::StatusSink {
public:
    enum Panel { Message = 0, Connection = 1, Position = 2, MapSize = 3, Count = 4 };

    explicit StatusPanels(QStatusBar* bar);

    void SetStatusText(int panel, const QString& text) override;
    QString StatusText(int panel) const;

private:
    QList<QLabel*> labels_;
};

} // namespace app
