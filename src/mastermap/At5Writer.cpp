#include "mastermap/At5Writer.h"

#include "files/ByteWriter.h"
#include "mastermap/At5Format.h"
#include "mastermap/FeatureCodec.h"
#include "mastermap/GridIndex.h"

#include <QSaveFile>

namespace mastermap {

void At5Writer::Add(Feature feature) {
    features_.push_back(std::move(feature));
}

QByteArray At5Writer::Image() const {
    Rect bounds;
    std::vector<Rect> boxes;
    boxes.reserve(features_.size());
    for (const Feature& f : features_) {
        boxes.push_back(f.Bounds());
        bounds.Include(boxes.back());
    }
    const GridIndex grid = GridIndex::Build(bounds, boxes);

    QByteArray body;
    std::vector<std::uint64_t> offsets;
    offsets.reserve(features_.size());
    for (const Feature& f : features_) {
        offsets.push_back(at5::HeaderSize + body.size());
        FeatureCodec::Append(body, f);
    }

    QByteArray header(at5::Magic, sizeof at5::Magic);
    files::AppendLittleEndian<std::uint16_t>(header, at5::Version);
    files::AppendLittleEndian<std::uint16_t>(header, highDetail_ ? at5::FlagHighDetail : 0);
    for (std::int32_t v : {bounds.left, bounds.bottom, bounds.right, bounds.top})
        files::AppendLittleEndian<std::int32_t>(header, v);
    grid.AppendGeometry(header);
    files::AppendLittleEndian<std::uint32_t>(header, static_cast<std::uint32_t>(features_.size()));
    files::AppendLittleEndian<std::uint32_t>(header, 0);
    files::AppendLittleEndian<std::uint64_t>(header, at5::HeaderSize + body.size());

    QByteArray index;
    for (std::uint64_t o : offsets)
        files::AppendLittleEndian<std::uint64_t>(index, o);
    grid.AppendCells(index);

    return header + body + index;
}

QString At5Writer::Write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(path, file.errorString());
    file.write(Image());
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace mastermap
