#pragma once

#include "mastermap/Feature.h"
#include "mastermap/MappedFile.h"

#include <QString>

#include <functional>
#include <string_view>

namespace mastermap {

// Reads a custom map (".ncm") file: its header and its blocks. Any bytes are
// survived: a damaged header refuses the file; a block whose records do not
// fit ends the walk with a reason.
class NcmReader {
public:
    struct Header {
        std::uint32_t fileSize = 0;
        std::uint32_t blockCount = 0;
        std::uint32_t featureCount = 0;
        std::uint8_t manufacturer = 0;
        std::uint8_t dataType = 0;
        std::int32_t blockSize = 0;
        Rect bounds;
        std::uint32_t directoryOffset = 0;
        std::uint32_t vertexCount = 0;
        QString text;
    };
    using Visitor = std::function<void(std::int32_t column, std::int32_t row, const Feature&)>;

    QString Open(const QString& path);
    QString OpenBytes(std::string_view bytes);
    const Header& Info() const { return header_; }
    // Walks every block and feature; returns an empty text, or why it stopped.
    QString ForEach(const Visitor& visit) const;

private:
    MappedFile file_;
    std::string_view bytes_;
    Header header_;
    qsizetype firstBlock_ = 0;
};

} // namespace mastermap
