// The square figure row by row. Each half-side draws two outlines over the same square,
// so the second colour is the one that shows; and a larger square lies outside a smaller
// one with its inside holding the smaller one's, so on each row the squares form a nested
// stack (canvas/raster/nested_row.h) painted from the largest down.
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

void DrawSquareFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const int halfSide = panel.HScroll3();
    const auto step = textToInteger(panel.Combo3());
    if (!step) return;

    const int width = canvas.DrawWidth();
    QImage& image = canvas.drawingTarget();
    const QSize area = canvas.drawableSize(image);
    const raster::ClipRect clip = raster::ClipRect::of(area.width(), area.height());
    std::vector<BoxOutline> squares;
    std::vector<QRgb> colours;
    float lastHalfSide = 0;
    forCounter<Integer>(10, halfSide, *step, [&](Integer p) {
        canvas.setForeColor(RandomColor(random));
        const float fp = p;
        RandomColor(random);  // the first outline's, covered by the second's
        colours.push_back(RandomColor(random).toQRgb());
        squares.emplace_back(canvas.pixelX(X + fp), canvas.pixelY(Y + fp), canvas.pixelX(X - fp),
                             canvas.pixelY(Y - fp), width, clip);
        lastHalfSide = fp;
    });
    if (squares.empty()) return;
    // Where the last outline, drawn to its top-left corner, leaves the pen.
    canvas.setCurrentX(X - lastHalfSide);
    canvas.setCurrentY(Y - lastHalfSide);

    int first, last;
    if (!squares.back().rows(first, last)) return;
    raster::NestedRow row;
    for (int y = first; y <= last; ++y) {
        // The smallest square that reaches the row; the smaller ones do not.
        std::size_t lo = 0, hi = squares.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            int f, l;
            if (squares[mid].rows(f, l) && y >= f && y <= l)
                hi = mid;
            else
                lo = mid + 1;
        }
        const std::size_t lowest = lo;
        row.start(clip.left, clip.right, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
        // Squares whose inside holds the whole row show nothing on it.
        lo = lowest;
        hi = squares.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (row.holeHoldsOpen(squares[mid].run(y)))
                hi = mid;
            else
                lo = mid + 1;
        }
        for (std::size_t k = lo; k-- > lowest && row.isOpen();)
            row.paint(squares[k].run(y), colours[k]);
    }
    canvas.markDrawn();
}

}  // namespace chromadeck
