// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_pictures.h"

#include "design_geometry.h"

#include "canvas/random_source.h"
#include "canvas/raster/pen_shapes.h"
#include "figures/circle_rings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chromadeck::app {

namespace {

// The rings are laid out in the main canvas's units (0.70125 of a pixel across), as a
// press on the canvas would lay them.
constexpr double kPixelsPerUnit = kCanvasUnitWidth / platform::kTwipsPerPixel;

struct RingLayout {
    int width;
    int height;
    int penPixels;
    double stepUnits;  // radii 1, 1 + step, 1 + 2 step, ...
    std::uint64_t seed;
};

QImage ringPicture(const RingLayout& layout) {
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    RandomSource random(layout.seed);
    const double cx = layout.width / 2, cy = layout.height / 2;
    // Rings go on until one would lie wholly outside the picture, its inner edge past
    // every corner.
    const double farthest =
        std::hypot(std::max(cx, layout.width - cx), std::max(cy, layout.height - cy));
    const double h = layout.penPixels / 2.0;
    const double ringsCx = raster::penCentre(cx, layout.penPixels);
    const double ringsCy = raster::penCentre(cy, layout.penPixels);
    CircleRings rings;
    for (double r = 1;; r += layout.stepUnits) {
        const double radius = r * kPixelsPerUnit;
        if (radius - h > farthest) break;
        rings.add(radius, radius, h, ringsCy, RandomColor(random).toQRgb());
    }
    // Each pixel painted once: the picture is made at every start.
    paintCircleRings(rings, ringsCx, ringsCy, image, image.size());
    return image;
}

}  // namespace

QImage mainSamplePicture() {
    return ringPicture({1575, 1017, 360, 360, 0x5EED'0001'C0DE'2026ull});
}

QImage smallSamplePicture() {
    return ringPicture({343, 161, 60, 60, 0x5EED'0002'C0DE'2026ull});
}

}  // namespace chromadeck::app
