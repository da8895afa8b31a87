// SPDX-License-Identifier: GPL-3.0-or-later
#include "pad_fill.h"

#include "canvas/drawing_surface.h"

namespace chromadeck {

long long FillPadAt(DrawingSurface& pad, RgbColor fillColour, float x, float y) {
    // The pixel under the pointer, in the scale the press was reported in.
    const int px = pad.pixelX(x), py = pad.pixelY(y);
    pad.setScaleMode(DrawingSurface::kPixels);
    pad.setFillStyle(0);
    pad.setFillColor(fillColour);
    const RgbColor clicked = pad.Point(px, py);
    const long long painted = clicked.isNoPixel() ? 0 : pad.ExtFloodFill(px, py, clicked);
    pad.Refresh();
    return painted;
}

}  // namespace chromadeck
