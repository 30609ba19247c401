#include "mastermap/MappedFile.h"

namespace mastermap {

QString MappedFile::Open(const QString& path, const QString& kind) {
    bytes_ = {};
    file_.close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open %1: %2").arg(path, file_.errorString());
    const qint64 size = file_.size();
    const uchar* data = size > 0 ? file_.map(0, size) : nullptr;
    if (!data)
        return QStringLiteral("%1 is not %2.").arg(path, kind);
    bytes_ = {reinterpret_cast<const char*>(data), static_cast<std::size_t>(size)};
    return {};
}

} // namespace mastermap
