#include "app/SettingsKeyTable.h"

#include "mapbuild/MapData.h"
#include "mapbuild/SettingsLine.h"
#include "mapbuild/SettingsLineWriter.h"

#include <limits>

namespace app {

namespace {

using mapbuild::SettingsLine;
using mapbuild::SettingsLineWriter;
using Blank = SettingsLineWriter::Blank;
using Reader = std::function<std::optional<QVariant>(const SettingsLine&)>;

constexpr qint64 Int32Min = std::numeric_limits<qint32>::min(), Int32Max = std::numeric_limits<qint32>::max();

class Builder {
public:
    Builder(ProgramSettings& s) : s_(s) {}

    void Integer(const QString& key, FileForm form, int ProgramSettings::*field, bool bits16,
                 Blank blank = Blank::Own) {
        const qint64 low = bits16 ? -32768 : Int32Min, high = bits16 ? 32767 : Int32Max;
        Add(
            key, form, [=, &s = s_](SettingsLineWriter& out) { out.Integer(key, s.*field, blank); },
            [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                const auto v = line.Integer(2, low, high);
                if (!v)
                    return std::nullopt;
                s.*field = int(*v);
                return QVariant(*v);
            });
    }
    void Single(const QString& key, FileForm form, float ProgramSettings::*field, Blank blank = Blank::Own) {
        Add(
            key, form, [=, &s = s_](SettingsLineWriter& out) { out.Single(key, s.*field, blank); },
            [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                const auto v = line.Number(2);
                if (!v || std::abs(*v) > std::numeric_limits<float>::max())
                    return std::nullopt;
                s.*field = float(*v);
                return QVariant(double(s.*field));
            });
    }
    void Double(const QString& key, FileForm form, double ProgramSettings::*field) {
        Add(
            key, form, [=, &s = s_](SettingsLineWriter& out) { out.Double(key, s.*field); },
            [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                const auto v = line.Number(2);
                if (!v)
                    return std::nullopt;
                s.*field = *v;
                return QVariant(*v);
            });
    }
    void Flag(const QString& key, FileForm form, bool ProgramSettings::*field) {
        Add(
            key, form, [=, &s = s_](SettingsLineWriter& out) { out.Flag(key, s.*field); },
            [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                const auto v = line.Flag(2);
                if (!v)
                    return std::nullopt;
                s.*field = *v;
                return QVariant(*v);
            });
    }
    // A text, or with `skipEmpty` a path written only when not empty.
    void Text(const QString& key, FileForm form, QString ProgramSettings::*field, bool skipEmpty = false) {
        Add(
            key, form,
            [=, &s = s_](SettingsLineWriter& out) {
                if (!skipEmpty || !(s.*field).isEmpty())
                    out.Text(key, s.*field);
            },
            ReadText(field));
    }
    Reader ReadText(QString ProgramSettings::*field) {
        return [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
            s.*field = line.Rest();
            return QVariant(line.Rest());
        };
    }
    void Places(const QString& key, QList<ListWindowPlace> ProgramSettings::*field) {
        Add(
            key, FileForm::Settings,
            [=, &s = s_](SettingsLineWriter& out) {
                for (const ListWindowPlace& p : s.*field)
                    out.Integers(key, {p.left, p.top, p.width, p.height});
            },
            [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                qint64 v[4];
                for (int i = 0; i < 4; ++i) {
                    const auto n = line.Integer(i + 2, Int32Min, Int32Max);
                    if (!n)
                        return std::nullopt;
                    v[i] = *n;
                }
                (s.*field).append({v[0], v[1], v[2], v[3]});
                return QVariant(QVariantList{v[0], v[1], v[2], v[3]});
            });
    }
    // "<key>1", "<key>2" ... for the entries of a fixed-length list of
    // paths, each written only when not empty.
    void Numbered(const QString& key, QStringList ProgramSettings::*field) {
        for (int n = 1; n <= (s_.*field).size(); ++n) {
            const QString numbered = key + QString::number(n);
            Add(
                numbered, FileForm::Settings,
                [=, &s = s_](SettingsLineWriter& out) {
                    if (!(s.*field).at(n - 1).isEmpty())
                        out.Text(numbered, (s.*field).at(n - 1));
                },
                [=, &s = s_](const SettingsLine& line) -> std::optional<QVariant> {
                    (s.*field)[n - 1] = line.Rest().trimmed();
                    return QVariant(line.Rest().trimmed());
                });
        }
    }
    void Add(const QString& key, FileForm form, std::function<void(SettingsLineWriter&)> write, Reader read) {
        keys.append({key, form, std::move(write), std::move(read)});
    }

