#include "files/ByteReader.h"

namespace files {

void ByteReader::Seek(std::uint64_t position) {
    position_ = position > std::uint64_t(bytes_.size()) ? bytes_.size() + 1 : qsizetype(position);
    pastEnd_ = false;
}

qsizetype ByteReader::Remaining() const {
    return position_ >= bytes_.size() ? 0 : bytes_.size() - position_;
}

bool ByteReader::Take(qsizetype count) {
    if (count < 0 || count > Remaining()) {
        pastEnd_ = true;
        position_ = qMax(position_, bytes_.size());
        return false;
    }
    taken_ = position_;
    position_ += count;
    return true;
}

QByteArray ByteReader::ReadBytes(qsizetype count) {
    if (!Take(count))
        return {};
    return QByteArray(bytes_.data() + taken_, count);
}

void ByteReader::Skip(qsizetype count) {
    Take(count);
}

} // namespace files
