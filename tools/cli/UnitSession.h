#pragma once

#include "carver/Carver.h"
#include "comm/CardOperations.h"
#include "comm/Connection.h"
#include "comm/FlashPartitions.h"
#include "comm/MapUpload.h"
#include "gpsdata/Prompt.h"
#include "linkpod/LinkPod.h"
#include "mapbuild/MapData.h"

#include <QTextStream>

#include <functional>

namespace cli {

// Message boxes as lines on stderr; every question is answered Yes, as a
// script that asked for the command wants it done.
class TextPrompt : public ui::Prompt {
public:
    explicit TextPrompt(QTextStream& err) : err_(err) {}
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon) override;
    bool Shown() const { return shown_; }

private:
    QTextStream& err_;
    bool shown_ = false;
};

// Progress as a line on stderr each time the percentage moves.
class TextProgress : public ui::Progress {
public:
    explicit TextProgress(QTextStream& err) : err_(err) {}
    void Begin(const QString& caption) override;
    void SetValue(int percent) override;
    void SetText(const QString&) override {}
    void End() override {}
    bool Cancelled() const override { return false; }

private:
    QTextStream& err_;
    QString caption_;
    int last_ = -1;
};

// The communication control, the session and the map window's partition
// and card lists, as the desktop program holds them, for the commands that
// talk to a unit or the card reader. Link errors are told as the main window
// tells them.
struct UnitSession {
    explicit UnitSession(QTextStream& err);

    // Runs the event loop until `done` holds or `seconds` passed; false then.
    static bool WaitFor(const std::function<bool()>& done, int seconds);
    // Waits for the upload's end; true when the map was taken whole.
    bool WaitForUpload(int seconds);

    TextPrompt prompt;
    TextProgress progress;
    linkpod::LinkPod pod;
    comm::Connection session{pod};
    Carver carver;
    mapbuild::MapData map{carver};
    comm::MapUpload upload{session};
    comm::FlashPartitions partitions{session, map, upload};
    comm::CardOperations cards{session, upload};
    QList<bool> uploads; // Finished results
};

} // namespace cli
