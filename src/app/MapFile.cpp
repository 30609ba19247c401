#include "app/MapFile.h"

#include "carver/Carver.h"
#include "carver/CarverModes.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"
#include "mapbuild/SettingsLine.h"
#include "mapbuild/SettingsLineWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace app {

namespace {

// No line of these files comes near this; longer ones mean a damaged file.
constexpr qint64 MaxLineLength = 64 * 1024;

std::optional<QString> NextLine(QIODevice& file) {
    if (file.atEnd())
        return std::nullopt;
    const QByteArray line = file.readLine(MaxLineLength);
    if (line.size() >= MaxLineLength - 1 && !line.endsWith('\n'))
        return std::nullopt;
    return QString::fromUtf8(line);
}

bool IsSettingsFile(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot >= 0 && name.mid(dot + 1).contains(u"ini", Qt::CaseInsensitive);
}

} // namespace

MapFile::MapFile(ProgramSettings& settings, mapbuild::MapData& map, RecentFiles& recent, ui::Prompt& prompt,
                 QObject* parent)
    : QObject(parent), settings_(settings), map_(map), recent_(recent), prompt_(prompt),
      keys_(SettingsKeyTable(settings, recent, map)) {}

bool MapFile::SaveMapFile(const QString& fileName, bool withSettings, QString* error) {
    emit Saving();
    mapbuild::SettingsLineWriter out;
    for (const SettingsKey& key : keys_) {
        const bool wanted = key.form == FileForm::Both || (key.form == FileForm::Settings) == withSettings;
        if (wanted)
            key.write(out);
    }
    map_.SaveFile(out, withSettings);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    // commit() misses a write that fails while the buffer empties: flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(out.Bytes()) != out.Bytes().size() || !file.flush() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!withSettings)
        emit WorkspaceWritten();
    return true;
}

bool MapFile::LoadMapFile(const QString& fileName) {
    emit Loading();
    readOptions_.clear();
    map_.ClearLayersListOff();
    QFile file(fileName);
    const int bordersBefore = map_.Borders().KGetNumPolygons();
    bool read = file.open(QIODevice::ReadOnly) && ReadLines(file);
    // A settings file may be empty (a first start), but a workspace always
    // holds some key: one with none is some other file.
    if (read && !IsSettingsFile(fileName) && readOptions_.isEmpty() &&
        map_.Borders().KGetNumPolygons() == bordersBefore)
        read = false;
    FinishLoad();
    if (!read) {
        prompt_.Message(QStringLiteral("File Error"), QStringLiteral("Error loading file."),
                        ui::Icon::Critical);
        return false;
    }
    if (!IsSettingsFile(fileName))
        recent_.Add(fileName);
    return true;
}

bool MapFile::ReadLines(QIODevice& file) {
    while (!file.atEnd()) {
        const auto text = NextLine(file);
        if (!text)
            return false;
        const mapbuild::SettingsLine line(*text);
        if (line.Key() == u"Polygon") {
            if (!ReadBorder(file, *text))
                return false;
            continue;
        }
        const auto key = std::find_if(keys_.begin(), keys_.end(),
                                      [&](const SettingsKey& k) { return k.key == line.Key() && k.read; });
        if (key == keys_.end()) {
            if (map_.SetMapOption(line.Key(), *text))
                Record(line.Key(), line.Rest().trimmed());
            continue;
        }
        const auto value = key->read(line);
        if (!value)
            return false;
        Record(line.Key(), *value);
    }
    return true;
}

// "Polygon index closed count", then `count` lines whose third and fourth
// words are the vertex.
bool MapFile::ReadBorder(QIODevice& file, const QString& text) {
    const mapbuild::SettingsLine polygon(text);
    const auto count = polygon.Integer(4, 0, std::numeric_limits<qint32>::max());
    if (!count)
        return false;
    Carver& carver = map_.Borders();
    carver.KAddPolyline(polygon.Word(3).toLower() == u"true" ? 1 : 0);
    for (qint64 i = 0; i < *count; ++i) {
        const auto next = NextLine(file);
        if (!next)
            return false;
        const mapbuild::SettingsLine point(*next);
        const auto x = point.Number(3), y = point.Number(4);
        if (!x || !y)
            return false;
        try {
            carver.KAddPolyPoint(geo::RoundToInt32(*x), geo::RoundToInt32(*y));
        } catch (const geo::NumericError&) {
            return false;
        }
    }
    return true;
}

void MapFile::Record(const QString& key, const QVariant& value) {
    for (auto& [k, values] : readOptions_)
        if (k == key) {
            values << value;
            return;
        }
    readOptions_.append({key, QVariantList{value}});
}

// Whatever was read, no border is left under construction.
void MapFile::FinishLoad() {
    Carver& carver = map_.Borders();
    carver.KSetMode(KEL_MODE_START_BORDER);
    carver.KSendPoint(0, 0);
    carver.KDeletePoint(0, 0);
    carver.KSetMode(KEL_MODE_LAST_POINT);
    map_.UpdateLayers();
    emit Loaded();
}

} // namespace app
