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
#include "counted_loop.h"
#include "fast_figures.h"

#include <cmath>
#include <vector>

namespace chromadeck {

namespace {

using raster::ceilToInt;
using raster::floorToInt;
using raster::RowRun;

// One ring as raster::ellipseOutlineSpans sees it: the band between the ellipses half a
// pen outside and inside the path, with the same numbers, so the same pixels.
struct Ring {
    double oa, ob, ob2, ia, ib, ib2;
    bool holed;              // the inner ellipse exists
    int firstRow, lastRow;   // rows the outer ellipse reaches, unclipped
    QRgb colour;

    bool reaches(int y) const { return y >= firstRow && y <= lastRow; }

    RowRun run(double cx, double dy) const {
        RowRun r;
        const double outer = oa * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ob2));
        r.first = floorToInt(cx - outer) + 1;
        r.last = ceilToInt(cx + outer) - 1;
        if (holed && std::fabs(dy) <= ib) {
            const double inner = ia * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ib2));
            r.holeFirst = ceilToInt(cx - inner);
            r.holeLast = floorToInt(cx + inner);
        }
        return r;
    }
};

// The first ring (the smallest) that reaches row y; rings.size() when none does.
std::size_t lowestReaching(const std::vector<Ring>& rings, int y) {
    std::size_t lo = 0, hi = rings.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (rings[mid].reaches(y))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Paints row y's stack from rings[lowest...] into `row`.
void paintRow(raster::NestedRow& row, const std::vector<Ring>& rings, std::size_t lowest,
              double cx, double dy) {
    // Rings whose hole holds the whole open row show nothing on it: skip them.
    std::size_t lo = lowest, hi = rings.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (row.holeHoldsOpen(rings[mid].run(cx, dy)))
            hi = mid;
        else
            lo = mid + 1;
    }
    for (std::size_t k = lo; k-- > lowest && row.isOpen();)
        row.paint(rings[k].run(cx, dy), rings[k].colour);
}

}  // namespace

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
    std::vector<Ring> rings;
    forCounter<Long>(1, largest, *step, [&](Long radius) {
        // As Circle works out a ring: radii in the horizontal unit, the aspect shortening one.
        const double r = std::fabs(canvas.unitsToPixelsX(static_cast<float>(radius)));
        const double a = ratio <= 1 ? r : r / ratio;
        const double b = ratio <= 1 ? r * std::fabs(ratio) : r;
        Ring g{};
        g.oa = a + h;
        g.ob = b + h;
        g.ob2 = g.ob * g.ob;
        g.ia = a - h;
        g.ib = b - h;
        g.ib2 = g.ib * g.ib;
        g.holed = g.ia > 0 && g.ib > 0;
        g.firstRow = floorToInt(cy - g.ob) + 1;
        g.lastRow = ceilToInt(cy + g.ob) - 1;
        g.colour = RandomColor(random).toQRgb();
        rings.push_back(g);
    });
    if (rings.empty()) return;
    panel.hideText5();
    canvas.setCurrentX(X);
    canvas.setCurrentY(Y);

    QImage& image = canvas.drawingTarget();
    const QSize area = canvas.drawableSize(image);
    if (area.isEmpty()) return;
    const auto rowOf = [&](int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); };
    const int top = std::max(rings.back().firstRow, 0);
    const int bottom = std::min(rings.back().lastRow, area.height() - 1);
    // Row y and its mirror 2 cy - y: the same distance from the centre.
    const int twiceCy = static_cast<int>(2 * cy);
    std::vector<char> done(static_cast<std::size_t>(area.height()), 0);
    raster::NestedRow row;
    for (int y = top; y <= bottom; ++y) {
        if (done[y]) continue;
        const std::size_t lowest = lowestReaching(rings, y);
        row.start(0, area.width());
        paintRow(row, rings, lowest, cx, y - cy);
        row.writeTo(rowOf(y));
        // The mirror row shares the pieces when the same rings reach it; rounding may
        // leave a ring's first and last row unequally far from the centre.
        const int mirror = twiceCy - y;
        if (mirror > y && mirror <= bottom && lowestReaching(rings, mirror) == lowest) {
            row.writeTo(rowOf(mirror));
            done[mirror] = 1;
        }
    }
    canvas.markDrawn();
}

}  // namespace chromadeck
