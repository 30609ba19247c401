#pragma once

#include "gpsdata/Prompt.h"

#include <QList>

class QLabel;
class QStatusBar;

namespace app {

// The main window's status bar as numbered panels: messages, the pointer's
// position over the map, the built map's size and the connection.
class StatusPanels : public ui::StatusSink {
public:
    enum Panel { Message = 0, Position = 1, MapSize = 2, Connection = 3, Count = 4 };

    explicit StatusPanels(QStatusBar* bar);

    void SetStatusText(int panel, const QString& text) override;
    QString StatusText(int panel) const;

private:
    QList<QLabel*> labels_;
};

} // namespace app
