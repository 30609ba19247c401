#include "BordersCommand.h"

#include "CliArguments.h"
#include "WorkspaceSession.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

QJsonArray Borders(const Carver& carver) {
    QJsonArray borders;
    for (qsizetype i = 0; i < carver.Borders().size(); ++i) {
        const carver::Border& border = carver.Borders()[i];
        QJsonArray points;
        for (const QPoint& p : border.vertices)
            points.append(QJsonArray{p.x(), p.y()});
        borders.append(QJsonObject{{"index", int(i)}, {"closed", border.closed}, {"points", points}});
    }
    return borders;
}

QJsonObject Options(const app::MapFile& file) {
    QJsonObject options;
    for (const auto& [key, values] : file.ReadOptions()) {
        if (key == u"LayerOff")
            continue;
        options.insert(key, values.size() == 1 ? QJsonValue::fromVariant(values[0])
                                               : QJsonValue::fromVariant(values));
    }
    return options;
}

QJsonArray LayersOff(const mapbuild::MapData& map) {
    QJsonArray layers;
    for (int i = 0; i < map.LayersOffCount(); ++i)
        layers.append(map.GetLayerOff(i));
    return layers;
}

QString ValueText(const QJsonValue& value) {
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isBool())
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    return value.toString();
}

void WriteText(const WorkspaceSession& session, const QJsonObject& options, QTextStream& out) {
    for (qsizetype i = 0; i < session.carver.Borders().size(); ++i) {
        const carver::Border& border = session.carver.Borders()[i];
        out << "border " << i << (border.closed ? " closed" : " open") << ' ' << border.vertices.size()
            << " points:";
        for (const QPoint& p : border.vertices)
            out << ' ' << p.x() << ',' << p.y();
        out << '\n';
    }
    for (auto it = options.begin(); it != options.end(); ++it)
        out << "option " << it.key() << ' ' << ValueText(it.value()) << '\n';
    for (int i = 0; i < session.map.LayersOffCount(); ++i)
        out << "layer off " << session.map.GetLayerOff(i) << '\n';
}

} // namespace

int RunBorders(const QStringList& list, QTextStream& out, QTextStream& err) {
    if (list.isEmpty() || list.first().startsWith(u"--"))
        throw UsageError("name the workspace file");
    const CliArguments arguments(list.mid(1), {{"--json", 0}});
    const QString path = list.first();
    WorkspaceSession session;
    const bool read = session.file.LoadMapFile(path);
    const QJsonObject options = Options(session.file);
    if (arguments.Has("--json")) {
        QJsonArray messages;
        for (const QString& text : session.prompt.texts)
            messages.append(text);
        const QJsonObject json{{"borders", Borders(session.carver)},
                               {"options", options},
                               {"layersOff", LayersOff(session.map)},
                               {"messages", messages}};
        out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        WriteText(session, options, out);
    }
    for (const QString& text : session.prompt.texts)
        err << "terrafold-cli borders: " << QFileInfo(path).fileName() << ": " << text << '\n';
    return read ? ExitOk : ExitFailure;
}

} // namespace cli
