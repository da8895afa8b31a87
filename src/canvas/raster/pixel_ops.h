// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spans.h"

#include <QImage>
#include <QRgb>
#include <cstdint>

// Whole-pixel operations on RGB32 images: copies, the masked copy of stickers and the
// surface flood fill. Everything outside either image is clipped silently.
namespace chromadeck::raster {

// Copies the w x h block at (sx, sy) of src to (dx, dy) of dst.
void copyRect(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy);

// Copies the pixels begin..end-1 to `to`, past the processor's caches: for a picture
// written once that nothing reads before it is shown, which spares reading each line of
// memory in before writing it. finishStreamedPixels() makes them visible to every thread.
void streamPixels(const std::uint32_t* begin, const std::uint32_t* end, std::uint32_t* to);
void finishStreamedPixels();

// Copies the sw x sh block at (sx, sy) of src into the w x h block at (dx, dy) of dst,
// leaving out every source pixel whose colour equals mask (compared without alpha).
// Unequal sizes are scaled by nearest pixel.
void transparentCopy(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy,
                     int sw, int sh, QRgb mask);

// Repaints with fill every pixel of exactly the colour target that is connected to
// (x, y) through its four edge neighbours; (x, y) itself must have that colour.
// Returns the number of pixels painted. A scanline fill: each run is scanned once.
long long floodFillSurface(QImage& image, int x, int y, QRgb target, QRgb fill,
                           const ClipRect& clip);

}  // namespace chromadeck::raster
