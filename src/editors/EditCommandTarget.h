#pragma once

namespace editors {

// The main window's Edit menu commands that act on the active child window.
// EditSelected opens the item editor of the focused row.
enum class EditCommand { Copy, Cut, Paste, Delete, SelectAll, EditSelected };

// A child window that the Edit menu acts on while it is the active child of
// the main window's frame: the list windows and the item editors. The main
// window finds it as the widget of the active child window.
//
// A command that changes the data set records its own undo step ("Cut",
// "Delete", "Paste") before it changes anything, and only when it is about to
// change something, so a command that finds nothing to act on leaves the undo
// stack as it was.
class EditCommandTarget {
public:
    virtual ~EditCommandTarget() = default;

    // Whether the command has something to act on now; the menu shows it
    // enabled or disabled accordingly.
    virtual bool CanEdit(EditCommand command) const = 0;
    virtual void Edit(EditCommand command) = 0;
};

} // namespace editors
