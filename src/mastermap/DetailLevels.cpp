#include "mastermap/DetailLevels.h"

#include "files/ByteReader.h"
#include "mastermap/LevelFormat.h"

#include <QFileInfo>

#include <cstring>

namespace mastermap {

QString DetailLevels::PathFor(const QString& masterPath) {
    return masterPath + QLatin1String(lod::Suffix);
}

void DetailLevels::Open(const At5Reader& master) {
    levels_.clear();
    if (master.ByteSize() == 0 || !QFileInfo::exists(PathFor(master.Path())))
        return;
    if (!Read(master).isEmpty())
        levels_.clear();
}

QString DetailLevels::Read(const At5Reader& master) {
    if (QString error = file_.Open(PathFor(master.Path()), QStringLiteral("a level file")); !error.isEmpty())
        return error;
    const std::string_view bytes = file_.Bytes();
    files::ByteReader in(bytes);
    const QByteArray magic = in.ReadBytes(sizeof lod::Magic);
    if (magic.size() != sizeof lod::Magic ||
        std::memcmp(magic.constData(), lod::Magic, sizeof lod::Magic) != 0 ||
        in.Read<std::uint16_t>() != lod::Version)
        return QStringLiteral("not a level file");
    const auto count = in.Read<std::uint16_t>();
    const auto featureCount = in.Read<std::uint32_t>();
    const auto masterSize = in.Read<std::uint64_t>();
    if (in.PastEnd() || count > lod::MaxLevels)
        return QStringLiteral("damaged");
    // Levels of another version of the master map would draw other data.
    if (featureCount != master.FeatureCount() || masterSize != master.ByteSize())
        return QStringLiteral("made from another master map file");
    std::uint32_t previous = 0;
    for (int i = 0; i < count; ++i) {
        const auto tolerance = in.Read<std::uint32_t>();
        in.Read<std::uint32_t>();
        const auto offset = in.Read<std::uint64_t>();
        const auto size = in.Read<std::uint64_t>();
        if (in.PastEnd() || tolerance <= previous || offset > bytes.size() || size > bytes.size() - offset)
            return QStringLiteral("damaged");
        previous = tolerance;
        auto reader = std::make_unique<At5Reader>();
        if (QString error = reader->OpenBytes(bytes.substr(offset, size)); !error.isEmpty())
            return error;
        levels_.push_back({tolerance, std::move(reader)});
    }
    return {};
}

const At5Reader& DetailLevels::For(const At5Reader& master, double unitsPerPixel) const {
    const At5Reader* best = &master;
    for (const Entry& level : levels_)
        if (level.tolerance <= unitsPerPixel * lod::MaxPixelError)
            best = level.reader.get();
    return *best;
}

} // namespace mastermap
