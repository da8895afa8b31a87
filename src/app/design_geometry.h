#pragma once

#include "figures/main_canvas.h"
#include "platform/screen.h"

#include <QRect>
#include <cmath>

namespace chromadeck::app {

// Window layouts are designed in twips; a logical pixel is 15 of them.
inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The main canvas's fixed corner, in twips of the client area.
inline constexpr int kCanvasLeft = 1740;
inline constexpr int kCanvasTop = 90;
// The main canvas's drawing unit in twips, about 0.70 of a pixel: presses, figures and
// the built-in sample pictures are all laid out in it.
inline constexpr double kCanvasUnitWidth = kMainCanvasUnitWidth;
inline constexpr double kCanvasUnitHeight = kMainCanvasUnitHeight;

}  // namespace chromadeck::app
