#pragma once

#include <QString>

namespace mapbuild {

// A major category of the master map (roads, water, ...).
struct MajorCategory {
    QString code;       // its identifier in layer keys and in the layer selection
    int minorCount = 0; // minor categories under it
    bool inUse = false; // the master map holds data of it
};

struct MinorCategory {
    QString code;
    QString name;
    bool selected = false;
};

// The master map's category tree and layer state, as the communication
// control serves it (its map operations 248 to 253 and 260). Indexes count
// from 0; an index out of range answers an empty record and sets nothing.
class MapCategorySource {
public:
    virtual ~MapCategorySource() = default;
    virtual int MajorCount() const = 0;                             // 248
    virtual MajorCategory Major(int major) const = 0;               // 249
    virtual void SetMajorState(int major, bool on) = 0;             // 250
    virtual bool MajorSelected(int major, QString& name) const = 0; // 251
    virtual MinorCategory Minor(int major, int minor) const = 0;    // 252
    virtual void SetMinorState(int major, int minor, bool on) = 0;  // 253
    virtual void SetUsedListPath(const QString& path) = 0;          // 260
};

} // namespace mapbuild
