#pragma once

#include <QRect>

namespace corvane {

// The window's layout is drawn up in twips (1/1440 inch). At 96 dots per inch
// 15 twips make one pixel; Qt's device-independent pixels then scale the whole
// window on high-density screens.
inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel.
constexpr int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
// Enough pixels to cover the twips, for minimum sizes.
constexpr int PixelsAtLeast(int twips) { return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

}  // namespace corvane
