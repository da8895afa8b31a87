// SPDX-License-Identifier: GPL-3.0-or-later
// The circle figure row by row. Its rings share one centre and grow with every step, so
// a later ring's outer edge lies outside an earlier one's and so does its inner edge:
// on each row the rings form a nested stack (canvas/raster/nested_row.h), and a pixel
// shows the largest ring that covers it. Rows as far above the centre as below it meet
// the rings alike, so such a pair is worked out once.
#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "canvas/raster/nested_row.h"
#include "canvas/raster/pen_shapes.h"
#include "canvas/raster/pixel_ops.h"
#include "circle_rings.h"
#include "counted_loop.h"
#include "fast_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace chromadeck {

namespace {

// Room for every ring's run on one row, and a row of pixels to paint in.
struct RowScratch {
    std::vector<raster::RowRun> runs;
    std::vector<RowHole> holes;
    std::vector<std::uint32_t> pixels;
    RowScratch(std::size_t rings, int width)
        : runs(rings), holes(rings), pixels(static_cast<std::size_t>(width)) {}
};

// Copies the pixels first..last of `from` but those still open in `row` into `to`.
void copyPainted(const raster::NestedRow& row, int first, int last, const std::uint32_t* from,
                 std::uint32_t* to) {
    if (first > last) return;
    const int openFirst = row.isOpen() ? std::clamp(row.openFirst(), first, last + 1) : last + 1;
    const int openLast = row.isOpen() ? std::clamp(row.openLast(), openFirst - 1, last) : last;
    raster::streamPixels(from + first, from + openFirst, to + first);
    raster::streamPixels(from + openLast + 1, from + last + 1, to + openLast + 1);
}

// Paints the rings top-1 down to `lowest` over the open row, each of which overlaps the
// hole of the one above it, with room for their holes in `holes`. Paints nothing and
// answers false where an edge of top's hole or theirs falls on a whole pixel: there a
// ring may not cover what is open after all.
bool paintBelowOverOpen(raster::NestedRow& stack, const CircleRings& rings, std::size_t lowest,
                        std::size_t top, double cx, double dy, RowHole* holes) {
    if (rings.holes(lowest, top + 1, cx, dy, holes)) return false;
    stack.paintDownOverOpen(holes, rings.colours(), lowest, top);
    return true;
}

// Paints the row dy from the centre, `width` pixels wide, with the rings from `lowest`
// up, the first that reaches it, and the same into `twin` if there is one.
void paintRow(const CircleRings& rings, std::size_t lowest, double cx, double dy, int width,
              std::uint32_t* row, std::uint32_t* twin, RowScratch& scratch) {
    raster::NestedRow stack;
    stack.start(0, width, row, twin);
    // Rings whose hole holds the whole open row show nothing on it: skip them.
    std::size_t lo = lowest, hi = rings.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (stack.holeHoldsOpen(rings.run(mid, cx, dy)))
            hi = mid;
        else
            lo = mid + 1;
    }
    if (lo == lowest) return;
    // Where each ring overlaps the hole of the one above it, as it does wherever the pen
    // is as wide as the step, a ring's outer edge cannot bound what is still open: only
    // its hole matters, which halves the square roots. An edge on a whole pixel, where
    // the overlap could miss that pixel, sends the row the long way.
    const std::size_t top = lo - 1;
    if (rings.eachOverlapsNextHole(lowest, top)) {
        // Painted in a row that stays in the processor's cache, then streamed out: the
        // pieces come one or two pixels at a time from both ends, which the image's
        // memory would serve one cache miss after another.
        std::uint32_t* const pixels = scratch.pixels.data();
        stack.start(0, width, pixels);
        const raster::RowRun outermost = rings.run(top, cx, dy);
        stack.paint(outermost, rings.colour(top));
        if (paintBelowOverOpen(stack, rings, lowest, top, cx, dy, scratch.holes.data())) {
            const int first = std::max(outermost.first, 0);
            const int last = std::min(outermost.last, width - 1);
            copyPainted(stack, first, last, pixels, row);
            if (twin) copyPainted(stack, first, last, pixels, twin);
            return;
        }
        stack.start(0, width, row, twin);
    }
    raster::RowRun* runs = scratch.runs.data();
    rings.runs(lowest, lo, cx, dy, runs);
    for (std::size_t k = lo; k-- > lowest && stack.isOpen();) stack.paint(runs[k], rings.colour(k));
}

}  // namespace

void paintCircleRings(const CircleRings& rings, double cx, double cy, QImage& image, QSize area) {
    if (rings.size() == 0 || area.isEmpty()) return;
    const auto rowOf = [&](int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); };
    const int top = std::max(rings.firstRow(rings.size() - 1), 0);
    const int bottom = std::min(rings.lastRow(rings.size() - 1), area.height() - 1);
    // Row y and its mirror 2 cy - y: the same distance from a centre on a row or halfway.
    const int twiceCy = static_cast<int>(2 * cy);
    const bool mirrored = twiceCy == 2 * cy;
    std::vector<char> done(static_cast<std::size_t>(area.height()), 0);
    RowScratch scratch(rings.size(), area.width());
    for (int y = top; y <= bottom; ++y) {
        if (done[y]) continue;
        const std::size_t lowest = rings.lowestReaching(y);
        // The mirror row is painted alike when the same rings reach it; rounding may leave
        // a ring's first and last row unequally far from the centre.
        const int mirror = twiceCy - y;
        std::uint32_t* twin = nullptr;
        if (mirrored && mirror > y && mirror <= bottom && rings.lowestReaching(mirror) == lowest) {
            twin = rowOf(mirror);
            done[mirror] = 1;
        }
        paintRow(rings, lowest, cx, y - cy, area.width(), rowOf(y), twin, scratch);
    }
    raster::finishStreamedPixels();
}

void DrawCircleFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const Long largest = panel.HScroll1() / 2;
    const auto step = textToLong(panel.Combo3());
    if (!step) return;
    // Nothing can change the controls while a figure draws (no events run), so the
    // aspect, read again for every ring, is read once here.
    const double ratio = static_cast<float>(panel.HScroll2() / 10.0);

    const int width = canvas.DrawWidth();
    const double h = width / 2.0;
    const double cx = raster::penCentre(canvas.pixelX(X), width);
    const double cy = raster::penCentre(canvas.pixelY(Y), width);
    CircleRings rings;
    forCounter<Long>(1, largest, *step, [&](Long radius) {
        // As Circle works out a ring: radii in the horizontal unit, the aspect shortening one.
        const double r = std::fabs(canvas.unitsToPixelsX(static_cast<float>(radius)));
        const double a = ratio <= 1 ? r : r / ratio;
        const double b = ratio <= 1 ? r * std::fabs(ratio) : r;
        rings.add(a, b, h, cy, RandomColor(random).toQRgb());
    });
    if (rings.size() == 0) return;
    panel.hideText5();
    canvas.setCurrentX(X);
    canvas.setCurrentY(Y);

    QImage& image = canvas.drawingTarget();
    paintCircleRings(rings, cx, cy, image, canvas.drawableSize(image));
    canvas.markDrawn();
}

}  // namespace chromadeck
