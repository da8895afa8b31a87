// SPDX-License-Identifier: GPL-3.0-or-later
#include "annotation_tools.h"

#include "canvas/numeric.h"
#include "canvas/raster/pen_shapes.h"
#include "selection_rules.h"

#include <algorithm>
#include <cmath>

namespace chromadeck::capture {

namespace {
constexpr float kArrowLen = 10;

// The pixels a box covers along one axis, as their centre and half-length. Like every
// box drawn on a screen it ends before its right and bottom edge, whichever way it was
// dragged: edges at 420 and 580 cover the columns 420 to 579.
struct Covered {
    double centre, half;
};

Covered coveredPixels(float edge, float otherEdge) {
    const Long a = toLongClamped(edge), b = toLongClamped(otherEdge);
    const double first = std::min(a, b), last = std::max(double(std::max(a, b)) - 1, first);
    return {(first + last) / 2, (last - first) / 2};
}

}  // namespace

void Arrow(DrawingSurface& pic, float x0, float y0, float X1, float Y1, float ArrowLen,
           RgbColor color) {
    const long double dx = (long double)X1 - x0, dy = (long double)Y1 - y0;
    const long double d = std::sqrt(dy * dy + dx * dx);
    if (d <= 1E-10L) return;
    // From the tip back towards the tail, each barb turned half a step off the shaft.
    const long double ux = (long double)x0 - X1, uy = (long double)y0 - Y1;
    const long double k = ArrowLen / d;
    const float ax = float(X1 + (ux + uy / 2) * k), ay = float(Y1 + (uy - ux / 2) * k);
    const float bx = float(X1 + (ux - uy / 2) * k), by = float(Y1 + (uy + ux / 2) * k);
    pic.Line(ax, ay, X1, Y1, color);
    pic.Line(bx, by, X1, Y1, color);
    pic.Line(x0, y0, X1, Y1, color);
}

// ---- the two-point tools

void TwoPointTool::preview(ToolContext& context, QPointF end) {
    draw(context.picture, context.start, end, context.colour);
}

bool TwoPointTool::release(ToolContext& context, QPointF, QPointF end) {
    draw(context.picture, context.start, end, context.colour);
    return true;
}

void ArrowTool::draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const {
    Arrow(picture, float(from.x()), float(from.y()), float(to.x()), float(to.y()), kArrowLen,
          colour);
}

// The ellipse with the picture's pen inscribed in the box of the whole-pixel corners,
// worked out in window pixels and drawn on the picture's own.
void EllipseTool::draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const {
    const Covered across = coveredPixels(float(from.x()), float(to.x()));
    const Covered down = coveredPixels(float(from.y()), float(to.y()));
    QImage& target = picture.drawingTarget();
    const QSize area = picture.drawableSize(target);
    const raster::ClipRect clip = raster::ClipRect::of(area.width(), area.height());
    raster::SpanBounds bounds;
    raster::ellipseOutlineSpans(picture.pixelXf(across.centre), picture.pixelYf(down.centre),
                                picture.unitsToPixelsX(across.half),
                                picture.unitsToPixelsY(down.half), picture.DrawWidth(), clip,
                                raster::BoundedSpanWriter(target, colour.toQRgb(), bounds));
    picture.markDrawn(bounds.rect());
}

void RectangleTool::draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const {
    picture.LineBox(float(from.x()), float(from.y()), float(to.x()), float(to.y()), colour);
}

// ---- text

bool TextTool::release(ToolContext& context, QPointF at, QPointF) {
    // The size is read at every click, so a size typed while the box is open counts.
    // A size that is not a positive number falls back to the last one that was.
    const std::optional<float> size = textToSingle(context.view.typedTextSize());
    if (size && *size > 0) context.lastTextSize = *size;
    context.view.styleTypingBox(context.lastTextSize, context.colour);
    DrawingSurface& picture = context.picture;
    picture.setFontSize(context.scale.fontPoints(context.lastTextSize));

    if (!context.view.typingBoxOpen()) {
        context.view.openTypingBox(
            QPoint(toLongClamped(float(at.x())), toLongClamped(float(at.y()))));
        return false;  // the next release commits
    }
    const RgbColor previous = picture.ForeColor();
    const QPoint corner = context.view.typingBoxAt();
    picture.setForeColor(context.colour);
    // Positions name the pixels a pen covers, half a pen in from their corner; a text cell
    // starts at the corner itself.
    picture.setCurrentX(float(corner.x()) + picture.ScaleLeft());
    picture.setCurrentY(float(corner.y()) + picture.ScaleTop());
    picture.Print(context.view.typedText());
    picture.setForeColor(previous);
    context.view.closeTypingBox();
    return true;
}

std::unique_ptr<AnnotationTool> makeTool(CaptureTool tool) {
    switch (tool) {
        case CaptureTool::Arrow:
            return std::make_unique<ArrowTool>();
        case CaptureTool::Text:
            return std::make_unique<TextTool>();
        case CaptureTool::Ellipse:
            return std::make_unique<EllipseTool>();
        case CaptureTool::Rectangle:
            break;
    }
    return std::make_unique<RectangleTool>();
}

}  // namespace chromadeck::capture
