// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/drawing_surface.h"

namespace chromadeck {

// The main canvas's drawing state: kept on, magenta on black, in units of about 0.7 pixel
// (10.51875 x 10.525 twips) so that the figures' sizes read as the panel's numbers.
inline constexpr double kMainCanvasUnitWidth = 10.51875;
inline constexpr double kMainCanvasUnitHeight = 10.525;

inline void setUpMainCanvas(DrawingSurface& canvas) {
    canvas.setAutoRedraw(true);
    canvas.setBackColor(RGB(0, 0, 0));
    canvas.setForeColor(RGB(255, 0, 255));
    canvas.setUnitSize(kMainCanvasUnitWidth, kMainCanvasUnitHeight);
}

}  // namespace chromadeck
