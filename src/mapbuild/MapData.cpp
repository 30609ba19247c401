#include "mapbuild/MapData.h"

#include "carver/Carver.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/CartridgeBuild.h"
#include "mapbuild/LayerTree.h"
#include "mapbuild/MapCategorySource.h"
#include "mapbuild/MapDetail.h"
#include "mapbuild/SettingsLine.h"
#include "mapbuild/SettingsLineWriter.h"
#include "mapbuild/SizeInMB.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace mapbuild {

namespace {

const QString UsedList = QStringLiteral("UsedList.txt");
const QString BuildList = QStringLiteral("BuildList.txt");
const QString BuildErrorTitle = QStringLiteral("Build Error");

// Above this total area of borders over high-detail country the user is asked
// before building.
constexpr float VeryLargeArea = 1.5e12f;

// The part of the world the total area of the borders is measured in.
constexpr int UsLeft = -13898483, UsRight = -7273657, UsBottom = 2850246, UsTop = 6326830;

} // namespace

MapData::MapData(Carver& carver, QObject* parent) : QObject(parent), carver_(carver) {
    ClearMap();
    SetFileName(QStringLiteral("Untitled"));
}

void MapData::SetMasterAt5ListPath(const QString& path) {
    masterListPath_ = path;
    MakeUsedList();
}

QString MapData::ListPath(const QString& listName) const {
    return QDir(listFolder_.isEmpty() ? CartridgeBuild::TemporaryFolder() : listFolder_).filePath(listName);
}

MasterListWriter::Result MapData::WriteMasterList(const QString& listName, bool allDrives) {
    const bool high = detail_ && detail_->UseHighDetail();
    const QString path = ListPath(listName);
    const auto result = MasterListWriter(masterListPath_, high, drives_->Roots()).Write(path, allDrives);
    cdromError_ = result.leftOut;
    if (!result.writeError.isEmpty() && prompt_)
        prompt_->Message(QStringLiteral("File Error"),
                         QStringLiteral("Error saving ") + path + QStringLiteral("\r\n") + result.writeError,
                         ui::Icon::Critical);
    return result;
}

bool MapData::ReadLibraries() {
    return WriteMasterList(UsedList, true).written;
}

bool MapData::MakeUsedList() {
    if (!detail_ || !detail_->DetailValid())
        return true;
    if (!ReadLibraries())
        return false;
    if (categories_)
        categories_->SetUsedListPath(ListPath(UsedList));
    return true;
}

void MapData::SetDirty(bool dirty) {
    dirty_ = dirty;
    emit StateChanged();
}

void MapData::SetCartridgeDirty(bool dirty) {
    if (dirty == cartridgeDirty_)
        return;
    if (dirty)
        cartridgeFileName_.clear();
    cartridgeDirty_ = dirty;
    emit StateChanged();
}

void MapData::DefinitionChanged() {
    dirty_ = true;
    SetCartridgeDirty(true);
    emit StateChanged();
}

void MapData::ClearCartridge() {
    cartridgeFileName_.clear();
    cartridgeDirty_ = false;
    emit StateChanged();
}

void MapData::ClearMap() {
    carver_.KClearAll();
    SetFileName(QString());
    headerText_.clear();
    dirty_ = false;
    ClearCartridge();
    ResetLayerStates();
    ClearLayersListOff();
}

void MapData::ResetLayerStates() {
    if (!categories_)
        return;
    for (int major = 0; major < categories_->MajorCount(); ++major) {
        categories_->SetMajorState(major, true);
        const int minors = categories_->Major(major).minorCount;
        for (int minor = 0; minor < minors; ++minor)
            categories_->SetMinorState(major, minor, true);
    }
}

void MapData::SetFileName(const QString& name) {
    fileName_ = name;
    emit NameChanged();
}