    QList<SettingsKey> keys;

private:
    ProgramSettings& s_;
};

std::optional<QVariant> ReadDelimiter(const SettingsLine& line, QString& delimiter) {
    QString text;
    QVariantList codes;
    for (int i = 2; i <= line.WordCount(); ++i) {
        const auto code = line.Integer(i, 1, 0xFFFF);
        if (!code)
            return std::nullopt;
        text += QChar(char16_t(*code));
        codes << *code;
    }
    delimiter = text;
    return QVariant(codes);
}

} // namespace

QList<SettingsKey> SettingsKeyTable(ProgramSettings& s, RecentFiles& recent, mapbuild::MapData& map) {
    using P = ProgramSettings;
    const auto S = FileForm::Settings, B = FileForm::Both, W = FileForm::Workspace;
    Builder b(s);
    b.Add(
        "Version", B, [](SettingsLineWriter& out) { out.Text("Version", "6.0"); },
        [](const SettingsLine& line) { return std::optional<QVariant>(QVariant(line.Rest().trimmed())); });
    b.Integer("FormState", S, &P::formState, true);
    b.Single("FormHeight", S, &P::formHeight, Blank::None);
    b.Single("FormWidth", S, &P::formWidth);
    b.Single("FormTop", S, &P::formTop);
    b.Single("FormLeft", S, &P::formLeft);
    b.Integer("ComPort", S, &P::comPort, true);
    b.Flag("AutoSelectComPort", S, &P::autoSelectComPort);
    b.Integer("LPTPort", S, &P::lptPort, true, Blank::None);
    b.Integer("BaudRate", S, &P::baudRate, false);
    b.Numbered("ComDevice", &P::comDevices);
    b.Numbered("LPTFolder", &P::lptFolders);
    b.Integer("PositionFormat", S, &P::positionFormat, false);
    b.Flag("ViewToolbar", S, &P::viewToolbar);
    b.Flag("ViewStatusbar", S, &P::viewStatusbar);
    b.Flag("ViewMapLayers", S, &P::viewMapLayers);
    b.Flag("ViewFlashInformation", S, &P::viewFlashInformation);
    b.Flag("AutoArrangeWindows", S, &P::autoArrangeWindows);
    b.Single("MapSplit", S, &P::mapSplit);
    b.Integer("DefaultSymbol", S, &P::defaultSymbol, false);
    b.Add(
        "ClipboardDelimiter", S,
        [&s](SettingsLineWriter& out) {
            QString codes;
            for (QChar c : s.clipboardDelimiter)
                codes += QString::number(c.unicode()) + u' ';
            out.Text("ClipboardDelimiter", codes);
        },
        [&s](const SettingsLine& line) { return ReadDelimiter(line, s.clipboardDelimiter); });
    b.Add(
        "TransferOption", S,
        [&s](SettingsLineWriter& out) {
            for (const QString& name : s.transferOptions)
                out.Text("TransferOption", name);
        },
        [&s](const SettingsLine& line) -> std::optional<QVariant> {
            if (line.Word(2).isEmpty())
                return std::nullopt;
            s.transferOptions.append(line.Word(2));
            return QVariant(line.Word(2));
        });
    b.Add(
        "TransferRange", S,
        [&s](SettingsLineWriter& out) {
            for (const auto& [name, value] : s.transferRanges)
                out.Text("TransferRange", name + u' ' + SettingsLineWriter::NumberText(value));
        },
        [&s](const SettingsLine& line) -> std::optional<QVariant> {
            const auto value = line.Integer(3, Int32Min, Int32Max);
            if (line.Word(2).isEmpty() || !value)
                return std::nullopt;
            s.transferRanges.append({line.Word(2), *value});
            return QVariant(QVariantList{line.Word(2), *value});
        });
    b.Text("GPSDataPath", S, &P::gpsDataPath, true);
    b.Text("MapBorderDataPath", S, &P::mapBorderDataPath, true);
    b.Places("EditRouteList", &P::editRouteList);
    b.Places("EditWaypointList", &P::editWaypointList);
    b.Places("EditIconList", &P::editIconList);
    b.Places("EditTrailList", &P::editTrailList);
    b.Integer("InformationTop", S, &P::informationTop, false);
    b.Integer("InformationLeft", S, &P::informationLeft, false);
    b.Text("FindWhat", S, &P::findWhat);
    b.Text("FindText", S, &P::findText);
    b.Integer("MapFontSize", S, &P::mapFontSize, true);
    b.Flag("MapFontBold", S, &P::mapFontBold);
    b.Flag("MapFontItalic", S, &P::mapFontItalic);
    b.Text("MapFontName", S, &P::mapFontName);
    b.Double("MapZoomChange", S, &P::mapZoomChange);
    b.Integer("WaypointListHeightPercent", S, &P::waypointListHeightPercent, false);
    b.Integer("RouteWidth", S, &P::routeWidth, false);
    b.Integer("RouteListHeightPercent", S, &P::routeListHeightPercent, false);
    b.Integer("IconWidth", S, &P::iconWidth, false);
    b.Integer("EditDialogSeperation", S, &P::editDialogSeperation, false);
    b.Integer("IconListHeightPercent", S, &P::iconListHeightPercent, false);
    b.Flag("UseHighDetailMaps", B, &P::useHighDetailMaps);
    b.Integer("MapLinesColor", B, &P::mapLinesColor, false);
    b.Integer("WaypointNamesColor", B, &P::waypointNamesColor, false);
    b.Integer("RouteLinesColor", B, &P::routeLinesColor, false);
    b.Integer("TrailLinesColor", B, &P::trailLinesColor, false);
    b.Integer("MidX", B, &P::midX, false);
    b.Integer("MidY", B, &P::midY, false);
    b.Double("ZoomRange", B, &P::zoomRange);
    b.Integer("CorridorWidth", W, &P::corridorWidth, false);
    b.Flag("DrawBlocks", B, &P::drawBlocks);
    b.Flag("DrawHotspots", B, &P::drawHotspots);
    b.Flag("DrawWaypoints", B, &P::drawWaypoints);
    b.Flag("DrawIcons", B, &P::drawIcons);
    b.Flag("DrawTrails", B, &P::drawTrails);
    b.Flag("DrawRoutes", B, &P::drawRoutes);
    b.Flag("ShowWaypointNames", B, &P::showWaypointNames);
    // The layers-off entries are the map definition's; reading them is its
    // SetMapOption, so only the writing sits here.
    b.Add(
        "LayerOff", B,
        [&map](SettingsLineWriter& out) {
            for (int i = 0; i < map.LayersOffCount(); ++i)
                out.Text("LayerOff", map.GetLayerOff(i));
        },
        nullptr);
    for (int n = 1; n <= RecentFiles::Max; ++n) {
        const QString key = QStringLiteral("File%1").arg(n);
        b.Add(
            key, S,
            [&recent, key, n](SettingsLineWriter& out) {
                if (n <= recent.Entries().size())
                    out.Text(key, recent.Entries()[n - 1]);
            },
            [&recent, n](const SettingsLine& line) -> std::optional<QVariant> {
                recent.Set(n - 1, line.Rest().trimmed());
                return QVariant(line.Rest().trimmed());
            });
    }
    // Read, never written.
    const auto never = [](SettingsLineWriter&) {};
    for (auto [key, field] : {std::pair{"BackColor", &P::backColor}, std::pair{"GridColor", &P::gridColor},
                              std::pair{"LastProductID", &P::lastProductId}}) {
        b.Integer(key, S, field, false);
        b.keys.last().write = never;
    }
    for (auto [key, field] :
         {std::pair{"EditRoute", &P::editRoute}, std::pair{"EditWaypoint", &P::editWaypoint},
          std::pair{"EditIcon", &P::editIcon}})
        b.Add(key, S, never, b.ReadText(field));
    return b.keys;
}

} // namespace app
