#include "mastermap/DetailLevelWriter.h"

#include "files/ByteWriter.h"
#include "mastermap/At5Reader.h"
#include "mastermap/DetailLevels.h"
#include "mastermap/LevelFormat.h"

#include <QSaveFile>

namespace mastermap {

void DetailLevelWriter::Add(std::uint32_t tolerance, const At5Writer& level) {
    levels_.push_back({tolerance, level.Image()});
}

QString DetailLevelWriter::Write(const QString& masterPath) const {
    At5Reader master;
    if (QString error = master.Open(masterPath); !error.isEmpty())
        return error;
    QByteArray out(lod::Magic, sizeof lod::Magic);
    files::AppendLittleEndian<std::uint16_t>(out, lod::Version);
    files::AppendLittleEndian<std::uint16_t>(out, static_cast<std::uint16_t>(levels_.size()));
    files::AppendLittleEndian<std::uint32_t>(out, master.FeatureCount());
    files::AppendLittleEndian<std::uint64_t>(out, master.ByteSize());
    const auto aligned = [](std::uint64_t n) {
        return (n + lod::Alignment - 1) / lod::Alignment * lod::Alignment;
    };
    std::uint64_t offset = aligned(lod::HeaderSize + lod::EntrySize * levels_.size());
    for (const Level& level : levels_) {
        files::AppendLittleEndian<std::uint32_t>(out, level.tolerance);
        files::AppendLittleEndian<std::uint32_t>(out, 0);
        files::AppendLittleEndian<std::uint64_t>(out, offset);
        files::AppendLittleEndian<std::uint64_t>(out, level.image.size());
        offset = aligned(offset + level.image.size());
    }
    for (const Level& level : levels_) {
        out.append(static_cast<qsizetype>(aligned(out.size()) - out.size()), '\0');
        out.append(level.image);
    }
    const QString path = DetailLevels::PathFor(masterPath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(path, file.errorString());
    file.write(out);
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace mastermap
