#pragma once

class QWidget;

namespace editors {

// Closes an editing window, and the frame of the main window's area that it
// sits in, if any; both are deleted once closed.
void CloseWithFrame(QWidget& window);

} // namespace editors
