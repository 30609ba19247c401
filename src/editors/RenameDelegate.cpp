#include "editors/RenameDelegate.h"

#include <QLineEdit>

namespace editors {

void RenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        rename_(index, line->text());
}

} // namespace editors
