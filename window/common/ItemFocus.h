#pragma once

class QAbstractItemView;

namespace corvane {

// Keeps the focused row of a list heard by screen readers. Qt tells them
// which row has the focus before it tells them the list has it, so they
// present the list last and never the row; and when the list's rows are
// replaced, the focused row is gone and they fall silent. So: once the focus
// has settled in the list, they are told its current row again; and when the
// rows are replaced while the list has the focus, they are told the row its
// owner puts the focus back on, if any.
//
// Call after the view has its model.
void KeepCurrentRowHeard(QAbstractItemView& view);

}  // namespace corvane
