#include "mastermap/NcmReader.h"

#include "files/ByteReader.h"
#include "mastermap/FeatureCodec.h"
#include "mastermap/NcmFormat.h"

#include <cstring>

namespace mastermap {

QString NcmReader::Open(const QString& path) {
    bytes_ = {};
    if (QString error = file_.Open(path, QStringLiteral("a custom map file")); !error.isEmpty())
        return error;
    const QString error = OpenBytes(file_.Bytes());
    return error.isEmpty() ? error : QStringLiteral("%1: %2").arg(path, error);
}

QString NcmReader::OpenBytes(std::string_view bytes) {
    bytes_ = {};
    header_ = {};
    if (bytes.size() < ncm::HeaderSize + 1 || static_cast<std::uint8_t>(bytes[0]) != ncm::Signature[0] ||
        static_cast<std::uint8_t>(bytes[1]) != ncm::Signature[1] ||
        std::memcmp(bytes.data() + 2, ncm::Magic, sizeof ncm::Magic) != 0)
        return QStringLiteral("not a custom map file.");
    files::ByteReader in(bytes);
    in.Seek(8);
    const auto version = in.Read<std::uint16_t>();
    const auto headerSize = in.Read<std::uint16_t>();
    if (version != ncm::Version || headerSize != ncm::HeaderSize)
        return QStringLiteral("custom map version %1 is not supported.").arg(version);
    Header h;
    h.fileSize = in.Read<std::uint32_t>();
    h.blockCount = in.Read<std::uint32_t>();
    h.featureCount = in.Read<std::uint32_t>();
    h.manufacturer = in.Read<std::uint8_t>();
    h.dataType = in.Read<std::uint8_t>();
    in.Read<std::uint16_t>();
    h.blockSize = in.Read<std::int32_t>();
    h.bounds.left = in.Read<std::int32_t>();
    h.bounds.bottom = in.Read<std::int32_t>();
    h.bounds.right = in.Read<std::int32_t>();
    h.bounds.top = in.Read<std::int32_t>();
    h.directoryOffset = in.Read<std::uint32_t>();
    h.vertexCount = in.Read<std::uint32_t>();
    in.Seek(ncm::HeaderSize);
    const auto textLength = in.Read<std::uint8_t>();
    if (!in.Has(textLength))
        return QStringLiteral("the custom map header is damaged.");
    h.text = QString::fromLatin1(bytes.data() + in.Position(), textLength);
    firstBlock_ = in.Position() + textLength;
    if (h.fileSize != bytes.size() || h.directoryOffset < firstBlock_ || h.directoryOffset > bytes.size() ||
        (bytes.size() - h.directoryOffset) != std::uint64_t{h.blockCount} * ncm::DirectoryEntrySize)
        return QStringLiteral("the custom map header does not match the file.");
    header_ = h;
    bytes_ = bytes;
    return {};
}

QString NcmReader::ForEach(const Visitor& visit) const {
    files::ByteReader in(bytes_.substr(0, header_.directoryOffset));
    in.Seek(firstBlock_);
    for (std::uint32_t b = 0; b < header_.blockCount; ++b) {
        const auto column = in.Read<std::int32_t>();
        const auto row = in.Read<std::int32_t>();
        const auto count = in.Read<std::uint32_t>();
        const auto length = in.Read<std::uint32_t>();
        if (in.PastEnd() || !in.Has(length))
            return QStringLiteral("block %1 is cut short.").arg(b);
        const qsizetype end = in.Position() + length;
        for (std::uint32_t i = 0; i < count; ++i) {
            const auto f = FeatureCodec::Read(in);
            if (!f || in.Position() > end)
                return QStringLiteral("feature %1 of block %2 is damaged.").arg(i).arg(b);
            visit(column, row, *f);
        }
        if (in.Position() != end)
            return QStringLiteral("block %1 has bytes beyond its features.").arg(b);
    }
    return {};
}

} // namespace mastermap
