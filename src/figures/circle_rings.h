// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/raster/nested_row.h"
#include "canvas/raster/spans.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chromadeck {

// Where one ring's hole lies on a row: first..last, or no hole when first > last.
struct RowHole {
    int first = 1, last = 0;
};

// The rings of the circle figure as raster::ellipseOutlineSpans sees them: each the band
// between the ellipses half a pen outside and inside its path, with the same numbers, so
// the same pixels. Kept column by column, so that a row's edges can be worked out two
// rings at a time where the processor has SSE2 (every x86-64 does): the same divisions,
// square roots and roundings as one at a time, so the same numbers, in a fraction of the
// time.
class CircleRings {
  public:
    // A ring of half-axes a and b (in pixels) drawn with a pen of half-width h about a
    // centre on row cy, in the colour it took.
    void add(double a, double b, double h, double cy, QRgb colour);

    std::size_t size() const { return colour_.size(); }
    // Colours as pixels: opaque.
    QRgb colour(std::size_t k) const { return colour_[k]; }
    const QRgb* colours() const { return colour_.data(); }
    int firstRow(std::size_t k) const { return firstRow_[k]; }
    int lastRow(std::size_t k) const { return lastRow_[k]; }

    // The first ring (the smallest) that reaches row y; size() when none does.
    std::size_t lowestReaching(int y) const;

    // Ring k's run on the row dy from a centre in column cx.
    raster::RowRun run(std::size_t k, double cx, double dy) const {
        return run(k, cx, dy, outer(k, dy), inner(k, dy));
    }
    // The runs of rings from..to-1 on that row, into `out`.
    void runs(std::size_t from, std::size_t to, double cx, double dy, raster::RowRun* out) const;
    // The holes of rings from..to-1 on that row, into `out`. Answers whether an edge of
    // one of them fell on a whole pixel: only there can the next smaller ring leave a
    // pixel of that hole unpainted, although it overlaps the hole's edge.
    bool holes(std::size_t from, std::size_t to, double cx, double dy, RowHole* out) const;

    // Whether each ring from..to-1 overlaps the hole of the ring above it on every row:
    // its outer ellipse lies nowhere inside the next ring's inner one. The same roundings
    // keep this true of the computed edges, as every step is monotonic in the sizes.
    bool eachOverlapsNextHole(std::size_t from, std::size_t to) const {
        return to <= from || gapsBelow_[to] == gapsBelow_[from];
    }

  private:
    double outer(std::size_t k, double dy) const {
        return oa_[k] * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ob2_[k]));
    }
    double inner(std::size_t k, double dy) const {
        return ia_[k] * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / ib2_[k]));
    }
    bool hasHoleOn(std::size_t k, double dy) const { return std::fabs(dy) <= holeReach_[k]; }
    // The first ring with a hole on the row dy: each ring's hole reaches further.
    std::size_t firstHoledOn(double dy) const;
    bool exactHoles(std::size_t from, std::size_t to, double cx, double dy, RowHole* out) const;
    raster::RowRun run(std::size_t k, double cx, double dy, double out, double in) const;
#if defined(__SSE2__)
    // The holes of rings k and k+1 on the row dy2 = dy * dy from the centre, as
    // first, last, first, last; where an edge of one falls on a whole pixel, its lane of
    // `whole` is set.
    __m128i holePair(std::size_t k, __m128d centre, __m128d distance, __m128d dy2,
                     __m128d& whole) const;
#endif

    std::vector<double> oa_, ob2_, ia_, ib2_;
    // The inner edge in single precision, four rings at a time, with a bound on how far
    // it can lie from the exact one (plus a share of the centre's size): see holes().
    static constexpr double kRoughError = 1.0 / (1 << 22);
    std::vector<float> roughIa_, roughInverseIb2_, roughSlack_;
    std::vector<double> holeReach_;        // the inner half-height where there is a hole, else -1
    std::vector<int> firstRow_, lastRow_;  // rows the outer ellipse reaches, unclipped
    std::vector<int> gapsBelow_{0};        // rings below k that leave a gap under the next
    std::vector<QRgb> colour_;
};

#if defined(__SSE2__)
namespace sse2 {

// a * sqrt(max(0, 1 - dy2 / b2)) for two rings. MAXPD gives its second operand unless the
// first is greater, as std::max(0.0, v) does.
inline __m128d edges(const double* a, const double* b2, __m128d dy2) {
    const __m128d v = _mm_sub_pd(_mm_set1_pd(1.0), _mm_div_pd(dy2, _mm_loadu_pd(b2)));
    return _mm_mul_pd(_mm_loadu_pd(a), _mm_sqrt_pd(_mm_max_pd(v, _mm_setzero_pd())));
}

// Two values brought within +-2^30 as floorToInt and ceilToInt do, and truncated.
struct Truncated {
    __m128d value;  // clamped
    __m128i whole;  // truncated, in the low two lanes
    __m128d back;   // the truncation as doubles
    explicit Truncated(__m128d v)
        : value(_mm_min_pd(_mm_max_pd(v, _mm_set1_pd(-1073741824.0)), _mm_set1_pd(1073741824.0))),
          whole(_mm_cvttpd_epi32(value)),
          back(_mm_cvtepi32_pd(whole)) {}

    static __m128i lanes(__m128d mask) {  // the two 64-bit masks as two 32-bit ones
        return _mm_shuffle_epi32(_mm_castpd_si128(mask), _MM_SHUFFLE(3, 3, 2, 0));
    }
    // One down (up) where the truncation went up (down).
    __m128i floors() const { return _mm_add_epi32(whole, lanes(_mm_cmplt_pd(value, back))); }
    __m128i ceils() const { return _mm_sub_epi32(whole, lanes(_mm_cmpgt_pd(value, back))); }
    __m128d onWholePixel() const { return _mm_cmpeq_pd(value, back); }
};

}  // namespace sse2
#endif

// Paints the rings about (cx, cy), each pixel once, as drawing them from the smallest to
// the largest would, within the first area.width() x area.height() pixels of `image`
// (RGB32). The centre is where ellipseOutlineSpans puts it for the pen: its
// penCentre.
void paintCircleRings(const CircleRings& rings, double cx, double cy, QImage& image, QSize area);

}  // namespace chromadeck
