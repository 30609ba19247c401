#pragma once

#include <QFile>
#include <QString>

#include <string_view>

namespace mastermap {

// A whole file mapped read-only into memory, for readers that take only the
// parts they need.
class MappedFile {
public:
    // Returns an empty text on success; `kind` names the file in the reason
    // ("a master map file") when it is empty or cannot be mapped.
    QString Open(const QString& path, const QString& kind);
    std::string_view Bytes() const { return bytes_; }

private:
    QFile file_;
    std::string_view bytes_;
};

} // namespace mastermap
