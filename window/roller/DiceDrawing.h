#pragma once

#include <QtGlobal>

class QColor;
class QIcon;
class QImage;
class QPixmap;

namespace corvane {

// The dice drawing in its two forms: the 32 x 32 pixels set by hand, shown as
// they are where one window pixel is one screen pixel, and the vector drawing
// of the same design, which the build renders at every display scale Windows
// offers (125% to 350% in steps of 25%, and 400%) for screens where a window
// pixel covers more than one (a device pixel ratio above 1).
namespace DiceDrawing {

// The drawing for a screen of the given ratio, everything outside the dice
// transparent: 32 x ratio pixels (rounded), with the matching device pixel
// ratio set. A ratio between the rendered scales gets the nearest rendering,
// smoothly resized.
QImage ForRatio(qreal ratio);

// The window's picture: the drawing on the window's background.
QPixmap Picture(qreal ratio, const QColor& background);

// The window icon: the drawing alone.
QIcon Icon(qreal ratio);

}  // namespace DiceDrawing
}  // namespace corvane
