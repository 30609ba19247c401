#pragma once

#include "mastermap/CategoryLibrary.h"
#include "mastermap/MasterSet.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace mastermap {

// The master map side of the communication control: the category tree with
// each layer's state (dispatch 248 to 253), the used-map list (260), and the
// master map files that the view draws. Indexes are 0-based positions in the
// definition library; a position out of range reads as an empty record and
// setting it does nothing.
class MasterMapControl {
public:
    struct MajorRecord {
        int minorCount = 0;
        bool inUse = false; // some used master map file holds its features
        int code = 0;
        bool on = false;
    };
    struct MinorRecord {
        int category = 0;
        bool selected = false;
        QString name;
    };

    // Reads the definition library; every layer starts switched on.
    QString ReadLibrary(const QString& path);
    // Dispatch 260: the list of master map files in use (one full path a line).
    void SetUsedList(const QString& listPath);

    int MajorCount() const;                            // 248
    MajorRecord Major(int major) const;                // 249
    void SetMajorState(int major, bool on);            // 250
    bool MajorSelected(int major) const;               // 251
    QString MajorName(int major) const;                // 251
    MinorRecord Minor(int major, int minor) const;     // 252
    void SetMinorState(int major, int minor, bool on); // 253
    // Every layer back on (the definition was cleared).
    void ResetLayers();
    // A layer tree key: a major code, or a major code and a map category
    // joined by ":". Unknown keys are ignored.
    void SetLayer(const QString& key, bool on);

    // The engine's layer selection: per selected major category its code,
    // "," and the category of each selected minor category, then ";".
    QString LayerSelection() const;
    // Bit i set when map category i is drawn and built (its minor category
    // is selected under a selected major category).
    std::uint64_t SelectedCategories() const;

    const CategoryLibrary& Library() const { return library_; }
    const MasterSet& Files() const { return files_; }

private:
    bool ValidMajor(int major) const { return major >= 0 && major < MajorCount(); }
    bool ValidMinor(int major, int minor) const;

    CategoryLibrary library_;
    MasterSet files_;
    std::uint64_t present_ = 0;
    std::vector<bool> majorOn_;
    std::vector<std::vector<bool>> minorOn_;
};

} // namespace mastermap
