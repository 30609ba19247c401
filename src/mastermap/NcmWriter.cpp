#include "mastermap/NcmWriter.h"

#include "files/ByteWriter.h"
#include "mastermap/FeatureCodec.h"
#include "mastermap/NcmFormat.h"

#include <limits>

namespace mastermap {

NcmWriter::NcmWriter(const QString& path, std::int32_t blockSize, const QString& headerText)
    : blockSize_(blockSize), headerText_(headerText.toLatin1().left(ncm::MaxHeaderText)) {
    if (!path.isEmpty())
        file_ = std::make_unique<QSaveFile>(path);
}

void NcmWriter::Put(const QByteArray& bytes) {
    size_ += bytes.size();
    if (file_)
        file_->write(bytes);
}

QByteArray NcmWriter::Header() const {
    QByteArray h;
    h.append(reinterpret_cast<const char*>(ncm::Signature), 2);
    h.append(ncm::Magic, sizeof ncm::Magic);
    files::AppendLittleEndian<std::uint16_t>(h, ncm::Version);
    files::AppendLittleEndian<std::uint16_t>(h, ncm::HeaderSize);
    files::AppendLittleEndian<std::uint32_t>(h, static_cast<std::uint32_t>(size_));
    files::AppendLittleEndian<std::uint32_t>(h, BlockCount());
    files::AppendLittleEndian<std::uint32_t>(h, features_);
    files::AppendLittleEndian<std::uint8_t>(h, ncm::Manufacturer);
    files::AppendLittleEndian<std::uint8_t>(h, ncm::DataType);
    files::AppendLittleEndian<std::uint16_t>(h, 0);
    files::AppendLittleEndian<std::int32_t>(h, blockSize_);
    for (std::int32_t v : {bounds_.left, bounds_.bottom, bounds_.right, bounds_.top})
        files::AppendLittleEndian<std::int32_t>(h, v);
    files::AppendLittleEndian<std::uint32_t>(h, static_cast<std::uint32_t>(size_ - directory_.size()));
    files::AppendLittleEndian<std::uint32_t>(
        h, static_cast<std::uint32_t>(std::min<std::uint64_t>(vertices_, UINT32_MAX)));
    files::AppendLittleEndian<std::uint32_t>(h, 0);
    files::AppendLittleEndian<std::uint32_t>(h, 0);
    return h;
}

QString NcmWriter::Begin() {
    if (file_ && !file_->open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(file_->fileName(), file_->errorString());
    Put(Header());
    QByteArray text;
    files::AppendLittleEndian<std::uint8_t>(text, static_cast<std::uint8_t>(headerText_.size()));
    text.append(headerText_);
    Put(text);
    return {};
}

void NcmWriter::Block(std::int32_t column, std::int32_t row, const std::vector<Feature>& features) {
    // The block header and its records go out as one array, sized once.
    std::uint64_t bodySize = 0;
    for (const Feature& f : features)
        bodySize += FeatureCodec::EncodedSize(f);
    QByteArray block;
    block.reserve(static_cast<qsizetype>(ncm::BlockHeaderSize + bodySize));
    files::AppendLittleEndian<std::int32_t>(block, column);
    files::AppendLittleEndian<std::int32_t>(block, row);
    files::AppendLittleEndian<std::uint32_t>(block, static_cast<std::uint32_t>(features.size()));
    files::AppendLittleEndian<std::uint32_t>(block, 0); // the records' length, known below
    for (const Feature& f : features) {
        FeatureCodec::Append(block, f);
        bounds_.Include(f.Bounds());
        vertices_ += f.points.size();
    }
    qToLittleEndian(static_cast<std::uint32_t>(block.size() - ncm::BlockHeaderSize),
                    block.data() + ncm::BlockHeaderSize - 4);
    features_ += static_cast<std::uint32_t>(features.size());
    files::AppendLittleEndian<std::int32_t>(directory_, column);
    files::AppendLittleEndian<std::int32_t>(directory_, row);
    files::AppendLittleEndian<std::uint32_t>(directory_, static_cast<std::uint32_t>(size_));
    Put(block);
}

QString NcmWriter::Finish() {
    Put(directory_);
    if (size_ > std::numeric_limits<std::uint32_t>::max()) {
        if (file_)
            file_->cancelWriting();
        return QStringLiteral("The map is too large for a custom map file (over 4 GB).");
    }
    if (!file_)
        return {};
    file_->seek(0);
    file_->write(Header());
    if (!file_->commit())
        return QStringLiteral("Cannot write %1: %2").arg(file_->fileName(), file_->errorString());
    return {};
}

} // namespace mastermap
