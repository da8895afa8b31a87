// SPDX-License-Identifier: GPL-3.0-or-later
// The square figure row by row. Each half-side draws two outlines over the same square,
// so the second colour is the one that shows; and a larger square lies outside a smaller
// one with its inside holding the smaller one's, so on each row the squares form a nested
// stack (canvas/raster/nested_row.h) painted from the largest down. Between its corners a
// square crosses every row alike, so the part of a row that only such squares reach is
// the same on all rows: it is painted once and copied.
#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "canvas/raster/nested_row.h"
#include "canvas/raster/pen_shapes.h"
#include "counted_loop.h"
#include "fast_figures.h"

#include <cstring>
#include <vector>

namespace chromadeck {

namespace {

using raster::BoxOutline;
using raster::NestedRow;

// The smallest k in from..to-1 for which holds(k), given that it holds for every k after
// one that does; `to` when none does.
template <typename Holds>
std::size_t firstHolding(std::size_t from, std::size_t to, Holds&& holds) {
    while (from < to) {
        const std::size_t mid = (from + to) / 2;
        if (holds(mid))
            to = mid;
        else
            from = mid + 1;
    }
    return from;
}

// A row as every square paints it between its corners, and for each square k what is
// still open below it and how much of the row the squares from k up have painted.
struct MiddleRow {
    std::vector<std::uint32_t> pixels;
    std::vector<int> openFirst, openLast;
    std::vector<long long> painted;
    int first = 0, last = -1;  // the run of the largest square, clipped

    MiddleRow(const std::vector<BoxOutline>& squares, const std::vector<QRgb>& colours,
              const raster::ClipRect& clip)
        : pixels(static_cast<std::size_t>(clip.right), 0),
          openFirst(squares.size(), 1),
          openLast(squares.size(), 0),
          painted(squares.size(), -1) {
        const raster::RowRun top = squares.back().middleRun();
        first = std::max(top.first, clip.left);
        last = std::min(top.last, clip.right - 1);
        NestedRow row;
        row.start(clip.left, clip.right, pixels.data());
        for (std::size_t k = squares.size(); k-- > 0 && !squares[k].sidesMeet();) {
            row.paint(squares[k].middleRun(), colours[k]);
            openFirst[k] = row.openFirst();
            openLast[k] = row.openLast();
            painted[k] = row.painted();
        }
    }

    // Copies what the squares from k up paint on a middle row into `row`, and leaves the
    // rest open in `rest`; false when they leave gaps, which must stay untouched.
    bool copyInto(std::size_t k, std::uint32_t* row, NestedRow& rest) const {
        const long long open = std::max(0, openLast[k] - openFirst[k] + 1);
        if (painted[k] < 0 || painted[k] != (last - first + 1) - open) return false;
        const auto copy = [&](int from, int to) {
            if (from <= to)
                std::memcpy(row + from, pixels.data() + from,
                            sizeof(std::uint32_t) * (to - from + 1));
        };
        if (open == 0) {
            copy(first, last);
        } else {
            copy(first, openFirst[k] - 1);
            copy(openLast[k] + 1, last);
        }
        rest.resume(openFirst[k], openLast[k], row);
        return true;
    }
};

}  // namespace

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
    const MiddleRow middle(squares, colours, clip);
    const std::size_t n = squares.size();
    NestedRow row;
    for (int y = first; y <= last; ++y) {
        const std::size_t lowest = firstHolding(0, n, [&](std::size_t k) {
            int f, l;
            return squares[k].rows(f, l) && y >= f && y <= l;
        });
        auto* pixels = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        // The squares that cross this row between their corners, from the largest down.
        const std::size_t crossing =
            firstHolding(lowest, n, [&](std::size_t k) { return squares[k].isMiddleRow(y); });
        std::size_t k = n;
        if (crossing < n && middle.copyInto(crossing, pixels, row)) {
            k = crossing;
        } else {
            row.start(clip.left, clip.right, pixels);
            // Squares whose inside holds the whole row show nothing on it.
            k = firstHolding(lowest, n,
                             [&](std::size_t j) { return row.holeHoldsOpen(squares[j].run(y)); });
        }
        while (k-- > lowest && row.isOpen()) row.paint(squares[k].run(y), colours[k]);
    }
    canvas.markDrawn();
}

}  // namespace chromadeck
