#pragma once

#include "mastermap/BlockSink.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace mastermap {

// Writes a custom map (".ncm") block by block as the cutter hands the blocks
// over; or, without a path, only counts the bytes the file would take, so an
// estimate and a build of the same map agree to the byte.
class NcmWriter : public BlockSink {
public:
    // Empty path: count only. The header text is cut to 255 bytes.
    NcmWriter(const QString& path, std::int32_t blockSize, const QString& headerText);

    QString Begin();
    void Block(std::int32_t column, std::int32_t row, const std::vector<Feature>& features) override;
    // Writes the directory and the final header. Returns an empty text on
    // success, the reason otherwise; the target is untouched on failure.
    QString Finish();

    std::uint64_t Size() const { return size_; }
    std::uint32_t FeatureCount() const { return features_; }
    std::uint32_t BlockCount() const { return static_cast<std::uint32_t>(directory_.size() / 12); }

private:
    QByteArray Header() const;
    void Put(const QByteArray& bytes);

    std::unique_ptr<QSaveFile> file_;
    std::int32_t blockSize_;
    QByteArray headerText_;
    QByteArray directory_;
    std::uint64_t size_ = 0;
    std::uint32_t features_ = 0;
    std::uint64_t vertices_ = 0;
    Rect bounds_;
};

} // namespace mastermap
