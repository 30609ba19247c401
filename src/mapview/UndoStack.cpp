#include "mapview/UndoStack.h"

namespace mapview {

namespace {

const QString CantUndo = QStringLiteral("Can't Undo");
const QString CantRedo = QStringLiteral("Can't Redo");
const QString UndoPrefix = QStringLiteral("&Undo ");
const QString RedoPrefix = QStringLiteral("&Redo ");
// The state after the newest command, saved by the first undo so that redo
// can come back to it; never offered by name.
const QString AfterLastCommand = QStringLiteral("~~");

} // namespace

UndoStack::UndoStack(gpsdata::GPSData& data, QObject* parent) : QObject(parent), data_(data) {
    ClearUndoStack();
}

void UndoStack::PushUndoOperation(bool mapOperation, const QString& operationName) {
    auto entry = std::make_unique<UndoObject>(data_, borders_);
    entry->OperationName = operationName;
    entry->SetMapOperation(mapOperation);
    entries_.resize(static_cast<std::size_t>(position_));
    entries_.push_back(std::move(entry));
    if (Count() > MaxEntries)
        entries_.erase(entries_.begin());
    position_ = Count();
    SetUndo(UndoPrefix + operationName, true);
    SetRedo(CantRedo, false);
}

void UndoStack::PerformUndoOperation() {
    if (position_ == 0)
        return;
    if (position_ == Count()) {
        PushUndoOperation(Entry(position_).MapOperation(), AfterLastCommand);
        position_ = Count() - 1;
    }
    const UndoObject& step = Entry(position_);
    step.Undo();
    if (step.MapOperation())
        RestoreBorders(step);
    --position_;
    if (position_ > 0)
        SetUndo(UndoPrefix + Entry(position_).OperationName, true);
    else
        SetUndo(CantUndo, false);
    SetRedo(RedoPrefix + Entry(position_ + 1).OperationName, true);
}

void UndoStack::PerformRedoOperation() {
    if (position_ >= Count() - 1)
        return;
    // Entry p + 2 holds the state after the command of entry p + 1.
    const UndoObject& after = Entry(position_ + 2);
    after.Undo();
    if (Entry(position_ + 1).MapOperation())
        RestoreBorders(after);
    ++position_;
    SetUndo(UndoPrefix + Entry(position_).OperationName, true);
    if (position_ >= Count() - 1)
        SetRedo(CantRedo, false);
    else
        SetRedo(RedoPrefix + Entry(position_ + 1).OperationName, true);
}

void UndoStack::ClearUndoStack() {
    entries_.clear();
    position_ = 0;
    SetRedo(CantRedo, false);
    SetUndo(CantUndo, false);
}

void UndoStack::RestoreBorders(const UndoObject& state) {
    if (!borders_)
        return;
    state.RestorePolygons();
    emit BordersRestored();
}

void UndoStack::SetUndo(const QString& caption, bool enabled) {
    undoCaption_ = caption;
    undoEnabled_ = enabled;
    emit MenuChanged();
}

void UndoStack::SetRedo(const QString& caption, bool enabled) {
    redoCaption_ = caption;
    redoEnabled_ = enabled;
    emit MenuChanged();
}

} // namespace mapview
