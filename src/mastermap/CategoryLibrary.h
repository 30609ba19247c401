#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace mastermap {

// The category tree of the master map ("MasterDefinitionLibrary.dat"): major
// categories, each with a code and a name, holding minor categories, each with
// a map category number (0 to 63, its code in layer selections and the index of
// its drawing attributes) and a name.
class CategoryLibrary {
public:
    struct Minor {
        int category = 0;
        QString name;
    };
    struct Major {
        int code = 0;
        QString name;
        std::vector<Minor> minors;
    };
    struct Place {
        int major = -1;
        int minor = -1;
    };

    static constexpr int MaxMajorCode = 9999;

    // Takes one line of the library text ("major CODE NAME", "minor CATEGORY
    // NAME", blank or "#" comment). Returns an empty text or the reason the
    // line is refused.
    QString AddLine(const QString& line);
    // Reads a whole library; on failure the reason names the line.
    QString Parse(const QString& text);
    QString Read(const QString& path);
    QString Write(const QString& path) const;
    QString Text() const;

    const std::vector<Major>& Majors() const { return majors_; }
    // Where a map category sits in the tree; nothing when it is not listed.
    std::optional<Place> Find(int category) const;

private:
    std::vector<Major> majors_;
};

} // namespace mastermap
