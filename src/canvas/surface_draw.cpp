// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations of a picture box, in its own units, painted with the pen shapes.
#include "drawing_surface.h"

#include "numeric.h"
#include "raster/pen_shapes.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace chromadeck {

namespace {

using raster::BoundedSpanWriter;
using raster::ClipRect;
using raster::SpanBounds;

// Keeps only the pixels of an outline whose angle about the centre lies on the arc from
// start to end, counter-clockwise, as seen on the screen (y grows downwards).
template <typename Sink>
struct ArcFilter {
    Sink& sink;
    double cx, cy, a, b, start, end;

    bool onArc(int x, int y) const {
        double t = std::atan2(-(y - cy) / std::max(b, 1e-9), (x - cx) / std::max(a, 1e-9));
        if (t < 0) t += 2 * std::numbers::pi;
        if (start <= end) return t >= start && t <= end;
        return t >= start || t <= end;  // the arc runs through angle 0
    }
    void operator()(int y, int x1, int x2) {
        int runStart = -1;
        for (int x = x1; x <= x2; ++x) {
            if (onArc(x, y)) {
                if (runStart < 0) runStart = x;
            } else if (runStart >= 0) {
                sink(y, runStart, x - 1);
                runStart = -1;
            }
        }
        if (runStart >= 0) sink(y, runStart, x2);
    }
};

}  // namespace

QRgb DrawingSurface::penColour(std::optional<RgbColor> colour) const {
    return colour.value_or(foreColor_).toQRgb();
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, std::optional<RgbColor> colour) {
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    SpanBounds bounds;
    raster::strokeSpans(pixelX(x1), pixelY(y1), pixelX(x2), pixelY(y2), drawWidth_, clip,
                        BoundedSpanWriter(target, penColour(colour), bounds));
    currentX_ = x2;
    currentY_ = y2;
    markDrawn(bounds.rect());
}

void DrawingSurface::LineTo(float x2, float y2, std::optional<RgbColor> colour) {
    Line(currentX_, currentY_, x2, y2, colour);
}

void DrawingSurface::LineBox(float x1, float y1, float x2, float y2,
                             std::optional<RgbColor> colour) {
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    SpanBounds bounds;
    raster::boxOutlineSpans(pixelX(x1), pixelY(y1), pixelX(x2), pixelY(y2), drawWidth_, clip,
                            BoundedSpanWriter(target, penColour(colour), bounds));
    currentX_ = x2;
    currentY_ = y2;
    markDrawn(bounds.rect());
}

void DrawingSurface::Circle(float x, float y, float radius, std::optional<RgbColor> colour,
                            std::optional<float> start, std::optional<float> end,
                            std::optional<float> aspect) {
    const double ratio = aspect.value_or(1.0f);
    // Radii are measured with the horizontal unit; the aspect shortens one semi-axis.
    const double r = std::fabs(unitsToPixelsX(radius));
    const double a = ratio <= 1 ? r : r / ratio;
    const double b = ratio <= 1 ? r * std::fabs(ratio) : r;
    const double cx = pixelX(x), cy = pixelY(y);
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    SpanBounds bounds;
    const BoundedSpanWriter writer(target, penColour(colour), bounds);

    const double s = start.value_or(0.0f), e = end.value_or(0.0f);
    if (s == 0 && e == 0) {
        raster::ellipseOutlineSpans(cx, cy, a, b, drawWidth_, clip, writer);
    } else {
        // An arc; a negative angle also draws the radius from the centre to that end.
        const double from = std::fmod(std::fabs(s), 2 * std::numbers::pi);
        const double to = std::fmod(std::fabs(e), 2 * std::numbers::pi);
        BoundedSpanWriter w = writer;
        ArcFilter<BoundedSpanWriter> filter{w, penCentreOf(cx), penCentreOf(cy), a, b, from, to};
        raster::ellipseOutlineSpans(cx, cy, a, b, drawWidth_, clip, filter);
        for (const double angle : {s, e}) {
            if (angle >= 0) continue;
            const double t = std::fabs(angle);
            raster::strokeSpans(cx, cy, cx + a * std::cos(t), cy - b * std::sin(t), drawWidth_,
                                clip, writer);
        }
    }
    currentX_ = x;
    currentY_ = y;
    markDrawn(bounds.rect());
}

double DrawingSurface::penCentreOf(double v) const {
    return raster::penCentre(v, drawWidth_);
}

void DrawingSurface::PSet(float x, float y, std::optional<RgbColor> colour) {
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    SpanBounds bounds;
    raster::dotSpans(pixelX(x), pixelY(y), drawWidth_, clip,
                     BoundedSpanWriter(target, penColour(colour), bounds));
    currentX_ = x;
    currentY_ = y;
    markDrawn(bounds.rect());
}

RgbColor DrawingSurface::Point(float x, float y) const {
    return GetPixel(pixelX(x), pixelY(y));
}

}  // namespace chromadeck
