#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace mapview {

class WindowObject;

// The entries of the map window's zoom-range box, in the display unit: the
// preset ranges the view can show, with the current range placed among them
// and selected.
struct ZoomRangeList {
    QStringList Entries;
    int Selected = -1;

    static ZoomRangeList Build(const WindowObject& window);
    // Text of a range in the box.
    static QString Format(double distance);
    // Chooses the range typed or picked in the box (display unit).
    static void Choose(WindowObject& window, const QString& text);
    // Typing in the box accepts digits, "." and backspace only.
    static bool AcceptsKey(QChar key);
};

} // namespace mapview
