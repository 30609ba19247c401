// terrafold-mkmaster: builds a ".at5" master map file from GDAL/OGR sources
// through a category-mapping file.

#include "CategoryMapping.h"
#include "DetailLevelBuilder.h"
#include "OgrImporter.h"

#include "mastermap/At5Writer.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

int Fail(const QString& text) {
    std::fprintf(stderr, "terrafold-mkmaster: %s\n", text.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setApplicationDescription(
        QStringLiteral("Builds a Terrafold master map file (.at5) from vector data."));
    cli.addHelpOption();
    cli.addOptions({
        {{"m", "mapping"}, "Category-mapping file.", "file"},
        {{"o", "output"}, "Master map file to write.", "file.at5"},
        {"library", "Also write the category tree as a definition library.", "file"},
        {"simplify", "Simplification tolerance in internal units (metres at the equator).", "units", "0"},
        {"high-detail", "Mark the file as high-detail data."},
        {"no-levels", "Write no levels of detail (OUT.at5.lod) beside the file."},
        {"oo", "GDAL open option NAME=VALUE for every source (repeatable).", "option"},
    });
    cli.addPositionalArgument("sources", "GDAL/OGR vector sources.", "SOURCE...");
    cli.process(app);
    if (!cli.isSet("mapping") || !cli.isSet("output") || cli.positionalArguments().isEmpty())
        return Fail(QStringLiteral("needs --mapping, --output and at least one source (see --help)"));
    bool ok = false;
    const double tolerance = cli.value("simplify").toDouble(&ok);
    if (!ok || tolerance < 0)
        return Fail(QStringLiteral("--simplify needs a tolerance of 0 or more"));

    CategoryMapping mapping;
    if (const QString error = mapping.Read(cli.value("mapping")); !error.isEmpty())
        return Fail(error);
    mastermap::At5Writer writer;
    writer.SetHighDetail(cli.isSet("high-detail"));
    OgrImporter importer(mapping, writer);
    importer.SetSimplify(tolerance);
    importer.SetOpenOptions(cli.values("oo"));
    for (const QString& source : cli.positionalArguments()) {
        std::fprintf(stderr, "reading %s\n", source.toLocal8Bit().constData());
        if (const QString error = importer.Import(source); !error.isEmpty())
            return Fail(error);
    }
    std::fprintf(stderr, "writing %s: %zu features\n", cli.value("output").toLocal8Bit().constData(),
                 writer.Count());
    if (const QString error = writer.Write(cli.value("output")); !error.isEmpty())
        return Fail(error);
    if (!cli.isSet("no-levels")) {
        std::vector<QString> report;
        if (const QString error = DetailLevelBuilder::Build(writer, cli.value("output"), &report);
            !error.isEmpty())
            return Fail(error);
        for (const QString& line : report)
            std::fprintf(stderr, "  %s\n", line.toLocal8Bit().constData());
    }
    if (cli.isSet("library"))
        if (const QString error = mapping.Library().Write(cli.value("library")); !error.isEmpty())
            return Fail(error);
    return 0;
}
