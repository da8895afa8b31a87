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
#include "counted_loop.h"
#include "fast_figures.h"

#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chromadeck {

namespace {

using raster::ceilToInt;
using raster::floorToInt;
using raster::RowRun;

// The rings as raster::ellipseOutlineSpans sees them: each the band between the ellipses
// half a pen outside and inside its path, with the same numbers, so the same pixels.
// Kept column by column, so that a row's edges can be worked out two rings at a time.
struct Rings {
    std::vector<double> oa, ob2, ia, ib, ib2;
    std::vector<char> holed;             // the inner ellipse exists
    std::vector<double> holeReach;       // ib where it does, else -1: no row is that near
    std::vector<int> firstRow, lastRow;  // rows the outer ellipse reaches, unclipped
    std::vector<QRgb> colour;

    std::size_t size() const { return colour.size(); }
    bool reaches(std::size_t k, int y) const { return y >= firstRow[k] && y <= lastRow[k]; }

    // The first ring (the smallest) that reaches row y; size() when none does.
    std::size_t lowestReaching(int y) const {
        std::size_t lo = 0, hi = size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (reaches(mid, y))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    double outer(std::size_t k, double dy) const {
        return oa[k] * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ob2[k]));
    }
    double inner(std::size_t k, double dy) const {
        return ia[k] * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ib2[k]));
    }

    // Ring k's run on the row dy from the centre, from its outer and inner edge there.
    RowRun run(std::size_t k, double cx, double dy, double out, double in) const {
        RowRun r;
        r.first = floorToInt(cx - out) + 1;
        r.last = ceilToInt(cx + out) - 1;
        if (holed[k] && std::fabs(dy) <= ib[k]) {
            r.holeFirst = ceilToInt(cx - in);
            r.holeLast = floorToInt(cx + in);
        }
        return r;
    }
    RowRun run(std::size_t k, double cx, double dy) const {
        return run(k, cx, dy, outer(k, dy), inner(k, dy));
    }

    // The runs of rings from..to-1 on the row dy from the centre, into `runs`; two rings
    // at a time where the processor has SSE2 (every x86-64 does): the same divisions,
    // square roots and roundings as one at a time, so the same numbers, in a fraction of
    // the time. The holes of rings without one are worked out too, and not used.
    void runs(std::size_t from, std::size_t to, double cx, double dy, RowRun* out) const {
        std::size_t k = from;
#if defined(__SSE2__)
        const __m128d dy2 = _mm_set1_pd(dy * dy), one = _mm_set1_pd(1.0);
        const __m128d zero = _mm_setzero_pd(), centre = _mm_set1_pd(cx);
        const __m128d distance = _mm_set1_pd(std::fabs(dy));
        const __m128i oneInt = _mm_set1_epi32(1), noHole = _mm_setr_epi32(1, 0, 1, 0);
        for (; k + 2 <= to; k += 2) {
            const __m128d o = _mm_sub_pd(one, _mm_div_pd(dy2, _mm_loadu_pd(&ob2[k])));
            const __m128d i = _mm_sub_pd(one, _mm_div_pd(dy2, _mm_loadu_pd(&ib2[k])));
            // MAXPD gives its second operand unless the first is greater: std::max(0.0, v).
            const __m128d outer =
                _mm_mul_pd(_mm_loadu_pd(&oa[k]), _mm_sqrt_pd(_mm_max_pd(o, zero)));
            const __m128d inner =
                _mm_mul_pd(_mm_loadu_pd(&ia[k]), _mm_sqrt_pd(_mm_max_pd(i, zero)));
            const __m128i first = _mm_add_epi32(floors(_mm_sub_pd(centre, outer)), oneInt);
            const __m128i last = _mm_sub_epi32(ceils(_mm_add_pd(centre, outer)), oneInt);
            const __m128i holeFirst = ceils(_mm_sub_pd(centre, inner));
            const __m128i holeLast = floors(_mm_add_pd(centre, inner));
            // Each ring's hole, or none where the ring has no inner edge on this row.
            const __m128i holed =
                _mm_castpd_si128(_mm_cmple_pd(distance, _mm_loadu_pd(&holeReach[k])));
            const __m128i holes =
                _mm_or_si128(_mm_and_si128(holed, _mm_unpacklo_epi32(holeFirst, holeLast)),
                             _mm_andnot_si128(holed, noHole));
            const __m128i runs = _mm_unpacklo_epi32(first, last);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k]), _mm_unpacklo_epi64(runs, holes));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k + 1]),
                             _mm_unpackhi_epi64(runs, holes));
        }
