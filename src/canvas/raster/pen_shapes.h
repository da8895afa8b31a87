// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nested_row.h"
#include "spans.h"

#include <cmath>

// The shapes a solid pen of a whole number of pixels makes, as spans. A pen of width w
// covers every pixel whose centre lies closer than w/2 to the path, so an axis-parallel
// stroke is exactly w pixels across; for even widths the path runs along pixel edges
// (half a pixel up and left of the given point), for odd widths through pixel centres.
// Ends and outer corners are round; a box's inner corners stay square.
namespace chromadeck::raster {

inline double penCentre(double v, int width) {
    return width % 2 == 0 ? v - 0.5 : v;
}

// A straight stroke from a to b with round ends.
template <typename Sink>
void strokeSpans(double ax, double ay, double bx, double by, int width, const ClipRect& clip,
                 Sink&& sink) {
    if (width < 1 || clip.isEmpty()) return;
    const double h = width / 2.0;
    ax = penCentre(ax, width);
    ay = penCentre(ay, width);
    bx = penCentre(bx, width);
    by = penCentre(by, width);
    int first, last;
    if (!openRows(std::min(ay, by) - h, std::max(ay, by) + h, clip, first, last)) return;
    const double h2 = h * h;

    if (ay == by) {  // horizontal: a row of round-ended runs
        const double x1 = std::min(ax, bx), x2 = std::max(ax, bx);
        for (int y = first; y <= last; ++y) {
            const double dy = y - ay;
            const double half = std::sqrt(std::max(0.0, h2 - dy * dy));
            emitOpen(sink, y, x1 - half, x2 + half, clip);
        }
        return;
    }
    if (ax == bx) {  // vertical: a column with round caps
        const double y1 = std::min(ay, by), y2 = std::max(ay, by);
        // Between the caps every row is the same run: work it out once, since the bar
        // figure draws thousands of columns the height of the canvas.
        const int runFirst = std::max(floorToInt(ax - h) + 1, clip.left);
        const int runLast = std::min(ceilToInt(ax + h) - 1, clip.right - 1);
        for (int y = first; y <= last; ++y) {
            if (y < y1 || y > y2) {
                const double d = y < y1 ? y1 - y : y - y2;
                const double half = std::sqrt(std::max(0.0, h2 - d * d));
                emitOpen(sink, y, ax - half, ax + half, clip);
            } else if (runFirst <= runLast) {
                sink(y, runFirst, runLast);
            }
        }
        return;
    }

    // General direction: the union of the two end discs and the band between them.
    // The stroke is convex, so every row meets it in one run.
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = (bx - ax) / len, uy = (by - ay) / len;
    for (int y = first; y <= last; ++y) {
        double lo = INFINITY, hi = -INFINITY;
        const auto disc = [&](double cx, double cy) {
            const double dy = y - cy;
            if (dy * dy < h2) {
                const double half = std::sqrt(h2 - dy * dy);
                lo = std::min(lo, cx - half);
                hi = std::max(hi, cx + half);
            }
        };
        disc(ax, ay);
        disc(bx, by);
        // Band: 0 <= along <= len and |across| < h, both linear in x.
        const double ry = y - ay;
        const double cs = ry * uy;  // along = ux * (x - ax) + cs
        const double ct = ry * ux;  // across = -uy * (x - ax) + ct
        double blo = -INFINITY, bhi = INFINITY;
        if (ux != 0) {
            double s0 = -cs / ux, s1 = (len - cs) / ux;
            if (s0 > s1) std::swap(s0, s1);
            blo = std::max(blo, s0);
            bhi = std::min(bhi, s1);
        } else if (cs < 0 || cs > len) {
            blo = INFINITY;
        }
        {
            double t0 = (ct - h) / uy, t1 = (ct + h) / uy;
            if (t0 > t1) std::swap(t0, t1);
            blo = std::max(blo, t0);
            bhi = std::min(bhi, t1);
        }
        if (blo < bhi) {
            lo = std::min(lo, blo + ax);
            hi = std::max(hi, bhi + ax);
        }
        emitOpen(sink, y, lo, hi, clip);
    }
}

// The outline of the axis-parallel rectangle with corners p1 and p2, the pen centred on
// its edges: w/2 outside to w/2 inside, round outside corners, the inside untouched.
// Row by row, so that callers who reason about what lies under what can ask for one row.
class BoxOutline {
  public:
    struct Run {
        int first = 0, last = -1;
        bool isEmpty() const { return last < first; }
    };

    BoxOutline(double x1, double y1, double x2, double y2, int width, const ClipRect& clip)
        : clip_(clip), h_(width / 2.0), h2_(h_ * h_) {
        x1_ = penCentre(x1, width);
        y1_ = penCentre(y1, width);
        x2_ = penCentre(x2, width);
        y2_ = penCentre(y2, width);
        if (x1_ > x2_) std::swap(x1_, x2_);
        if (y1_ > y2_) std::swap(y1_, y2_);
        valid_ = width >= 1 && !clip.isEmpty() && openRows(y1_ - h_, y2_ + h_, clip, first_, last_);
        sidesMeet_ = x1_ + h_ >= x2_ - h_;
        // Between the corners every row is one of three runs: work them out once, since a
        // figure may draw millions of these outlines.
        full_ = clipped(x1_ - h_, x2_ + h_);
        left_ = clipped(x1_ - h_, x1_ + h_);
        right_ = clipped(x2_ - h_, x2_ + h_);
        // The untouched inside of a straight middle row: pixels between the two side runs.
        hole_.first = static_cast<int>(std::max(std::ceil(x1_ + h_), double(clip.left)));
        hole_.last = static_cast<int>(std::min(std::floor(x2_ - h_), double(clip.right - 1)));
    }

