#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace corvane {

// Where the windows beside the dice window open. All sizes and places are of
// whole windows, frame included.

// A place for a window of the `wanted` size beside the `dice` window, inside
// the `screen` area and never over the dice window: to its right, left, below
// or above, in that order, clear of the `open` windows beside and at full
// size where one of them has the room, else clear and shrunk to fit but not
// below `smallest`, in the place with the most room. Only where no clear
// place is that big does it go over open windows, as little as it can.
QRect BesideDiceWindow(const QRect& dice, const QSize& wanted, const QRect& screen,
                       const QList<QRect>& open, const QSize& smallest);

// Where the dice window steps aside to, on a screen too small for a side
// window beside it where it stands: the nearest edge of the screen that gives
// the side window clearly more room, or where it is when none does.
QRect DiceWindowSteppedAside(const QRect& dice, const QSize& wanted, const QRect& screen,
                             const QSize& smallest);

// Where the window system places windows itself: a size that leaves room for
// the dice window beside it, or above or below it, on the screen.
QSize SizeBesideDiceWindow(const QSize& dice, const QSize& wanted, const QRect& screen,
                           const QSize& smallest);

}  // namespace corvane
