#include "app/PositionListCommands.h"

#include "app/BusyCursor.h"
#include "app/FileChooser.h"
#include "editors/frmExportFile.h"
#include "files/PositionListImport.h"
#include "mapview/UndoStack.h"

#include <QFileInfo>

namespace app {

using files::PositionListImport;

PositionListCommands::PositionListCommands(gpsdata::GPSData& data, mapview::UndoStack& undo,
                                           ui::Prompt& prompt, std::function<QString()> folder,
                                           QWidget* owner)
    : QObject(owner), data_(data), undo_(undo), prompt_(prompt), folder_(std::move(folder)), owner_(owner) {}

void PositionListCommands::Import(bool route) {
    if (!chooser_)
        return;
    for (;;) {
        const QString path = chooser_->OpenName({PositionListImport::DialogTitle(route),
                                                 PositionListImport::DialogFilter(), folder_(), QString()});
        if (path.isEmpty())
            return;
        if (QFileInfo(path).isFile())
            undo_.PushUndoOperation(false, PositionListImport::DialogTitle(route));
        PositionListImport::Result result;
        {
            const BusyCursor busy;
            result = PositionListImport(data_, prompt_).Import(path, route);
        }
        if (result != PositionListImport::Result::FileNotFound)
            return;
    }
}

void PositionListCommands::Export() {
    auto* window = new editors::frmExportFile(data_, prompt_, folder_(), owner_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetBrowser([this](const QString& title, const QString& filter, const QString& name) {
        return chooser_ ? chooser_->SaveName({title, filter, name, QStringLiteral("TXT")}) : QString();
    });
    window->open();
}

} // namespace app
