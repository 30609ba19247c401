#include "OgrImporter.h"

#include "InternalGeometry.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

struct DatasetCloser {
    void operator()(GDALDataset* d) const { GDALClose(d); }
};

bool Matches(const CategoryMapping::Rule& rule, const QString& layer, OGRFeature& feature) {
    if (rule.layer != u"*" && rule.layer != layer)
        return false;
    if (rule.field == u"*")
        return true;
    const int field = feature.GetFieldIndex(rule.field.toUtf8().constData());
    if (field < 0 || !feature.IsFieldSetAndNotNull(field))
        return false;
    return rule.value == u"*" || rule.value == QString::fromUtf8(feature.GetFieldAsString(field));
}

} // namespace

QString OgrImporter::Import(const QString& source) {
    GDALAllRegister();
    std::vector<QByteArray> storage;
    std::vector<const char*> options;
    for (const QString& o : openOptions_) {
        storage.push_back(o.toUtf8());
        options.push_back(storage.back().constData());
    }
    options.push_back(nullptr);
    CPLErrorReset();
    std::unique_ptr<GDALDataset, DatasetCloser> data(GDALDataset::Open(
        source.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, options.data(), nullptr));
    if (!data) {
        const QString why = QString::fromUtf8(CPLGetLastErrorMsg());
        return QStringLiteral("cannot read %1 as vector data%2")
            .arg(source, why.isEmpty() ? QString() : QStringLiteral(": ") + why);
    }
    for (OGRLayer* layer : data->GetLayers())
        if (mapping_.UsesLayer(QString::fromUtf8(layer->GetName())))
            ImportLayer(*layer);
    return {};
}

void OgrImporter::ImportLayer(OGRLayer& layer) {
    const QString name = QString::fromUtf8(layer.GetName());
    const GIntBig total = layer.GetFeatureCount(FALSE);
    InternalGeometry project(layer.GetSpatialRef());
    const CategoryMapping::Names* names = mapping_.NamesOf(name);
    GIntBig done = 0;
    std::size_t before = out_.Count();
    std::map<int, OGRMultiLineString> pieces; // per "rings" rule, by its category
    layer.ResetReading();
    for (auto& feature : layer) {
        ++done;
        if (total > 0 && done % 1000 == 0)
            std::fprintf(stderr, "\r  %s: %lld of %lld", name.toUtf8().constData(),
                         static_cast<long long>(done), static_cast<long long>(total));
        OGRGeometry* geometry = feature->GetGeometryRef();
        if (!geometry)
            continue;
        for (const CategoryMapping::Rule& rule : mapping_.Rules()) {
            if (!Matches(rule, name, *feature))
                continue;
            std::unique_ptr<OGRGeometry> g(project.ToInternal(*geometry));
            if (g && rule.shape == CategoryMapping::Rule::Rings)
                Collect(*g, pieces[rule.category]);
            else if (g)
                Emit(*g, rule.category, rule.shape == CategoryMapping::Rule::Outline, Label(names, *feature));
            break;
        }
    }
    for (auto& [category, lines] : pieces) {
        // Pieces that close no ring (cut at the edge of the world) are left out.
        std::unique_ptr<OGRGeometry> areas(lines.Polygonize());
        if (areas)
            Emit(*areas, category, false);
    }
    std::fprintf(stderr, "\r  %s: %lld source features, %zu map features\n", name.toUtf8().constData(),
                 static_cast<long long>(done), out_.Count() - before);
    if (repaired_ || dropped_)
        std::fprintf(stderr, "  %s: %zu invalid geometries repaired, %zu dropped\n",
                     name.toUtf8().constData(), repaired_, dropped_);
    repaired_ = dropped_ = 0;
}

void OgrImporter::Collect(const OGRGeometry& geometry, OGRMultiLineString& into) {
    switch (wkbFlatten(geometry.getGeometryType())) {
    case wkbLineString:
        into.addGeometry(&geometry);
        return;
    case wkbMultiLineString:
    case wkbGeometryCollection:
        for (const OGRGeometry* part : *geometry.toGeometryCollection())
            Collect(*part, into);
        return;
    default:
        return; // points and areas close no ring of pieces
    }
}

mastermap::Feature OgrImporter::Label(const CategoryMapping::Names* names, OGRFeature& feature) {
    mastermap::Feature label;
    if (!names)
        return label;
    const int name = feature.GetFieldIndex(names->nameField.toUtf8().constData());
    const int rank = feature.GetFieldIndex(names->rankField.toUtf8().constData());
    if (name >= 0 && feature.IsFieldSetAndNotNull(name))
        label.name = feature.GetFieldAsString(name);
    if (rank >= 0 && feature.IsFieldSetAndNotNull(rank))
        label.rank =
            static_cast<std::uint32_t>(std::clamp<GIntBig>(feature.GetFieldAsInteger64(rank), 0, UINT32_MAX));
    return label;
}

void OgrImporter::Emit(OGRGeometry& geometry, int category, bool asLine, const mastermap::Feature& label) {
    std::unique_ptr<OGRGeometry> valid;
    OGRGeometry* g = &geometry;
    // Areas that cross themselves fill wrongly and cut wrongly: they are
    // repaired, or dropped when they cannot be.
    if (!g->IsValid()) {
        valid.reset(g->MakeValid());
        if (!valid || valid->IsEmpty() || !valid->IsValid()) {
            ++dropped_;
            return;
        }
        ++repaired_;
        g = valid.get();
    }
    std::unique_ptr<OGRGeometry> simplified;
    if (simplify_ > 0) {
        simplified.reset(g->SimplifyPreserveTopology(simplify_));
        if (!simplified)
            return;
        g = simplified.get();
    }
    for (mastermap::Feature& f :
         InternalGeometry::ToFeatures(*g, static_cast<std::uint8_t>(category), asLine)) {
        if (f.kind == mastermap::FeatureKind::Point) {
            f.name = label.name;
            f.rank = label.rank;
        }
        out_.Add(std::move(f));
    }
}
