// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/controls/twips.h"
#include "figures/main_canvas.h"

namespace chromadeck::app {

// The main canvas's fixed corner, in twips of the client area.
inline constexpr int kCanvasLeft = 1740;
inline constexpr int kCanvasTop = 90;
// The main canvas's drawing unit in twips, about 0.70 of a pixel: presses, figures and
// the built-in sample pictures are all laid out in it.
inline constexpr double kCanvasUnitWidth = kMainCanvasUnitWidth;
inline constexpr double kCanvasUnitHeight = kMainCanvasUnitHeight;

}  // namespace chromadeck::app
