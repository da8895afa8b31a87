// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Pen geometry is described as horizontal runs of pixels ("spans") handed to a small
// callback: the same shapes then paint an image, count hits in tests, or feed any
// other consumer. Coordinates are pixel centres: pixel (i, j) is the unit square
// centred on (i, j). A pixel belongs to a shape when its centre lies strictly inside.
namespace chromadeck::raster {

// Rows top..bottom-1, columns left..right-1.
struct ClipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    static ClipRect of(const QImage& image) { return {0, 0, image.width(), image.height()}; }
    static ClipRect of(int width, int height) { return {0, 0, width, height}; }
};

// Whole pixels of v rounded down and up, without the library call floor and ceil make on
// the baseline instruction set (the shapes make two a row). Far-away values are first
// brought within +-2^30, beyond any image, so that they stay as far outside it as they
// were.
inline int floorToInt(double v) {
    v = std::clamp(v, -1073741824.0, 1073741824.0);
    const int t = static_cast<int>(v);
    return t - (v < t);
}
inline int ceilToInt(double v) {
    v = std::clamp(v, -1073741824.0, 1073741824.0);
    const int t = static_cast<int>(v);
    return t + (v > t);
}

// Rows whose centres lie strictly between lo and hi, clipped.
inline bool openRows(double lo, double hi, const ClipRect& clip, int& first, int& last) {
    first = std::max(floorToInt(lo) + 1, clip.top);
    last = std::min(ceilToInt(hi) - 1, clip.bottom - 1);
    return first <= last;
}

// Hands the pixels of row y whose centres lie strictly between lo and hi to the sink.
template <typename Sink>
inline void emitOpen(Sink& sink, int y, double lo, double hi, const ClipRect& clip) {
    if (!(hi > lo)) return;
    const int first = std::max(floorToInt(lo) + 1, clip.left);
    const int last = std::min(ceilToInt(hi) - 1, clip.right - 1);
    if (first <= last) sink(y, first, last);
}

// Paints spans in one opaque colour into an RGB32 image. Spans arrive clipped.
class SpanWriter {
  public:
    SpanWriter(QImage& image, QRgb colour)
        : bits_(reinterpret_cast<std::uint32_t*>(image.bits())),
          stride_(image.bytesPerLine() / 4),
          colour_(colour | 0xFF000000u) {}

    void operator()(int y, int x1, int x2) const {
        std::uint32_t* row = bits_ + static_cast<std::ptrdiff_t>(y) * stride_;
        std::fill(row + x1, row + x2 + 1, colour_);
    }

  private:
    std::uint32_t* bits_;
    std::ptrdiff_t stride_;
    std::uint32_t colour_;
};

// The smallest rectangle around every span handed to it.
struct SpanBounds {
    int left = std::numeric_limits<int>::max(), top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min(), bottom = std::numeric_limits<int>::min();

    void add(int y, int x1, int x2) {
        left = std::min(left, x1);
        right = std::max(right, x2);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    // Empty when no span came.
    QRect rect() const {
        return left > right ? QRect() : QRect(left, top, right - left + 1, bottom - top + 1);
    }
};

// Paints like SpanWriter and keeps where it painted, so that only those pixels need
// showing again or comparing.
class BoundedSpanWriter {
  public:
    BoundedSpanWriter(QImage& image, QRgb colour, SpanBounds& bounds)
        : writer_(image, colour), bounds_(&bounds) {}

    void operator()(int y, int x1, int x2) const {
        writer_(y, x1, x2);
        bounds_->add(y, x1, x2);
    }

  private:
    SpanWriter writer_;
    SpanBounds* bounds_;
};

// Counts covered pixels; tests use it to check shapes without an image.
struct SpanCounter {
    long long pixels = 0;
    long long spans = 0;
    void operator()(int, int x1, int x2) {
        pixels += x2 - x1 + 1;
        ++spans;
    }
};

}  // namespace chromadeck::raster