    // Rows the outline touches, inside the clip.
    bool rows(int& first, int& last) const {
        first = first_;
        last = last_;
        return valid_;
    }

    // A row between the corners where only the two sides are drawn.
    bool isMiddleRow(int y) const {
        return y >= y1_ && y <= y2_ && !(y - y1_ < h_ || y2_ - y < h_ || sidesMeet_);
    }
    Run hole() const { return hole_; }
    double top() const { return y1_; }
    double bottom() const { return y2_; }
    double halfWidth() const { return h_; }

    template <typename Sink>
    void row(int y, Sink&& sink) const {
        if (y < y1_ || y > y2_) {
            const double dy = y < y1_ ? y1_ - y : y - y2_;
            const double half = std::sqrt(std::max(0.0, h2_ - dy * dy));
            emitOpen(sink, y, x1_ - half, x2_ + half, clip_);
        } else if (y - y1_ < h_ || y2_ - y < h_ || sidesMeet_) {
            if (!full_.isEmpty()) sink(y, full_.first, full_.last);
        } else {
            if (!left_.isEmpty()) sink(y, left_.first, left_.last);
            if (!right_.isEmpty()) sink(y, right_.first, right_.last);
        }
    }

    // Row y as one run less a hole (see nested_row.h), clipped like row(): nothing on rows
    // the outline does not touch.
    RowRun run(int y) const {
        RowRun r;
        if (!valid_ || y < first_ || y > last_) return r;
        if (y < y1_ || y > y2_) {
            const double dy = y < y1_ ? y1_ - y : y - y2_;
            const double half = std::sqrt(std::max(0.0, h2_ - dy * dy));
            if (!(x2_ + half > x1_ - half)) return r;
            r.first = std::max(floorToInt(x1_ - half) + 1, clip_.left);
            r.last = std::min(ceilToInt(x2_ + half) - 1, clip_.right - 1);
        } else if (y - y1_ < h_ || y2_ - y < h_ || sidesMeet_) {
            r.first = full_.first;
            r.last = full_.last;
        } else {
            r = middleRun();
        }
        return r;
    }

    // The run of a middle row (isMiddleRow), the same on all of them.
    RowRun middleRun() const {
        return RowRun{left_.first, right_.last, left_.last + 1, right_.first - 1};
    }
    bool sidesMeet() const { return sidesMeet_; }

  private:
    Run clipped(double lo, double hi) const {
        Run r;
        r.first = static_cast<int>(std::max(std::floor(lo) + 1.0, double(clip_.left)));
        r.last = static_cast<int>(std::min(std::ceil(hi) - 1.0, double(clip_.right - 1)));
        return r;
    }

    ClipRect clip_;
    double h_, h2_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    bool valid_ = false, sidesMeet_ = false;
    int first_ = 0, last_ = -1;
    Run full_, left_, right_, hole_;
};

template <typename Sink>
void boxOutlineSpans(double x1, double y1, double x2, double y2, int width, const ClipRect& clip,
                     Sink&& sink) {
    const BoxOutline box(x1, y1, x2, y2, width, clip);
    int first, last;
    if (!box.rows(first, last)) return;
    for (int y = first; y <= last; ++y) box.row(y, sink);
}

// The outline of the ellipse with semi-axes a (across) and b (down) about (cx, cy): the
// band between the ellipses w/2 outside and w/2 inside it. When the pen is wider than
// the ellipse the band has no hole and the shape is a filled spot.
template <typename Sink>
void ellipseOutlineSpans(double cx, double cy, double a, double b, int width, const ClipRect& clip,
                         Sink&& sink) {
    if (width < 1 || clip.isEmpty()) return;
    const double h = width / 2.0;
    cx = penCentre(cx, width);
    cy = penCentre(cy, width);
    const double oa = a + h, ob = b + h;
    const double ia = a - h, ib = b - h;
    const bool hasHole = ia > 0 && ib > 0;
    int first, last;
    if (!openRows(cy - ob, cy + ob, clip, first, last)) return;
    for (int y = first; y <= last; ++y) {
        const double dy = y - cy;
        const double outer = oa * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (ob * ob)));
        if (hasHole && std::fabs(dy) <= ib) {
            const double inner = ia * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (ib * ib)));
            // The inner ellipse itself (its boundary included) stays untouched.
            emitOpen(sink, y, cx - outer, cx - inner, clip);
            emitOpen(sink, y, cx + inner, cx + outer, clip);
        } else {
            emitOpen(sink, y, cx - outer, cx + outer, clip);
        }
    }
}

// A round dot of diameter w pixels.
template <typename Sink>
void dotSpans(double cx, double cy, int width, const ClipRect& clip, Sink&& sink) {
    strokeSpans(cx, cy, cx, cy, width, clip, sink);
}

}  // namespace chromadeck::raster
