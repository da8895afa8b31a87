// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace chromadeck {

class DrawingSurface;

// Turns the source into the output by inverse mapping about both centres, pixel by
// pixel, without interpolation: output pixel (i, j) shows the source pixel at its offset
// from the output centre turned back by the angle, when that lies strictly inside the
// source less its outermost rows and columns; every other output pixel keeps its colour.
// A positive angle turns the picture clockwise on the screen.
void RotatePicture(const DrawingSurface& source, DrawingSurface& output, double degrees);
// The same pixels, straight into image memory; falls back to RotatePicture for a pen
// wider than one pixel.
void RotatePictureFast(const DrawingSurface& source, DrawingSurface& output, double degrees);

}  // namespace chromadeck
