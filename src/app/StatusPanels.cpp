#include "app/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

namespace app {

StatusPanels::StatusPanels(QStatusBar* bar) {
    static const char* const names[Count] = {"pnlMessage", "pnlConnection", "pnlPosition", "pnlMapSize"};
    for (int i = 0; i < Count; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QLatin1String(names[i]));
        label->setMinimumWidth(i == Message ? 160 : i == Position ? 260 : 120);
        if (i == Message)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
        labels_ << label;
    }
}

void StatusPanels::SetStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < labels_.size())
        labels_.at(panel)->setText(text);
}

QString StatusPanels::StatusText(int panel) const {
    return panel >= 0 && panel < labels_.size() ? labels_.at(panel)->text() : QString();
}

} // namespace app
