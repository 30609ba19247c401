// Cuts a state-sized polygon map, a 1000 km corridor map, a continent-sized
// map and a map inside Florida's boundary (when the default master map's
// sources are there) out of a master map, and clips the same features to the
// same polygons and buffered corridor with ogr2ogr -clipsrc in the same run. Each
// tool runs as a whole process; the medians and the ratios are printed, with
// each process's peak memory.
//   bench_mapcut [RES_FOLDER] [RUNS]

#include "BenchShapes.h"
#include "mastermap/CartridgeMaker.h"
#include "mastermap/GeosContext.h"
#include "mastermap/MasterMapControl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <geos_c.h>
#include <ogrsf_frmts.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace mastermap;
using namespace bench;

namespace {

struct Run {
    double seconds;
    long peakKiB;
};

// Runs a whole process under /usr/bin/time, which reports the process's own
// peak memory (a child forked from this big process would count our pages).
// The output file is removed first.
Run Spawn(const QStringList& command, const QString& output, const QString& memoryFile) {
    QFile::remove(output);
    const QStringList args = QStringList{"/usr/bin/time", "-f", "%M", "-o", memoryFile} + command;
    std::vector<QByteArray> storage;
    for (const QString& a : args)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (auto& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "  %s failed (status %d)\n", argv[0], status);
    QFile memory(memoryFile);
    const long peak =
        memory.open(QIODevice::ReadOnly) ? memory.readAll().trimmed().split('\n').last().toLong() : 0;
    return {seconds, peak};
}

Run Median(const QStringList& args, const QString& output, int runs) {
    const QString memoryFile = output + ".mem";
    std::vector<Run> all;
    for (int i = 0; i < runs; ++i)
        all.push_back(Spawn(args, output, memoryFile));
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    return all[all.size() / 2];
}

void Check(OGRErr e) {
    if (e != OGRERR_NONE)
        std::fprintf(stderr, "bench_mapcut: GeoPackage export failed (OGR error %d)\n", e);
}

// The master's features as a GeoPackage (internal units), one layer per kind.
void ExportMaster(const MasterSet& master, const QString& path) {
    GDALDriver* gpkg = GetGDALDriverManager()->GetDriverByName("GPKG");
    GDALDataset* out = gpkg->Create(path.toUtf8().constData(), 0, 0, 0, GDT_Unknown, nullptr);
    OGRLayer* layers[3] = {out->CreateLayer("points", nullptr, wkbMultiPoint),
                           out->CreateLayer("lines", nullptr, wkbMultiLineString),
                           out->CreateLayer("areas", nullptr, wkbMultiPolygon)};
    for (OGRLayer* l : layers) {
        OGRFieldDefn field("category", OFTInteger);
        Check(l->CreateField(&field));
    }
    Check(out->StartTransaction());
    GeosContext geos;
    GEOSWKBWriter* wkb = GEOSWKBWriter_create_r(geos.Handle());
    master.Query(master.Bounds(), [&](const Feature& f) {
        auto g = geos.FromFeature(f);
        if (!g)
            return;
        std::size_t size = 0;
        unsigned char* bytes = GEOSWKBWriter_write_r(geos.Handle(), wkb, g.get(), &size);
        OGRGeometry* geometry = nullptr;
        OGRGeometryFactory::createFromWkb(bytes, nullptr, &geometry, size);
        GEOSFree_r(geos.Handle(), bytes);
        OGRLayer* layer = layers[static_cast<int>(f.kind) - 1];
        OGRFeature feature(layer->GetLayerDefn());
        feature.SetField("category", f.category);
        feature.SetGeometryDirectly(OGRGeometryFactory::forceTo(geometry, layer->GetGeomType()));
        Check(layer->CreateFeature(&feature));
    });
    GEOSWKBWriter_destroy_r(geos.Handle(), wkb);
    Check(out->CommitTransaction());
    GDALClose(out);
}

// The clip polygon ogr2ogr gets: the region our cutter computes for the job.
QString ExportRegion(const MapCutter::Job& job, const QString& path, double bbox[4]) {
    MapCutter cutter;
    auto region = cutter.Region(job);
    GeosContext geos;
    GEOSWKTWriter* wkt = GEOSWKTWriter_create_r(geos.Handle());
    char* text = GEOSWKTWriter_write_r(geos.Handle(), wkt, region.get());
    OGRGeometry* g = nullptr;
    OGRGeometryFactory::createFromWkt(text, nullptr, &g);
    GEOSFree_r(geos.Handle(), text);
    GEOSWKTWriter_destroy_r(geos.Handle(), wkt);
    OGREnvelope e;
    g->getEnvelope(&e);
    bbox[0] = e.MinX, bbox[1] = e.MinY, bbox[2] = e.MaxX, bbox[3] = e.MaxY;
    GDALDataset* out = GetGDALDriverManager()->GetDriverByName("GPKG")->Create(path.toUtf8().constData(), 0,
                                                                               0, 0, GDT_Unknown, nullptr);
    OGRLayer* layer = out->CreateLayer("clip", nullptr, wkbMultiPolygon);
    OGRFeature feature(layer->GetLayerDefn());
    feature.SetGeometryDirectly(OGRGeometryFactory::forceToMultiPolygon(g));
    Check(layer->CreateFeature(&feature));
    GDALClose(out);
    return path;
}

// Florida's boundary from the default master map's sources, one border a
// polygon of it, written for the cutting child; nothing without the sources.
std::vector<Border> FloridaBorders(const QString& path) {
    std::vector<Border> borders;
    GDALDataset* states =
        static_cast<GDALDataset*>(GDALOpenEx(TF_SOURCE_DIR "/data/src/states-10m.json",
                                             GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
    OGRLayer* layer = states ? states->GetLayerByName("states") : nullptr;
    if (!layer) {
        GDALClose(states);
        return borders;
    }
    Check(layer->SetAttributeFilter("name = 'Florida'"));
    QFile out(path);
    if (OGRFeature* feature = layer->GetNextFeature(); feature && out.open(QIODevice::WriteOnly)) {
        const OGRGeometry* g = feature->GetGeometryRef();
        const auto* multi = g ? dynamic_cast<const OGRMultiPolygon*>(g) : nullptr;
        for (int i = 0; multi && i < multi->getNumGeometries(); ++i) {
            Shape shape{"", true, {}};
            const OGRLinearRing* ring = multi->getGeometryRef(i)->getExteriorRing();
            for (int k = 0; k < ring->getNumPoints(); ++k) {
                shape.lonLat.push_back({ring->getX(k), ring->getY(k)});
                out.write(QByteArray::number(ring->getX(k), 'f', 9) + ' ' +
                          QByteArray::number(ring->getY(k), 'f', 9) + ' ');
            }
            out.write("\n");
            borders.push_back(ToBorder(shape));
        }
        OGRFeature::DestroyFeature(feature);
    }
    GDALClose(states);
    return borders;
}

struct Case {
    const char* name;
    std::vector<Border> borders;
    QString shape; // as bench_cut_once takes it
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    GDALAllRegister();
    const QString res = args.size() > 1 ? args[1] : QStringLiteral(TF_BINARY_DIR "/bin/res");
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    QTemporaryDir dir;
    const QString buildList = dir.filePath("BuildList.txt");
    {
        QFile list(buildList);
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        for (const QString& name : QDir(res).entryList({"*.at5"}, QDir::Files))
            list.write(QDir(res).filePath(name).toUtf8() + "\n");
    }
    MasterMapControl control;
    if (const QString error = control.ReadLibrary(res + "/MasterDefinitionLibrary.dat"); !error.isEmpty()) {
        std::fprintf(stderr, "bench_mapcut: %s (build the default master map first)\n",
                     error.toLocal8Bit().constData());
        return 1;
    }
    control.SetUsedList(buildList);
    const QString layers = control.LayerSelection();
    const QString gpkg = dir.filePath("master.gpkg");
    ExportMaster(control.Files(), gpkg);
    std::printf("master: %zu files, exported to GeoPackage for ogr2ogr (%lld bytes); %d runs each, medians\n",
                control.Files().Files().size(), static_cast<long long>(QFile(gpkg).size()), runs);

    std::vector<Case> cases;
    for (int i = 0; i < 3; ++i)
        cases.push_back({Shapes[i].name, {ToBorder(Shapes[i])}, QString::number(i)});
    const QString florida = dir.filePath("florida.txt");
    if (auto borders = FloridaBorders(florida); !borders.empty()) {
        std::size_t vertices = 0;
        for (const Border& b : borders)
            vertices += b.vertices.size();
        std::printf("Florida boundary: %zu polygons, %zu vertices\n", borders.size(), vertices);
        cases.push_back({"Florida boundary", std::move(borders), florida});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        MapCutter::Job job{cases[i].borders, CorridorWidth, 24000, ~0ull};
        double bbox[4];
        const QString clip = ExportRegion(job, dir.filePath(QStringLiteral("clip%1.gpkg").arg(i)), bbox);
        const QString ncm = dir.filePath("out.ncm");
        const Run ours = Median({QStringLiteral(TF_BINARY_DIR "/bin/bench_cut_once"), ncm, buildList,
                                 res + "/MasterDefinitionLibrary.dat", layers, cases[i].shape},
                                ncm, runs);
        const qint64 ncmSize = QFile(ncm).size();
        const QString out = dir.filePath("out.gpkg");
        const QStringList ogr = {"ogr2ogr",          "-f",       "GPKG", out, gpkg, "-nlt",
                                 "PROMOTE_TO_MULTI", "-clipsrc", clip};
        const Run plain = Median(ogr, out, runs);
        QStringList spat = ogr + QStringList{"-spat"};
        for (double v : bbox)
            spat << QString::number(v, 'f', 0);
        const Run spatial = Median(spat, out, runs);
        std::printf(
            "%-18s terrafold %.3f s %6ld KiB (%lld bytes) | ogr2ogr -clipsrc %.3f s %6ld KiB  ratio %.2f | "
            "+spat %.3f s %6ld KiB  ratio %.2f\n",
            cases[i].name, ours.seconds, ours.peakKiB, static_cast<long long>(ncmSize), plain.seconds,
            plain.peakKiB, plain.seconds / ours.seconds, spatial.seconds, spatial.peakKiB,
            spatial.seconds / ours.seconds);
    }
    return 0;
}
