#include "StreamProgress.h"

#include "comm/Connection.h"

namespace cli {

void StreamProgress::Begin(const QString& caption) {
    End();
    caption_ = caption;
    percent_ = -1;
    SetValue(0);
}

void StreamProgress::SetValue(int percent) {
    if (percent == percent_)
        return;
    percent_ = percent;
    open_ = true;
    err_ << '\r' << caption_ << ' ' << percent << '%' << Qt::flush;
}

void StreamProgress::End() {
    if (open_)
        err_ << Qt::endl;
    open_ = false;
}

void StreamProgress::SetStatusText(int panel, const QString& text) {
    if (panel != comm::Connection::StatusPanel) {
        lastStep_ = text;
        return;
    }
    End();
    err_ << text << Qt::endl;
}

} // namespace cli
