#pragma once

#include "CategoryMapping.h"

#include "mastermap/At5Writer.h"

#include <QString>
#include <QStringList>

#include <cstddef>

class OGRFeature;
class OGRGeometry;
class OGRLayer;
class OGRMultiLineString;

// Reads the features of a GDAL/OGR source, takes those the category mapping
// names, reprojects them to internal units and adds them to a master map
// writer. Progress, and the count of invalid geometries repaired or
// dropped, go to stderr.
class OgrImporter {
public:
    OgrImporter(const CategoryMapping& mapping, mastermap::At5Writer& out) : mapping_(mapping), out_(out) {}

    // Simplification tolerance in internal units; 0 keeps every vertex.
    void SetSimplify(double tolerance) { simplify_ = tolerance; }
    void SetOpenOptions(const QStringList& options) { openOptions_ = options; }
    // Returns an empty text on success, the reason otherwise.
    QString Import(const QString& source);

private:
    void ImportLayer(OGRLayer& layer);
    void Emit(OGRGeometry& geometry, int category, bool asLine, const mastermap::Feature& label = {});
    static void Collect(const OGRGeometry& geometry, OGRMultiLineString& into);
    // A feature holding only the name and rank a point of this layer carries.
    static mastermap::Feature Label(const CategoryMapping::Names* names, OGRFeature& feature);

    const CategoryMapping& mapping_;
    mastermap::At5Writer& out_;
    double simplify_ = 0;
    QStringList openOptions_;
    // Invalid geometries of the layer being read.
    std::size_t repaired_ = 0;
    std::size_t dropped_ = 0;
};
