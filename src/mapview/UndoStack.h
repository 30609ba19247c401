#pragma once

#include "mapview/UndoObject.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace mapview {

// The undo stack of the main window: whole snapshots of the data set, oldest
// first, at most 50. The position counts the steps that can be undone; the
// captions and enabled states are what the Edit menu shows.
class UndoStack : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxEntries = 50;

    explicit UndoStack(gpsdata::GPSData& data, QObject* parent = nullptr);

    // The border engine whose borders the steps of map operations ("Merge
    // Map", a route made a border) take back and bring again; none: those
    // steps restore the data set alone. Set it before the first step.
    void SetBorders(Carver* borders) { borders_ = borders; }

    // Called by every changing command before it changes the data.
    void PushUndoOperation(bool mapOperation, const QString& operationName);
    void PerformUndoOperation();
    void PerformRedoOperation();
    void ClearUndoStack();

    int Count() const { return static_cast<int>(entries_.size()); }
    int Position() const { return position_; }
    QString UndoCaption() const { return undoCaption_; }
    bool UndoEnabled() const { return undoEnabled_; }
    QString RedoCaption() const { return redoCaption_; }
    bool RedoEnabled() const { return redoEnabled_; }

signals:
    // The captions or enabled states may have changed.
    void MenuChanged();
    // An undo or redo of a map operation put the borders back.
    void BordersRestored();

private:
    // Entry p, counted from 1.
    const UndoObject& Entry(int p) const { return *entries_[static_cast<std::size_t>(p - 1)]; }
    void SetUndo(const QString& caption, bool enabled);
    void SetRedo(const QString& caption, bool enabled);

    void RestoreBorders(const UndoObject& state);

    gpsdata::GPSData& data_;
    Carver* borders_ = nullptr;
    std::vector<std::unique_ptr<UndoObject>> entries_;
    int position_ = 0;
    QString undoCaption_;
    bool undoEnabled_ = false;
    QString redoCaption_;
    bool redoEnabled_ = false;
};

} // namespace mapview
