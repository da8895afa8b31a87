// SPDX-License-Identifier: GPL-3.0-or-later
// The rectangle figure drawn from the top down. For one half-width p, every half-height
// q shares the same two sides and the largest q reaches furthest, so a pixel shows the
// largest q's outline wherever that covers it; elsewhere only the top and bottom edges
// of smaller outlines reach inside, and which of them is last on a row does not depend on
// p. Over the half-widths, a larger p is drawn later and lies on top.
#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "canvas/raster/nested_row.h"
#include "canvas/raster/pen_shapes.h"
#include "counted_loop.h"
#include "fast_figures.h"

#include <vector>

namespace chromadeck {

using raster::BoxOutline;
using raster::ClipRect;

void DrawRectangleFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const int halfWidth = panel.HScroll3();
    const auto step = textToInteger(panel.Combo3());
    if (!step) return;
    // Nothing can change the controls while a figure draws (no events run), so the inner
    // loop's bound and step, read again at every outer step, are read once here.
    const int halfHeight = panel.HScroll4();
    const auto innerStep = textToInteger(panel.Combo3());

    std::vector<float> ps, qs;
    forCounter<Integer>(10, halfWidth, *step, [&](Integer p) { ps.push_back(p); });
    if (innerStep)
        forCounter<Integer>(10, halfHeight, *innerStep, [&](Integer q) { qs.push_back(q); });

    // The colours, in the order the outlines take them; the second of each pair wins.
    std::vector<RgbColor> top(ps.size() * qs.size());
    for (std::size_t i = 0; i < ps.size(); ++i) {
        canvas.setForeColor(RandomColor(random));
        for (std::size_t j = 0; j < qs.size(); ++j) {
            RandomColor(random);
            top[i * qs.size() + j] = RandomColor(random);
        }
    }
    if (ps.empty() || qs.empty()) return;
    // Where the last outline, drawn from its bottom-right corner, leaves the pen.
    canvas.setCurrentX(X - ps.back());
    canvas.setCurrentY(Y - qs.back());

    const int width = canvas.DrawWidth();
    QImage& image = canvas.drawingTarget();
    const QSize area = canvas.drawableSize(image);
    const ClipRect clip = ClipRect::of(area.width(), area.height());
    const auto outline = [&](float p, float q) {
        return BoxOutline(canvas.pixelX(X - p), canvas.pixelY(Y - q), canvas.pixelX(X + p),
                          canvas.pixelY(Y + q), width, clip);
    };

    // For each row, the last (largest) half-height whose top or bottom edge crosses it.
    std::vector<int> lastEdgeOnRow(area.height(), -1);
    for (std::size_t j = 0; j < qs.size(); ++j) {
        const BoxOutline box = outline(ps.front(), qs[j]);
        const double h = box.halfWidth();
        for (const double edge : {box.top(), box.bottom()}) {
            int first, last;
            if (!raster::openRows(edge - h, edge + h, clip, first, last)) continue;
            for (int y = first; y <= last; ++y) lastEdgeOnRow[y] = static_cast<int>(j);
        }
    }

    std::vector<BoxOutline> tallest;
    tallest.reserve(ps.size());
    for (const float p : ps) tallest.push_back(outline(p, qs.back()));
    int first, last;
    if (!tallest.back().rows(first, last)) return;

    // The tallest outlines nest: a wider one lies outside a narrower one and so does its
    // inside. From the widest down, each paints its run outside its inside; an edge of a
    // smaller half-height across that inside decides all of what is left of the row.
    raster::NestedRow row;
    const std::size_t tallestIndex = qs.size() - 1;
    for (int y = first; y <= last; ++y) {
        row.start(clip.left, clip.right, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
        const int edge = lastEdgeOnRow[y];
        for (std::size_t i = ps.size(); i-- > 0 && row.isOpen();) {
            const BoxOutline& box = tallest[i];
            row.paint(box.run(y), top[i * qs.size() + tallestIndex].toQRgb());
            if (edge >= 0 && row.isOpen() && box.isMiddleRow(y))
                row.fillOpen(top[i * qs.size() + edge].toQRgb());
        }
    }
    canvas.markDrawn();
}

}  // namespace chromadeck
