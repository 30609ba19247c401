#include "MapInfoCommand.h"

#include "mastermap/NcmReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace cli {

namespace {

struct Tally {
    qint64 features = 0;
    qint64 vertices = 0;
};

QJsonArray RectJson(const mastermap::Rect& r) {
    return {r.left, r.bottom, r.right, r.top};
}

} // namespace

int RunMapInfo(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const bool json = arguments.contains(QStringLiteral("--json"));
    QStringList files = arguments;
    files.removeAll(QStringLiteral("--json"));
    if (files.size() != 1 || files[0].startsWith(u'-'))
        throw UsageError("needs one custom map file");
    mastermap::NcmReader reader;
    if (const QString error = reader.Open(files[0]); !error.isEmpty()) {
        err << "terrafold-cli map-info: " << error << '\n';
        return ExitFailure;
    }
    std::map<int, Tally> categories;
    const QString damage = reader.ForEach([&](std::int32_t, std::int32_t, const mastermap::Feature& f) {
        Tally& t = categories[f.category];
        ++t.features;
        t.vertices += static_cast<qint64>(f.points.size());
    });
    const auto& h = reader.Info();
    if (json) {
        QJsonArray perCategory;
        for (const auto& [category, t] : categories)
            perCategory.append(
                QJsonObject{{"category", category}, {"features", t.features}, {"vertices", t.vertices}});
        QJsonObject o{{"file", files[0]},
                      {"size", static_cast<qint64>(h.fileSize)},
                      {"manufacturer", h.manufacturer},
                      {"dataType", h.dataType},
                      {"headerText", h.text},
                      {"blockSize", h.blockSize},
                      {"blocks", static_cast<qint64>(h.blockCount)},
                      {"features", static_cast<qint64>(h.featureCount)},
                      {"vertices", static_cast<qint64>(h.vertexCount)},
                      {"bounds", RectJson(h.bounds)},
                      {"categories", perCategory}};
        if (!damage.isEmpty())
            o.insert("error", damage);
        out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        out << "file:          " << files[0] << '\n'
            << "size:          " << h.fileSize << " bytes\n"
            << "manufacturer:  0x" << QString::number(h.manufacturer, 16).rightJustified(2, u'0') << '\n'
            << "data type:     0x" << QString::number(h.dataType, 16).rightJustified(2, u'0') << '\n'
            << "header text:   " << h.text << '\n'
            << "block size:    " << h.blockSize << '\n'
            << "blocks:        " << h.blockCount << '\n'
            << "features:      " << h.featureCount << '\n'
            << "vertices:      " << h.vertexCount << '\n'
            << "bounds:        " << h.bounds.left << ' ' << h.bounds.bottom << ' ' << h.bounds.right << ' '
            << h.bounds.top << '\n'
            << "category  features  vertices\n";
        for (const auto& [category, t] : categories)
            out << QString::number(category).rightJustified(8)
                << QString::number(t.features).rightJustified(10)
                << QString::number(t.vertices).rightJustified(10) << '\n';
    }
    if (!damage.isEmpty()) {
        err << "terrafold-cli map-info: " << files[0] << ": " << damage << '\n';
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace cli
