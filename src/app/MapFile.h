#pragma once

#include "app/ProgramSettings.h"
#include "app/RecentFiles.h"
#include "app/SettingsKeyTable.h"

#include <QObject>
#include <QPair>
#include <QVariant>

class QIODevice;

namespace mapbuild {
class MapData;
}
namespace ui {
class Prompt;
}

namespace app {

// Reads and writes the workspace (.nmp) and settings files: one key and its
// value per line (docs/workspace.md).
class MapFile : public QObject {
    Q_OBJECT
public:
    MapFile(ProgramSettings& settings, mapbuild::MapData& map, RecentFiles& recent, ui::Prompt& prompt,
            QObject* parent = nullptr);

    // The settings form (`withSettings`) or the workspace form, through a
    // temporary file renamed over the old one when complete. On failure
    // `error` says why and the old file is untouched.
    bool SaveMapFile(const QString& fileName, bool withSettings, QString* error = nullptr);
    // A file of either form; missing keys leave the current values. A file
    // that cannot be read shows "Error loading file." and keeps what was read.
    bool LoadMapFile(const QString& fileName);

    // The keys the last load applied, in file order, each with its values as
    // read (one per line that carried it).
    const QList<QPair<QString, QVariantList>>& ReadOptions() const { return readOptions_; }

signals:
    // A file is about to be written: the values are collected from the
    // objects that show them, so the file holds what the user sees.
    void Saving();
    // A file is about to be read: the same, so that what it lacks keeps the
    // value shown now rather than the one of the last read or write.
    void Loading();
    // A workspace was written: the undo stack starts afresh.
    void WorkspaceWritten();
    // A load finished: the map window and its layer tree follow.
    void Loaded();

private:
    bool ReadLines(QIODevice& file);
    bool ReadBorder(QIODevice& file, const QString& line);
    void Record(const QString& key, const QVariant& value);
    void FinishLoad();

    ProgramSettings& settings_;
    mapbuild::MapData& map_;
    RecentFiles& recent_;
    ui::Prompt& prompt_;
    QList<SettingsKey> keys_;
    QList<QPair<QString, QVariantList>> readOptions_;
};

} // namespace app