QString MapData::MapName() const {
    const QString name = QFileInfo(fileName_).fileName();
    return name.left(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
}

void MapData::SetCartridgeFileName(const QString& name) {
    cartridgeFileName_ = name;
    emit StateChanged();
}

qint32 MapData::CartridgeFileLen() const {
    const QFileInfo info(cartridgeFileName_);
    if (cartridgeFileName_.isEmpty() || !info.isFile())
        return 0;
    return qint32(std::min<qint64>(info.size(), std::numeric_limits<qint32>::max()));
}

void MapData::UpdateLayers() {
    if (categories_ && tree_) {
        tree_->Clear();
        for (int major = 0; major < categories_->MajorCount(); ++major) {
            const MajorCategory record = categories_->Major(major);
            QString name;
            const bool on = record.inUse && categories_->MajorSelected(major, name);
            tree_->AddMajor(record.code, name.isEmpty() ? record.code : name, on);
            for (int minor = 0; minor < record.minorCount; ++minor) {
                const MinorCategory child = categories_->Minor(major, minor);
                tree_->AddMinor(record.code, record.code + u':' + child.code, child.name, child.selected);
            }
        }
        tree_->Refresh();
    }
    emit NeedRefresh();
}

void MapData::SetLayerState(const QString& id, bool on) {
    if (!categories_)
        return;
    const QString majorCode = id.section(u':', 0, 0);
    const bool isMinor = id.contains(u':');
    const QString minorCode = id.section(u':', 1);
    for (int major = 0; major < categories_->MajorCount(); ++major) {
        const MajorCategory record = categories_->Major(major);
        if (record.code != majorCode)
            continue;
        if (!isMinor) {
            categories_->SetMajorState(major, on);
            return;
        }
        for (int minor = 0; minor < record.minorCount; ++minor)
            if (categories_->Minor(major, minor).code == minorCode) {
                categories_->SetMinorState(major, minor, on);
                return;
            }
        return;
    }
}

void MapData::LayersChanged() {
    if (carver_.KGetNumPolygons() > 0)
        DefinitionChanged();
}

void MapData::LayerOff(const QString& id) {
    // Parentheses would break the list's entries apart.
    if (id.isEmpty() || id.contains(u'(') || id.contains(u')'))
        return;
    layersOff_.Add(id);
    SetLayerState(id, false);
    LayersChanged();
}

void MapData::LayerOn(const QString& id) {
    layersOff_.Remove(id);
    SetLayerState(id, true);
    LayersChanged();
}

void MapData::ClearLayersListOff() {
    SetCartridgeDirty(true);
    layersOff_.Clear();
    UpdateLayers();
}

bool MapData::SetMapOption(const QString& key, const QString& line) {
    const SettingsLine words(line);
    const QString value = words.Rest().trimmed();
    if (key == u"LayerOff") {
        // Written with its parentheses: "LayerOff (12:3)".
        QString id = value;
        if (id.startsWith(u'(') && id.endsWith(u')'))
            id = id.mid(1, id.size() - 2);
        LayerOff(id);
    } else if (key == u"MapPath") {
        if (!words.Word(2).isEmpty())
            mapPath_ = value;
    } else if (key == u"SavedBinaryPath") {
        if (!words.Word(2).isEmpty())
            savedMapPath_ = value;
    } else if (key == u"HeaderText") {
        headerText_ = value;
    } else if (key != u"MapSeries" && key != u"Library") {
        return false;
    }
    return true;
}

void MapData::SaveFile(SettingsLineWriter& out, bool withSettings) const {
    if (!headerText_.isEmpty())
        out.Text(QStringLiteral("HeaderText"), headerText_);
    if (!mapPath_.isEmpty())
        out.Text(QStringLiteral("MapPath"), mapPath_);
    if (withSettings) {
        if (!savedMapPath_.isEmpty())
            out.Text(QStringLiteral("SavedBinaryPath"), savedMapPath_);
        return;
    }
    qint64 written = 0;
    for (int border = 0; border < carver_.KGetNumPolygons(); ++border) {
        const int segments = carver_.KGetNumPoints(border);
        QList<QPoint> vertices;
        int x = 0, y = 0;
        for (int i = 0; i < segments; ++i)
            if (carver_.KGetPoint(border, i, 0, x, y))
                vertices << QPoint(x, y);
        if (carver_.KGetPoint(border, segments - 1, 1, x, y))
            vertices << QPoint(x, y);
        if (vertices.isEmpty())
            continue;
        out.Zoned(QStringLiteral("Polygon"),
                  {SettingsLineWriter::NumberText(written++),
                   SettingsLineWriter::FlagText(carver_.KIsPolyLineClosed(border) != 0),
                   SettingsLineWriter::NumberText(qint64(vertices.size()))});
        for (qsizetype i = 0; i < vertices.size(); ++i)
            out.Zoned(QStringLiteral("Point"), {SettingsLineWriter::NumberText(qint64(i)),
                                                SettingsLineWriter::NumberText(qint64(vertices[i].x())),
                                                SettingsLineWriter::NumberText(qint64(vertices[i].y()))});
    }
}

namespace {

// Vertices 0 and 2 of a closed border, taken as opposite corners.
template <typename Clamp> bool Corners(const Carver& carver, int border, Clamp clamp, float& area) {
    int x0 = 0, y0 = 0, x2 = 0, y2 = 0;
    if (!carver.KIsPolyLineClosed(border) || !carver.KGetPoint(border, 0, 0, x0, y0) ||
        !carver.KGetPoint(border, 2, 0, x2, y2))
        return false;
    clamp(x0, y0);
    clamp(x2, y2);
    area = std::abs(float(x2) - float(x0)) * std::abs(float(y2) - float(y0));
    return true;
}

} // namespace

float MapData::GetLargestPolygonArea() const {
    float largest = 0;
    for (int border = 0; border < carver_.KGetNumPolygons(); ++border) {
        float area = 0;
        if (Corners(
                carver_, border, [](int&, int&) {}, area))
            largest = std::max(largest, area);
    }
    return largest;
}

float MapData::GetUSTotalArea() const {
    const auto clamp = [](int& x, int& y) {
        x = std::clamp(x, UsLeft, UsRight);
        y = std::clamp(y, UsBottom, UsTop);
    };
    float total = 0;
    for (int border = 0; border < carver_.KGetNumPolygons(); ++border) {
        float area = 0;
        if (Corners(carver_, border, clamp, area))
            total += area;
    }
    return total;
}

// A build list that was not written afresh would build from a stale one.
bool MapData::PrepareBuild(QString& layers) {
    const auto list = WriteMasterList(BuildList, false);
    if (!list.written) {
        if (list.writeError.isEmpty())
            BuildError(QStringLiteral("The master map list ") +
                       QDir(masterListPath_).filePath(QStringLiteral("MasterList.txt")) +
                       QStringLiteral(" cannot be read."));
        else
            BuildAbandoned();
        return false;
    }
    layers = CartridgeBuild::LayerSelection(categories_);
    if (layers.isEmpty()) {
        BuildError(QStringLiteral("No map layers selected!"));
        return false;
    }
    return true;
}

void MapData::BuildError(const QString& text) {
    BuildAbandoned();
    if (prompt_)
        prompt_->Message(BuildErrorTitle, text, ui::Icon::Exclamation);
}

// A failure of the engine is told with its reason: among others, borders
// that hold no map data at all.
int MapData::MakeCartridge(const QString& output, const QString& layers) {
    const int status = carver_.KMakeCartridge(
        output, ListPath(BuildList),
        QDir(masterListPath_).filePath(QStringLiteral("MasterDefinitionLibrary.dat")), layers, headerText_);
    if (status == 0 && !carver_.LastCartridgeError().isEmpty())
        BuildError(carver_.LastCartridgeError());
    return status;
}

// Nothing was built: the definition still waits for its map.
void MapData::SetBusy(const QString& status) {
    busy_ = true;
    if (progress_)
        progress_->Begin(status);
    QCoreApplication::processEvents();
}

void MapData::EndBusy() {
    if (busy_ && progress_)
        progress_->End();
    busy_ = false;
}

bool MapData::BuildAbandoned() {
    EndBusy();
    cartridgeFileName_.clear();
    cartridgeDirty_ = true;
    emit StateChanged();
    return false;
}

bool MapData::TemporaryFileFailed(const QString& path) {
    if (CartridgeBuild::MakeFresh(path))
        return false;
    if (prompt_)
        prompt_->Message(QStringLiteral("File Error"), QStringLiteral("Error creating temporary file."),
                         ui::Icon::Critical);
    return true;
}

qint32 MapData::EstimateCartridge() {
    ClearCartridge();
    const QString name = MapName().isEmpty() ? QStringLiteral("Untitled") : MapName();
    const QString output = QDir(CartridgeBuild::TemporaryFolder()).filePath(name + QStringLiteral(".dat"));
    if (TemporaryFileFailed(output))
        return BuildAbandoned();
    SetBusy(QStringLiteral("Estimating map size - please wait"));
    QString layers;
    if (!PrepareBuild(layers))
        return false;
    const int status = MakeCartridge(output, layers + QStringLiteral("Estimate;"));
    const qint32 size = status == 0 ? 0 : CartridgeBuild::ReadEstimate(output);
    QFile::remove(output);
    BuildAbandoned(); // an estimate builds no map
    if (size > 0)
        emit CartridgeReady();
    return size;
}

bool MapData::CreateCartridge() {
    ClearCartridge();
    const QString name = MapName().isEmpty() ? QStringLiteral("Untitled") : MapName();
    const QString output = QDir(CartridgeBuild::TemporaryFolder()).filePath(name + QStringLiteral(".at5"));
    if (detail_ && detail_->UseHighDetail() && GetUSTotalArea() > VeryLargeArea && prompt_ &&
        prompt_->Ask(ui::ProgramTitle(),
                     QStringLiteral("You have created a very large map covering high detail areas.\n"
                                    "The output map file will be very large, and\n"
                                    "this build will take an extremely long time.\n"
                                    "It is recommended you change your map option to use low detail.\n\n"
                                    "Do you wish to continue building?"),
                     ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::No)
        return BuildAbandoned();
    if (TemporaryFileFailed(output))
        return BuildAbandoned();
    SetBusy(QStringLiteral("Creating map - please wait"));
    QString layers;
    if (!PrepareBuild(layers))
        return false;
    cartridgeFileName_ = output;
    if (MakeCartridge(output, layers) == 0 || CartridgeFileLen() == 0) {
        QFile::remove(output);
        return BuildAbandoned();
    }
    cartridgeDirty_ = false;
    EndBusy();
    emit StateChanged();
    emit CartridgeReady();
    if (prompt_)
        prompt_->Message(QStringLiteral("File Information"),
                         QStringLiteral("The size of your custom map is ") + SizeInMB(CartridgeFileLen()) +
                             QStringLiteral("  MB.\nClick the OK button to save your custom map"),
                         ui::Icon::Information);
    return true;
}

QString MapData::SaveCartridge(const QString& target) {
    const QString error = CartridgeBuild::CopyInto(cartridgeFileName_, target);
    if (error.isEmpty())
        savedMapPath_ = target;
    return error;
}

} // namespace mapbuild
