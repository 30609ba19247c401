#include "app/SavePrompt.h"

namespace app {

QString SavePrompt::MapChangedText(const QString& fileName) {
    const QString name = fileName.isEmpty() ? QStringLiteral("Untitled") : fileName;
    return QStringLiteral("The map in the ") + name + QStringLiteral(" file has changed.");
}

QString SavePrompt::GPSChangedText(const QString& path) {
    return path.isEmpty() ? QStringLiteral("Untitled data file has changed.")
                          : path + QStringLiteral(" has changed.");
}

bool SavePrompt::AbortIfDirty(ui::Prompt& prompt, const QString& message, const std::function<bool()>& dirty,
                              const std::function<void()>& save) {
    if (!dirty())
        return false;
    const ui::Answer answer = prompt.Ask(QStringLiteral("Save File"),
                                         message + QStringLiteral("\nDo you wish to save the changes?"),
                                         ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (answer == ui::Answer::No)
        return false;
    if (answer != ui::Answer::Yes)
        return true;
    save();
    return dirty();
}

} // namespace app
