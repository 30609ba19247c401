#include "editors/RecordDragData.h"

#include <QMimeData>

namespace editors {

QMimeData* RecordDragData::Make(const QString& records) {
    auto* mime = new QMimeData;
    mime->setData(MimeType(), records.toUtf8());
    return mime;
}

std::optional<QString> RecordDragData::Read(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(MimeType()))
        return std::nullopt;
    return QString::fromUtf8(mime->data(MimeType()));
}

} // namespace editors
