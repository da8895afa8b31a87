// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_ops.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chromadeck::raster {

namespace {
inline std::uint32_t* rowOf(QImage& image, int y) {
    return reinterpret_cast<std::uint32_t*>(image.scanLine(y));
}
inline const std::uint32_t* rowOf(const QImage& image, int y) {
    return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
}  // namespace

void streamPixels(const std::uint32_t* begin, const std::uint32_t* end, std::uint32_t* to) {
#if defined(__SSE2__)
    // Streaming stores write whole aligned 16 bytes.
    for (; begin < end && reinterpret_cast<std::uintptr_t>(to) % 16 != 0; ++begin, ++to)
        *to = *begin;
    for (; end - begin >= 4; begin += 4, to += 4)
        _mm_stream_si128(reinterpret_cast<__m128i*>(to),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin)));
#endif
    std::copy(begin, end, to);
}

void finishStreamedPixels() {
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

void copyRect(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy) {
    // Trim the block so that both the source and the destination rectangles are inside.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min({w, src.width() - sx, dst.width() - dx});
    h = std::min({h, src.height() - sy, dst.height() - dy});
    if (w <= 0 || h <= 0) return;
    if (&dst == &src) {
        // Overlapping copies within one image go through a temporary block.
        const QImage block = src.copy(sx, sy, w, h);
        copyRect(dst, dx, dy, w, h, block, 0, 0);
        return;
    }
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* from = rowOf(src, sy + row) + sx;
        std::uint32_t* to = rowOf(dst, dy + row) + dx;
        std::transform(from, from + w, to, [](std::uint32_t p) { return p | 0xFF000000u; });
    }
}

void transparentCopy(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy,
                     int sw, int sh, QRgb mask) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    const std::uint32_t key = mask & kRgbMask;
    const int x0 = std::max(0, -dx), x1 = std::min(w, dst.width() - dx);
    const int y0 = std::max(0, -dy), y1 = std::min(h, dst.height() - dy);
    for (int row = y0; row < y1; ++row) {
        const int srcY = sy + static_cast<int>(static_cast<long long>(row) * sh / h);
        if (srcY < 0 || srcY >= src.height()) continue;
        const std::uint32_t* from = rowOf(src, srcY);
        std::uint32_t* to = rowOf(dst, dy + row);
        for (int col = x0; col < x1; ++col) {
            const int srcX = sx + static_cast<int>(static_cast<long long>(col) * sw / w);
            if (srcX < 0 || srcX >= src.width()) continue;
            const std::uint32_t p = from[srcX];
            if ((p & kRgbMask) != key) to[dx + col] = p | 0xFF000000u;
        }
    }
}

long long floodFillSurface(QImage& image, int x, int y, QRgb target, QRgb fill,
                           const ClipRect& clipIn) {
    const ClipRect clip{std::max(0, clipIn.left), std::max(0, clipIn.top),
                        std::min(image.width(), clipIn.right),
                        std::min(image.height(), clipIn.bottom)};
    if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return 0;
    const std::uint32_t want = target & kRgbMask;
    const std::uint32_t paint = fill | 0xFF000000u;
    if (want == (paint & kRgbMask)) return 0;  // already in the fill colour: nothing to do
    if ((rowOf(image, y)[x] & kRgbMask) != want) return 0;

    // Each seed is a pixel known to need filling; its whole run is filled, then the runs
    // above and below are scanned for new seeds.
    struct Seed {
        int x, y;
    };
    std::vector<Seed> stack{{x, y}};
    long long painted = 0;
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        std::uint32_t* row = rowOf(image, s.y);
        if ((row[s.x] & kRgbMask) != want) continue;
        int left = s.x, right = s.x;
        while (left > clip.left && (row[left - 1] & kRgbMask) == want) --left;
        while (right + 1 < clip.right && (row[right + 1] & kRgbMask) == want) ++right;
        std::fill(row + left, row + right + 1, paint);
        painted += right - left + 1;
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < clip.top || ny >= clip.bottom) continue;
            const std::uint32_t* other = rowOf(image, ny);
            bool inRun = false;
            for (int nx = left; nx <= right; ++nx) {
                const bool match = (other[nx] & kRgbMask) == want;
                if (match && !inRun) stack.push_back({nx, ny});
                inRun = match;
            }
        }
    }
    return painted;
}

}  // namespace chromadeck::raster
