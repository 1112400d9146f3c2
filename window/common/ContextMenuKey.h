#pragma once

class QWidget;

namespace corvane {

// Shift+F10 opens the context menu of whatever has the focus in `window`, as
// the Menu key does: many keyboards have no Menu key, and Shift+F10 is the
// desktops' other key for it.
void AddContextMenuKey(QWidget& window);

}  // namespace corvane
