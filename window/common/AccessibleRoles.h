#pragma once

class QLabel;
class QWidget;

namespace corvane {

// Screen readers read a window's title from a frame and its status line from
// a status bar, and speak a notification when it shows. Qt presents a plain
// top-level widget as a filler and every label as a label; these give the
// program's widgets the parts they play instead. Nothing on screen changes.
//
// Call each right after making the widget: Qt may already have made the
// widget's accessible interface (as its text is set, say), and this makes it
// again.

// A window with a title bar: its name is its title.
void ExposeAsWindow(QWidget& window);
// The window's status line: its name is the label's text.
void ExposeAsStatusLine(QLabel& label);
// Where announcements come from: its name is the accessible name it is given.
void ExposeAsNotification(QWidget& widget);

}  // namespace corvane
