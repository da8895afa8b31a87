// SPDX-License-Identifier: GPL-3.0-or-later
#include "circle_rings.h"

namespace chromadeck {

using raster::ceilToInt;
using raster::floorToInt;
using raster::RowRun;

void CircleRings::add(double a, double b, double h, double cy, QRgb colour) {
    const double ob = b + h, ia = a - h, ib = b - h;
    const bool holed = ia > 0 && ib > 0;
    if (!colour_.empty()) {
        const std::size_t below = colour_.size() - 1;
        const bool gap = holed && !(oa_[below] >= ia && ob2_[below] >= ib * ib);
        gapsBelow_.push_back(gapsBelow_.back() + (gap ? 1 : 0));
    }
    oa_.push_back(a + h);
    ob2_.push_back(ob * ob);
    ia_.push_back(ia);
    ib2_.push_back(ib * ib);
    roughIa_.push_back(static_cast<float>(ia));
    roughInverseIb2_.push_back(static_cast<float>(1 / (ib * ib)));
    roughSlack_.push_back(static_cast<float>(kRoughError * (4 * std::fabs(ia) + 1)));
    holeReach_.push_back(holed ? ib : -1.0);
    firstRow_.push_back(floorToInt(cy - ob) + 1);
    lastRow_.push_back(ceilToInt(cy + ob) - 1);
    colour_.push_back(colour | 0xFF000000u);
}

std::size_t CircleRings::lowestReaching(int y) const {
    // Each ring reaches the rows of the one before it and more.
    std::size_t lo = 0, hi = size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (y >= firstRow_[mid] && y <= lastRow_[mid])
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

RowRun CircleRings::run(std::size_t k, double cx, double dy, double out, double in) const {
    RowRun r;
    r.first = floorToInt(cx - out) + 1;
    r.last = ceilToInt(cx + out) - 1;
    if (hasHoleOn(k, dy)) {
        r.holeFirst = ceilToInt(cx - in);
        r.holeLast = floorToInt(cx + in);
    }
    return r;
}

#if defined(__SSE2__)
__m128i CircleRings::holePair(std::size_t k, __m128d centre, __m128d distance, __m128d dy2,
                              __m128d& whole) const {
    const __m128d inner = sse2::edges(&ia_[k], &ib2_[k], dy2);
    const sse2::Truncated left(_mm_sub_pd(centre, inner)), right(_mm_add_pd(centre, inner));
    const __m128d holedMask = _mm_cmple_pd(distance, _mm_loadu_pd(&holeReach_[k]));
    whole = _mm_or_pd(whole,
                      _mm_and_pd(holedMask, _mm_or_pd(left.onWholePixel(), right.onWholePixel())));
    // Each ring's hole, or none where the ring has no inner edge on this row.
    const __m128i holed = _mm_castpd_si128(holedMask);
    return _mm_or_si128(_mm_and_si128(holed, _mm_unpacklo_epi32(left.ceils(), right.floors())),
                        _mm_andnot_si128(holed, _mm_setr_epi32(1, 0, 1, 0)));
}
#endif

void CircleRings::runs(std::size_t from, std::size_t to, double cx, double dy, RowRun* out) const {
    std::size_t k = from;
#if defined(__SSE2__)
    const __m128d dy2 = _mm_set1_pd(dy * dy), centre = _mm_set1_pd(cx);
    const __m128d distance = _mm_set1_pd(std::fabs(dy));
    const __m128i oneInt = _mm_set1_epi32(1);
    __m128d whole = _mm_setzero_pd();
    for (; k + 2 <= to; k += 2) {
        const __m128d outer = sse2::edges(&oa_[k], &ob2_[k], dy2);
        const __m128i first =
            _mm_add_epi32(sse2::Truncated(_mm_sub_pd(centre, outer)).floors(), oneInt);
        const __m128i last =
            _mm_sub_epi32(sse2::Truncated(_mm_add_pd(centre, outer)).ceils(), oneInt);
        const __m128i holes = holePair(k, centre, distance, dy2, whole);
        const __m128i runs = _mm_unpacklo_epi32(first, last);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k]), _mm_unpacklo_epi64(runs, holes));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k + 1]), _mm_unpackhi_epi64(runs, holes));
    }
#endif
    for (; k < to; ++k) out[k] = run(k, cx, dy);
}

}  // namespace chromadeck
