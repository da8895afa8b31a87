// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/drawing_surface.h"

namespace chromadeck::testing {

// A kept white surface of w x h pixels, measured in pixels.
inline DrawingSurface& pixelSurface(DrawingSurface& surface, int w, int h) {
    surface.setDrawingSize(QSize(w, h));
    surface.setAutoRedraw(true);
    surface.setScaleMode(DrawingSurface::kPixels);
    surface.setBackColor(RGB(255, 255, 255));
    return surface;
}

}  // namespace chromadeck::testing
