// SPDX-License-Identifier: GPL-3.0-or-later
// The holes of many rings on one row: the bulk of the circle figure's arithmetic.
#include "circle_rings.h"

namespace chromadeck {

using raster::ceilToInt;
using raster::floorToInt;

std::size_t CircleRings::firstHoledOn(double dy) const {
    std::size_t lo = 0, hi = size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (hasHoleOn(mid, dy))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

bool CircleRings::exactHoles(std::size_t from, std::size_t to, double cx, double dy,
                             RowHole* out) const {
    static_assert(sizeof(RowHole) == 2 * sizeof(int));
    std::size_t k = from;
    bool onWholePixel = false;
#if defined(__SSE2__)
    const __m128d dy2 = _mm_set1_pd(dy * dy), centre = _mm_set1_pd(cx);
    const __m128d distance = _mm_set1_pd(std::fabs(dy));
    __m128d whole = _mm_setzero_pd();
    for (; k + 2 <= to; k += 2)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k]),
                         holePair(k, centre, distance, dy2, whole));
    onWholePixel = _mm_movemask_pd(whole) != 0;
#endif
    for (; k < to; ++k) {
        out[k] = RowHole{};
        if (!hasHoleOn(k, dy)) continue;
        const double in = inner(k, dy);
        const double left = std::clamp(cx - in, -1073741824.0, 1073741824.0);
        const double right = std::clamp(cx + in, -1073741824.0, 1073741824.0);
        out[k] = RowHole{ceilToInt(left), floorToInt(right)};
        onWholePixel |= left == std::trunc(left) || right == std::trunc(right);
    }
    return onWholePixel;
}

#if defined(__SSE2__)
namespace {
// floor of four floats within +-2^22.
__m128i floors(__m128 v) {
    const __m128i t = _mm_cvttps_epi32(v);
    return _mm_add_epi32(t, _mm_castps_si128(_mm_cmplt_ps(v, _mm_cvtepi32_ps(t))));
}
}  // namespace
#endif

// Most of a row's holes are worked out four at a time in single precision, whose
// division and square root cost a fraction of double precision's, and taken where the
// edge provably lies in the same pixel as the exact one; the others are worked out
// exactly. With u = 2^-24, an edge cx -+ in whose 1 - dy^2/b^2 is at least 1/16 in
// single precision lies within u (3 |cx| + 14 ia + 4) of the double one: the quotient,
// dy^2 times 1/b^2, each rounded once, is off by 3u relative, 1 - q by 4u, its square root by 4u /
// (2 sqrt(1/16)) + u = 9u, the product with ia by 11u ia, the sum with cx by u (2 |cx| + ia), and
// forming the interval by u (|cx| + ia) more. The slack used, 4u (|cx| + 4 ia + 1), is more than
// that. Where the interval of that width about the rough edge holds no whole pixel,
// the exact edge lies in the same pixel and is not on a whole one.
bool CircleRings::holes(std::size_t from, std::size_t to, double cx, double dy,
                        RowHole* out) const {
    std::size_t k = from;
    bool onWholePixel = false;
#if defined(__SSE2__)
    // Rings without a hole on this row come first.
    const std::size_t holed = std::clamp(firstHoledOn(dy), from, to);
    if (holed > from) onWholePixel = exactHoles(from, holed, cx, dy, out);
    k = holed;
    // Single precision serves while the edges stay well within its range.
    if (to > k && std::fabs(cx) + ia_[to - 1] < 1048576.0) {
        const __m128 dy2 = _mm_set1_ps(static_cast<float>(dy * dy));
        const __m128 centre = _mm_set1_ps(static_cast<float>(cx));
        const __m128 centreSlack = _mm_set1_ps(static_cast<float>(kRoughError * std::fabs(cx)));
        const __m128 one = _mm_set1_ps(1.0f), enough = _mm_set1_ps(1.0f / 16);
        for (; k + 4 <= to; k += 4) {
            const __m128 t = _mm_sub_ps(one, _mm_mul_ps(dy2, _mm_loadu_ps(&roughInverseIb2_[k])));
            const __m128 in = _mm_mul_ps(_mm_loadu_ps(&roughIa_[k]),
                                         _mm_sqrt_ps(_mm_max_ps(t, _mm_setzero_ps())));
            const __m128 slack = _mm_add_ps(_mm_loadu_ps(&roughSlack_[k]), centreSlack);
            const __m128 left = _mm_sub_ps(centre, in), right = _mm_add_ps(centre, in);
            const __m128i leftLow = floors(_mm_sub_ps(left, slack));
            const __m128i rightLow = floors(_mm_sub_ps(right, slack));
            const __m128i sure = _mm_and_si128(
                _mm_and_si128(_mm_cmpeq_epi32(leftLow, floors(_mm_add_ps(left, slack))),
                              _mm_cmpeq_epi32(rightLow, floors(_mm_add_ps(right, slack)))),
                _mm_castps_si128(_mm_cmpge_ps(t, enough)));
            if (_mm_movemask_ps(_mm_castsi128_ps(sure)) != 0xF) {
                onWholePixel |= exactHoles(k, k + 4, cx, dy, out);
                continue;
            }
            // No whole pixel between: ceil of the left edge, floor of the right.
            const __m128i first = _mm_sub_epi32(leftLow, _mm_set1_epi32(-1));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k]),
                             _mm_unpacklo_epi32(first, rightLow));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(&out[k + 2]),
                             _mm_unpackhi_epi32(first, rightLow));
        }
    }
#endif
    return exactHoles(k, to, cx, dy, out) || onWholePixel;
}

}  // namespace chromadeck
