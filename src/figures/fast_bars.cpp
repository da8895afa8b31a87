// SPDX-License-Identifier: GPL-3.0-or-later
// The bar figure with each bar drawn as the union of its strokes. All 19 passes of a bar
// share one colour, and every stroke after the first runs along the bottom line, joining
// the points the stroke procedure visits; so a bar is its dot, its upright and one
// stroke along the bottom between the leftmost and rightmost visited points.
#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "canvas/raster/pen_shapes.h"
#include "counted_loop.h"
#include "fast_figures.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace chromadeck {

namespace {

using raster::ClipRect;
using raster::SpanWriter;

struct Visit {
    int dx, dy;
};

// The bars as dot, upright and bottom stroke each, in order. All uprights run between the
// same two rows, so between the dots' rows and the bottom strokes' rows every row shows
// the same thing: each column the colour of the last upright across it. Those rows get
// that one row copied; the rows above and below are drawn bar by bar, as the canvas
// would, clipped to them.
void drawWholeBars(DrawingSurface& canvas, const std::vector<Integer>& xs,
                   const std::vector<QRgb>& colours, float top, Integer bottom, int reachLeft,
                   int reachRight) {
    QImage& image = canvas.drawingTarget();
    const QSize area = canvas.drawableSize(image);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    if (clip.isEmpty()) return;
    const int width = canvas.DrawWidth();
    const double h = width / 2.0;
    const int topRow = canvas.pixelY(top), bottomRow = canvas.pixelY(bottom);
    const double y1 = raster::penCentre(std::min(topRow, bottomRow), width);
    const double y2 = raster::penCentre(std::max(topRow, bottomRow), width);
    // The rows only uprights reach, and only between their caps.
    const int shared = std::max(raster::ceilToInt(y1 + h), clip.top);
    const int sharedLast = std::min(raster::floorToInt(y2 - h), clip.bottom - 1);
    std::vector<ClipRect> rest;
    if (shared > sharedLast) {
        rest.push_back(clip);
    } else {
        rest.push_back({clip.left, clip.top, clip.right, shared});
        rest.push_back({clip.left, sharedLast + 1, clip.right, clip.bottom});
    }

    std::vector<std::uint32_t> row(static_cast<std::size_t>(clip.right), 0);
    std::vector<char> covered(row.size(), 0);
    for (std::size_t n = 0; n < xs.size(); ++n) {
        const int x = canvas.pixelX(xs[n]);
        const SpanWriter pen(image, colours[n]);
        for (const ClipRect& part : rest) {
            raster::dotSpans(x, topRow, width, part, pen);
            raster::strokeSpans(x, topRow, x, bottomRow, width, part, pen);
            raster::strokeSpans(canvas.pixelX(xs[n] + reachLeft), bottomRow,
                                canvas.pixelX(xs[n] + reachRight), bottomRow, width, part, pen);
        }
        // The upright's run on the shared rows, as strokeSpans works it out.
        const double ax = raster::penCentre(x, width);
        const int first = std::max(raster::floorToInt(ax - h) + 1, clip.left);
        const int last = std::min(raster::ceilToInt(ax + h) - 1, clip.right - 1);
        for (int c = first; c <= last; ++c) {
            row[c] = colours[n] | 0xFF000000u;
            covered[c] = 1;
        }
    }
    // Columns no upright crosses keep what is under the figure.
    for (int c = clip.left; c < clip.right;) {
        if (!covered[c]) {
            ++c;
            continue;
        }
        int end = c;
        while (end + 1 < clip.right && covered[end + 1]) ++end;
        for (int y = shared; y <= sharedLast; ++y)
            std::memcpy(reinterpret_cast<std::uint32_t*>(image.scanLine(y)) + c, row.data() + c,
                        sizeof(std::uint32_t) * (end - c + 1));
        c = end + 1;
    }
    canvas.markDrawn();
}

}  // namespace

void DrawBarFigureFast(BarFigure& bars, FigurePanel& panel, RandomSource& random) {
    DrawingSurface& canvas = panel.Picture1();
    const auto step = textToInteger(panel.Combo3());
    const auto top = textToSingle(panel.Combo4());
    const auto bottom = textToInteger(panel.Combo5());
    if (!step || !top || !bottom) return;

    // The points one pass visits, relative to (x, bottom), for every cut-off. Whole-number
    // offsets added to a whole x round alike for every x of the same parity (ties go to
    // even), so two bars, at an even and an odd x, stand for all of them.
    const auto visitsFrom = [&](Integer x0) {
        std::vector<std::vector<Visit>> passes;
        for (Integer cutOff = kBarFirstCutOff; cutOff >= kBarLastCutOff; --cutOff) {
            bars.minStrokeLength = cutOff;
            std::vector<Visit> visits;
            bars.BarStroke(
                [&](Integer x, Integer y) {
                    visits.push_back({x - x0, y - *bottom});
                },
                x0, *bottom, kBarStrokeLength, kBarStrokeAngle);
            passes.push_back(std::move(visits));
        }
        return passes;
    };
    const auto passes = visitsFrom(kBarFirstX);
    const auto sameOffsets = [](const auto& a, const auto& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k) {
            if (a[k].size() != b[k].size()) return false;
            for (std::size_t m = 0; m < a[k].size(); ++m)
                if (a[k][m].dx != b[k][m].dx || a[k][m].dy != b[k][m].dy) return false;
        }
        return true;
    };
    bool alongTheBottom = sameOffsets(passes, visitsFrom(kBarFirstX + 1));
    int reachLeft = 0, reachRight = 0;
    for (const auto& visits : passes)
        for (const Visit& v : visits) {
            alongTheBottom = alongTheBottom && v.dy == 0;
            reachLeft = std::min(reachLeft, v.dx);
            reachRight = std::max(reachRight, v.dx);
        }

    std::vector<Integer> xs;
    forCounter<Integer>(kBarFirstX, kBarLastX, *step, [&](Integer x) { xs.push_back(x); });
    const bool allWhole = alongTheBottom && !xs.empty() && xs.back() + reachRight <= 32767;
    std::vector<QRgb> colours;
    for (const Integer x : xs) {
        const RgbColor colour = RandomColor(random);
        canvas.setForeColor(colour);
        colours.push_back(colour.toQRgb());
        if (allWhole) continue;
        for (Integer cutOff = kBarFirstCutOff; cutOff >= kBarLastCutOff; --cutOff) {
            bars.minStrokeLength = cutOff;
            canvas.PSet(x, *top);
            bars.BarStroke([&](Integer px, Integer py) { canvas.LineTo(px, py); }, x, *bottom,
                           kBarStrokeLength, kBarStrokeAngle);
        }
    }
    if (allWhole) {
        drawWholeBars(canvas, xs, colours, *top, *bottom, reachLeft, reachRight);
        // Where the last stroke of the last bar left the pen.
        const Visit end = passes.back().back();
        canvas.setCurrentX(float(xs.back() + end.dx));
        canvas.setCurrentY(float(*bottom + end.dy));
    }
    bars.minStrokeLength = 1;
}

}  // namespace chromadeck
