// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"

namespace chromadeck {

class DrawingSurface;

// The cut-out pad's fill at a press (x, y, in the scale the press was reported in): the
// area of exactly the clicked pixel's colour around it takes `fillColour`. From the
// first fill on, the pad measures in pixels. A press on the border reads no pixel and
// fills nothing. Returns the number of pixels painted.
long long FillPadAt(DrawingSurface& pad, RgbColor fillColour, float x, float y);

}  // namespace chromadeck
