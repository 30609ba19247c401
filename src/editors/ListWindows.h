#pragma once

#include "editors/EditorContext.h"

#include <QList>
#include <QObject>
#include <QRect>

class QMdiArea;
class QMdiSubWindow;

namespace editors {

class ListWindow;

enum class ListKind { Waypoints, Routes, Icons, Trails };

// Opens the list windows as children of the main window's frame. Each
// command opens one more window, so two lists of one kind can trade objects
// by drag and drop. The frame's arrangement knows a list window by its
// "listKind" property.
class ListWindows : public QObject {
    Q_OBJECT
public:
    ListWindows(QMdiArea& area, EditorContext& context, QObject* parent = nullptr);

    // A new list window, placed at `geometry` (in the frame) unless it is empty.
    ListWindow* Open(ListKind kind, const QRect& geometry = {});
    // The child windows of the open list windows of a kind, oldest first.
    QList<QMdiSubWindow*> Windows(ListKind kind) const;

signals:
    // A list window was opened or closed.
    void WindowsChanged();

private:
    QMdiArea& area_;
    EditorContext& context_;
};

} // namespace editors
