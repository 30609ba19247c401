#pragma once

#include "mastermap/At5Reader.h"
#include "mastermap/DetailLevels.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace mastermap {

// The master map files one list names ("UsedList.txt", "BuildList.txt": one
// full path per line), opened together. Files that cannot be opened are left
// out without a message, as the lists themselves leave out missing files.
class MasterSet {
public:
    // A file of one path per line; blank lines are skipped. Lines beyond the
    // first 64 KiB of the file are not read.
    static QStringList ReadPathList(const QString& listPath);
    // Whether a master map file is used only with high-detail maps.
    static bool IsHighDetailName(const QString& fileName);

    // Drawing opens the level files beside the master map files; a map cut
    // reads only the full files and leaves them shut.
    enum class LevelFiles { Open, Skip };
    void Open(const QStringList& paths, LevelFiles levels = LevelFiles::Open);
    void OpenList(const QString& listPath, LevelFiles levels = LevelFiles::Open) {
        Open(ReadPathList(listPath), levels);
    }
    void Clear() {
        files_.clear();
        levels_.clear();
    }

    const std::vector<std::unique_ptr<At5Reader>>& Files() const { return files_; }
    // The levels of detail of Files()[i], for drawing.
    const DetailLevels& Levels(std::size_t i) const { return *levels_[i]; }
    void Query(const Rect& r, const At5Reader::Visitor& visit) const;
    void QueryViews(const Rect& r, const At5Reader::ViewVisitor& visit) const;
    Rect Bounds() const;

private:
    std::vector<std::unique_ptr<At5Reader>> files_;
    std::vector<std::unique_ptr<DetailLevels>> levels_;
};

} // namespace mastermap
