#include "mastermap/MasterSet.h"

#include <QFile>
#include <QFileInfo>

namespace mastermap {

namespace {

constexpr qint64 MaxListBytes = 64 * 1024;

} // namespace

QStringList MasterSet::ReadPathList(const QString& listPath) {
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QString& line : QString::fromLocal8Bit(file.read(MaxListBytes)).split(u'\n')) {
        const QString path = line.trimmed();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

bool MasterSet::IsHighDetailName(const QString& fileName) {
    return fileName.contains(QStringLiteral("LargeScale")) || fileName.contains(QStringLiteral("Overlay"));
}

void MasterSet::Open(const QStringList& paths, LevelFiles levels) {
    Clear();
    for (const QString& path : paths) {
        auto reader = std::make_unique<At5Reader>();
        if (!reader->Open(path).isEmpty())
            continue;
        levels_.push_back(std::make_unique<DetailLevels>());
        if (levels == LevelFiles::Open)
            levels_.back()->Open(*reader);
        files_.push_back(std::move(reader));
    }
}

void MasterSet::Query(const Rect& r, const At5Reader::Visitor& visit) const {
    for (const auto& file : files_)
        file->Query(r, visit);
}

void MasterSet::QueryViews(const Rect& r, const At5Reader::ViewVisitor& visit) const {
    for (const auto& file : files_)
        file->QueryViews(r, visit);
}

Rect MasterSet::Bounds() const {
    Rect r;
    for (const auto& file : files_)
        r.Include(file->Bounds());
    return r;
}

} // namespace mastermap
