#include "DetailLevelBuilder.h"

#include "SharedEdgeSimplifier.h"

#include "mastermap/DetailLevelWriter.h"
#include "mastermap/LevelFormat.h"
#include "mastermap/NamedPlaces.h"

#include <cmath>

namespace {

std::size_t VertexCount(const std::vector<mastermap::Feature>& features) {
    std::size_t n = 0;
    for (const mastermap::Feature& f : features)
        n += f.points.size();
    return n;
}

} // namespace

QString DetailLevelBuilder::Build(const mastermap::At5Writer& master, const QString& masterPath,
                                  std::vector<QString>* report) {
    const SharedEdgeSimplifier simplifier(master.Features());
    mastermap::DetailLevelWriter levels;
    std::size_t below = VertexCount(master.Features());
    for (int i = 0; i < Tolerances; ++i) {
        const auto tolerance = static_cast<std::uint32_t>(std::lround(FinestTolerance * std::pow(Step, i)));
        mastermap::At5Writer level;
        level.SetHighDetail(master.HighDetail());
        std::vector<mastermap::Feature> features = simplifier.Simplified(tolerance);
        // A level is drawn from tolerance / MaxPixelError units a pixel on:
        // places no such view names need not be read.
        const std::uint32_t smallest =
            mastermap::SmallestNamedRank(tolerance / mastermap::lod::MaxPixelError);
        std::erase_if(features, [smallest](const mastermap::Feature& f) {
            return f.kind == mastermap::FeatureKind::Point && !f.name.empty() && f.rank < smallest;
        });
        const std::size_t vertices = VertexCount(features);
        if (vertices > below * WorthKeeping)
            continue;
        for (mastermap::Feature& f : features)
            level.Add(std::move(f));
        levels.Add(tolerance, level);
        if (report)
            report->push_back(QStringLiteral("level %1: tolerance %2, %3 features, %4 vertices")
                                  .arg(levels.Count())
                                  .arg(tolerance)
                                  .arg(level.Count())
                                  .arg(vertices));
        below = vertices;
    }
    return levels.Write(masterPath);
}
