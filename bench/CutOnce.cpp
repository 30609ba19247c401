// The cutting side of the map cut benchmark as its own small process (it links
// what the program's build links, not GDAL):
//   bench_cut_once OUT.ncm BUILDLIST LIBRARY LAYERS SHAPE
// SHAPE is the number of one of the built-in shapes or a file of borders.

#include "BenchShapes.h"

#include "mastermap/CartridgeMaker.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 6)
        return 2;
    mastermap::CartridgeMaker::Request r;
    r.output = a[1];
    r.buildList = a[2];
    r.library = a[3];
    r.layers = a[4];
    bool number = false;
    const int shape = a[5].toInt(&number);
    r.borders = number
                    ? std::vector<mastermap::Border>{bench::ToBorder(bench::Shapes[std::clamp(shape, 0, 2)])}
                    : bench::ReadBorders(a[5]);
    r.corridorWidth = bench::CorridorWidth;
    r.blockSize = 24000;
    const auto result = mastermap::CartridgeMaker::Make(r);
    if (result.status != 1)
        std::fprintf(stderr, "%s\n", result.error.toLocal8Bit().constData());
    return result.status == 1 ? 0 : 1;
}
