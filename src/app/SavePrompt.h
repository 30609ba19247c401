#pragma once

#include "gpsdata/Prompt.h"

#include <QString>

#include <functional>

namespace app {

// The Yes/No/Cancel question asked before changed map borders or GPS data
// would be lost.
class SavePrompt {
public:
    static QString MapChangedText(const QString& fileName);
    static QString GPSChangedText(const QString& path);

    // True when the caller must abort: the user cancelled, or chose to save and
    // the document is still changed afterwards (the save failed or was
    // cancelled). Asks nothing when `dirty` reports no change.
    static bool AbortIfDirty(ui::Prompt& prompt, const QString& message, const std::function<bool()>& dirty,
                             const std::function<void()>& save);
};

} // namespace app
