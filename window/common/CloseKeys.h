#pragma once

class QWidget;

namespace corvane {

// Esc and Ctrl+W close a window beside the dice window, as they close such
// windows in other desktop programs.
void AddCloseKeys(QWidget& window);

}  // namespace corvane