#endif
        for (; k < to; ++k) out[k] = run(k, cx, dy);
    }

#if defined(__SSE2__)
    // floorToInt and ceilToInt of two values: truncated, then one down (up) where the
    // truncation went up (down). The two results are the low two lanes.
    static __m128i truncated(__m128d& v) {
        v = _mm_min_pd(_mm_max_pd(v, _mm_set1_pd(-1073741824.0)), _mm_set1_pd(1073741824.0));
        return _mm_cvttpd_epi32(v);
    }
    static __m128i lanes(__m128d mask) {  // the two 64-bit masks as two 32-bit ones
        return _mm_shuffle_epi32(_mm_castpd_si128(mask), _MM_SHUFFLE(3, 3, 2, 0));
    }
    static __m128i floors(__m128d v) {
        const __m128i t = truncated(v);
        return _mm_add_epi32(t, lanes(_mm_cmplt_pd(v, _mm_cvtepi32_pd(t))));
    }
    static __m128i ceils(__m128d v) {
        const __m128i t = truncated(v);
        return _mm_sub_epi32(t, lanes(_mm_cmpgt_pd(v, _mm_cvtepi32_pd(t))));
    }
#endif
};

// Paints the row dy from the centre with the rings from `lowest` up, the first that
// reaches it. `runs` is room for every ring's run.
void paintRow(raster::NestedRow& row, const Rings& rings, std::size_t lowest, double cx, double dy,
              RowRun* runs) {
    // Rings whose hole holds the whole open row show nothing on it: skip them.
    std::size_t lo = lowest, hi = rings.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (row.holeHoldsOpen(rings.run(mid, cx, dy)))
            hi = mid;
        else
            lo = mid + 1;
    }
    rings.runs(lowest, lo, cx, dy, runs);
    for (std::size_t k = lo; k-- > lowest && row.isOpen();) row.paint(runs[k], rings.colour[k]);
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
    Rings rings;
    forCounter<Long>(1, largest, *step, [&](Long radius) {
        // As Circle works out a ring: radii in the horizontal unit, the aspect shortening one.
        const double r = std::fabs(canvas.unitsToPixelsX(static_cast<float>(radius)));
        const double a = ratio <= 1 ? r : r / ratio;
        const double b = ratio <= 1 ? r * std::fabs(ratio) : r;
        const double ob = b + h, ia = a - h, ib = b - h;
        rings.oa.push_back(a + h);
        rings.ob2.push_back(ob * ob);
        rings.ia.push_back(ia);
        rings.ib.push_back(ib);
        rings.ib2.push_back(ib * ib);
        rings.holed.push_back(ia > 0 && ib > 0);
        rings.holeReach.push_back(ia > 0 && ib > 0 ? ib : -1.0);
        rings.firstRow.push_back(floorToInt(cy - ob) + 1);
        rings.lastRow.push_back(ceilToInt(cy + ob) - 1);
        rings.colour.push_back(RandomColor(random).toQRgb());
    });
    if (rings.size() == 0) return;
    panel.hideText5();
    canvas.setCurrentX(X);
    canvas.setCurrentY(Y);

    QImage& image = canvas.drawingTarget();
    const QSize area = canvas.drawableSize(image);
    if (area.isEmpty()) return;
    const auto rowOf = [&](int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); };
    const int top = std::max(rings.firstRow.back(), 0);
    const int bottom = std::min(rings.lastRow.back(), area.height() - 1);
    // Row y and its mirror 2 cy - y: the same distance from the centre.
    const int twiceCy = static_cast<int>(2 * cy);
    std::vector<char> done(static_cast<std::size_t>(area.height()), 0);
    std::vector<RowRun> runs(rings.size());
    raster::NestedRow row;
    for (int y = top; y <= bottom; ++y) {
        if (done[y]) continue;
        const std::size_t lowest = rings.lowestReaching(y);
        // The mirror row is painted alike when the same rings reach it; rounding may leave
        // a ring's first and last row unequally far from the centre.
        const int mirror = twiceCy - y;
        std::uint32_t* twin = nullptr;
        if (mirror > y && mirror <= bottom && rings.lowestReaching(mirror) == lowest) {
            twin = rowOf(mirror);
            done[mirror] = 1;
        }
        row.start(0, area.width(), rowOf(y), twin);
        paintRow(row, rings, lowest, cx, y - cy, runs.data());
    }
    canvas.markDrawn();
}

}  // namespace chromadeck
