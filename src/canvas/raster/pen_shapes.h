#pragma once

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
        for (int y = first; y <= last; ++y) {
            double half = h;
            if (y < y1)
                half = std::sqrt(std::max(0.0, h2 - (y1 - y) * (y1 - y)));
            else if (y > y2)
                half = std::sqrt(std::max(0.0, h2 - (y - y2) * (y - y2)));
            emitOpen(sink, y, ax - half, ax + half, clip);
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
template <typename Sink>
void boxOutlineSpans(double x1, double y1, double x2, double y2, int width, const ClipRect& clip,
                     Sink&& sink) {
    if (width < 1 || clip.isEmpty()) return;
    const double h = width / 2.0;
    x1 = penCentre(x1, width);
    y1 = penCentre(y1, width);
    x2 = penCentre(x2, width);
    y2 = penCentre(y2, width);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int first, last;
    if (!openRows(y1 - h, y2 + h, clip, first, last)) return;
    const double h2 = h * h;
    const bool sidesMeet = x1 + h >= x2 - h;
    // Between the corners every row is one of three runs; work them out once, since a
    // figure may draw millions of these outlines.
    struct Run {
        int first = 0, last = -1;
    };
    const auto clipRun = [&](double lo, double hi) {
        Run r;
        r.first = static_cast<int>(std::max(std::floor(lo) + 1.0, double(clip.left)));
        r.last = static_cast<int>(std::min(std::ceil(hi) - 1.0, double(clip.right - 1)));
        return r;
    };
    const Run full = clipRun(x1 - h, x2 + h);
    const Run left = clipRun(x1 - h, x1 + h);
    const Run right = clipRun(x2 - h, x2 + h);
    for (int y = first; y <= last; ++y) {
        if (y < y1 || y > y2) {
            const double dy = y < y1 ? y1 - y : y - y2;
            const double half = std::sqrt(std::max(0.0, h2 - dy * dy));
            emitOpen(sink, y, x1 - half, x2 + half, clip);
        } else if (y - y1 < h || y2 - y < h || sidesMeet) {
            if (full.first <= full.last) sink(y, full.first, full.last);
        } else {
            if (left.first <= left.last) sink(y, left.first, left.last);
            if (right.first <= right.last) sink(y, right.first, right.last);
        }
    }
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
