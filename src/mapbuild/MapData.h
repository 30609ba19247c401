#pragma once

#include "mapbuild/FlashSectionList.h"
#include "mapbuild/LayersOffList.h"
#include "mapbuild/MasterListWriter.h"
#include "mapbuild/OpticalDrives.h"

#include <QObject>
#include <QString>

class Carver;

namespace ui {
class Progress;
class Prompt;
} // namespace ui

namespace mapbuild {

class LayerTree;
class MapCategorySource;
class MapDetail;
class SettingsLineWriter;

// The program's one custom map definition. The borders live in the border
// engine; this holds the workspace name, the master map folder and lists,
// the layers switched off, the header text, the last built map and the
// change flags. It also holds the partitions of a unit that keeps its maps
// in partitions.
class MapData : public QObject, public FlashSectionList {
    Q_OBJECT
public:
    explicit MapData(Carver& carver, QObject* parent = nullptr);

    // Collaborators; each may be left unset (no categories, no layer pane,
    // low detail, the mounted drives).
    void SetCategorySource(MapCategorySource* source) { categories_ = source; }
    void SetLayerTree(LayerTree* tree) { tree_ = tree; }
    void SetDetail(const MapDetail* detail) { detail_ = detail; }
    void SetDrives(const OpticalDrives* drives) { drives_ = drives ? drives : &mounted_; }
    // Messages and questions of the estimate and build, and their busy state
    // with its status text.
    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }
    void SetProgress(ui::Progress* progress) { progress_ = progress; }

    // The folder of "MasterList.txt" and "MasterDefinitionLibrary.dat"; it
    // may be read-only.
    const QString& MasterAt5ListPath() const { return masterListPath_; }
    void SetMasterAt5ListPath(const QString& path);
    // The user's folder that "UsedList.txt" and "BuildList.txt" are written
    // to (the system's temporary folder until set); set it first.
    const QString& ListFolder() const { return listFolder_; }
    void SetListFolder(const QString& folder) { listFolder_ = folder; }
    // Rebuilds "UsedList.txt" and hands it to the master map, when the
    // detail data is valid. False when the list could not be written (told
    // as a file error).
    bool MakeUsedList();
    // Writes "UsedList.txt" over every drive; false when the master list
    // could not be read or the used list not written.
    bool ReadLibraries();

    bool Dirty() const { return dirty_; }
    void SetDirty(bool dirty);
    bool CartridgeDirty() const { return cartridgeDirty_; }
    void SetCartridgeDirty(bool dirty);
    // A border was added or changed.
    void DefinitionChanged();
    void ClearMap();
    void ClearCartridge();

    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& name);
    QString MapName() const;
    const QString& HeaderText() const { return headerText_; }
    void SetHeaderText(const QString& text) { headerText_ = text; }
    const QString& CartridgeFileName() const { return cartridgeFileName_; }
    void SetCartridgeFileName(const QString& name);
    qint32 CartridgeFileLen() const;
    const QString& MapPath() const { return mapPath_; }
    void SetMapPath(const QString& path) { mapPath_ = path; }
    const QString& SavedMapPath() const { return savedMapPath_; }
    void SetSavedMapPath(const QString& path) { savedMapPath_ = path; }
    // Copies the built map to `target`, replacing it only once complete, and
    // remembers it as the saved map. Returns why it failed, empty on success.
    QString SaveCartridge(const QString& target);
    // The last master list left out a file that no drive held.
    bool CDROMError() const { return cdromError_; }

    void UpdateLayers();
    // The size the custom map would take, in bytes; 0 when none.
    qint32 EstimateCartridge();
    // Builds the custom map into a temporary file (CartridgeFileName); true
    // when a map file was built.
    bool CreateCartridge();
    void SaveFile(SettingsLineWriter& out, bool withSettings) const;
    // Takes a line of a workspace or settings file whose key nobody else
    // took; false when the key is not one of the map definition's.
    bool SetMapOption(const QString& key, const QString& line);
    void LayerOn(const QString& id);
    void LayerOff(const QString& id);
    void ClearLayersListOff();
    QString GetLayerOff(int i) const { return layersOff_.Entry(i); }
    int LayersOffCount() const { return layersOff_.Count(); }

    float GetLargestPolygonArea() const;
    float GetUSTotalArea() const;

    Carver& Borders() const { return carver_; }

signals:
    void NeedRefresh();
    void NameChanged();
    // The change flags or the built map changed: menus and status follow.
    void StateChanged();
    // An estimate or a build finished with a result: the program beeps.
    void CartridgeReady();

private:
    QString ListPath(const QString& listName) const;
    // Writes one of the lists; a failed write is told.
    MasterListWriter::Result WriteMasterList(const QString& listName, bool allDrives);
    void SetLayerState(const QString& id, bool on);
    void LayersChanged();
    void ResetLayerStates();
    // Writes the build list and makes the layer selection; false, with the
    // reason told, when either cannot be had.
    bool PrepareBuild(QString& layers);
    void BuildError(const QString& text);
    int MakeCartridge(const QString& output, const QString& layers);
    bool BuildAbandoned();
    void SetBusy(const QString& status);
    void EndBusy();
    bool TemporaryFileFailed(const QString& path);

    Carver& carver_;
    MapCategorySource* categories_ = nullptr;
    LayerTree* tree_ = nullptr;
    ui::Prompt* prompt_ = nullptr;
    ui::Progress* progress_ = nullptr;
    const MapDetail* detail_ = nullptr;
    MountedOpticalDrives mounted_;
    const OpticalDrives* drives_ = &mounted_;
    QString masterListPath_;
    QString listFolder_;
    QString fileName_;
    QString headerText_;
    QString cartridgeFileName_;
    QString mapPath_;
    QString savedMapPath_;
    LayersOffList layersOff_;
    bool dirty_ = false;
    bool cartridgeDirty_ = false;
    bool cdromError_ = false;
    bool busy_ = false;
};

} // namespace mapbuild
