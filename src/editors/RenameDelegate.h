#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace editors {

// Edits a row's text in place, but hands the edited text to the window
// instead of writing it into the row: the window renames the object, and the
// row follows the object's change like any other.
class RenameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Rename = std::function<void(const QModelIndex& index, const QString& text)>;

    RenameDelegate(Rename rename, QObject* parent) : QStyledItemDelegate(parent), rename_(std::move(rename)) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Rename rename_;
};

} // namespace editors
