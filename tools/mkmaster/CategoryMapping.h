#pragma once

#include "mastermap/CategoryLibrary.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

// The category-mapping file of terrafold-mkmaster: the category tree (the
// "major" and "minor" lines of the definition library) and rules that say
// which source features become which map category:
//   rule LAYER FIELD VALUE CATEGORY [line|rings]
// LAYER, FIELD and VALUE may be "*" for any; the first matching rule wins.
// "line" keeps only the outlines of areas. "rings" joins the line pieces the
// rule takes, over the whole layer, into the areas they enclose: sources that
// cut large shorelines into tiles give them back whole. "include FILE" reads
// another mapping file (relative to this one) in place.
//   names LAYER NAMEFIELD RANKFIELD
// gives the points of LAYER the text of NAMEFIELD as their name and the
// whole number in RANKFIELD (a population) as their rank: the map labels
// them, the larger places first.
class CategoryMapping {
public:
    struct Rule {
        QString layer;
        QString field;
        QString value;
        enum Shape { AsIs, Outline, Rings };
        int category = 0;
        Shape shape = AsIs;
    };

    struct Names {
        QString nameField;
        QString rankField;
    };

    QString Read(const QString& path, int depth = 0);
    const mastermap::CategoryLibrary& Library() const { return library_; }
    const std::vector<Rule>& Rules() const { return rules_; }
    bool UsesLayer(const QString& layer) const;
    // The fields that name a layer's points, if any.
    const Names* NamesOf(const QString& layer) const;

private:
    static constexpr int MaxIncludeDepth = 8;
    QString AddRule(const QStringList& words);

    mastermap::CategoryLibrary library_;
    std::vector<Rule> rules_;
    std::map<QString, Names> names_;
};
