// The bar figure with each bar drawn as the union of its strokes. All 19 passes of a bar
// share one colour, and every stroke after the first runs along the bottom line, joining
// the points the stroke procedure visits; so a bar is its dot, its upright and one
// stroke along the bottom between the leftmost and rightmost visited points.
#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "counted_loop.h"
#include "fast_figures.h"

#include <algorithm>
#include <vector>

namespace chromadeck {

namespace {
struct Visit {
    int dx, dy;
};
}  // namespace

void DrawBarFigureFast(BarFigure& bars, FigurePanel& panel, RandomSource& random) {
    DrawingSurface& canvas = panel.Picture1();
    const auto step = textToInteger(panel.Combo3());
    const auto top = textToSingle(panel.Combo4());
    const auto bottom = textToInteger(panel.Combo5());
    if (!step || !top || !bottom) return;

    // The points one pass visits, relative to (x, bottom), for every cut-off. Whole-number
    // offsets added to a whole x round alike for every x of the same parity (ties go to
    // even), so two bars, at an even and an odd x, stand for all of them.
    const auto visitsFrom = [&](Integer x0) {
        std::vector<std::vector<Visit>> passes;
        for (Integer cutOff = kBarFirstCutOff; cutOff >= kBarLastCutOff; --cutOff) {
            bars.minStrokeLength = cutOff;
            std::vector<Visit> visits;
            bars.BarStroke(
                [&](Integer x, Integer y) {
                    visits.push_back({x - x0, y - *bottom});
                },
                x0, *bottom, kBarStrokeLength, kBarStrokeAngle);
            passes.push_back(std::move(visits));
        }
        return passes;
    };
    const auto passes = visitsFrom(kBarFirstX);
    const auto sameOffsets = [](const auto& a, const auto& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k) {
            if (a[k].size() != b[k].size()) return false;
            for (std::size_t m = 0; m < a[k].size(); ++m)
                if (a[k][m].dx != b[k][m].dx || a[k][m].dy != b[k][m].dy) return false;
        }
        return true;
    };
    bool alongTheBottom = sameOffsets(passes, visitsFrom(kBarFirstX + 1));
    int reachLeft = 0, reachRight = 0;
    for (const auto& visits : passes)
        for (const Visit& v : visits) {
            alongTheBottom = alongTheBottom && v.dy == 0;
            reachLeft = std::min(reachLeft, v.dx);
            reachRight = std::max(reachRight, v.dx);
        }

    std::vector<Integer> xs;
    forCounter<Integer>(kBarFirstX, kBarLastX, *step, [&](Integer x) { xs.push_back(x); });
    const auto whole = [&](Integer x) { return alongTheBottom && x + reachRight <= 32767; };
    bool lastBarWhole = false;
    for (std::size_t n = 0; n < xs.size(); ++n) {
        const Integer x = xs[n];
        canvas.setForeColor(RandomColor(random));
        lastBarWhole = whole(x);
        if (!lastBarWhole) {
            for (Integer cutOff = kBarFirstCutOff; cutOff >= kBarLastCutOff; --cutOff) {
                bars.minStrokeLength = cutOff;
                canvas.PSet(x, *top);
                bars.BarStroke([&](Integer px, Integer py) { canvas.LineTo(px, py); }, x, *bottom,
                               kBarStrokeLength, kBarStrokeAngle);
            }
            continue;
        }
        // Bars closer than a pixel stand in the same column: the next one's dot and
        // upright cover this one's, and what this one's bottom stroke leaves there too.
        const bool hidden = n + 1 < xs.size() && whole(xs[n + 1]) &&
                            canvas.pixelX(xs[n + 1]) == canvas.pixelX(x);
        if (!hidden) {
            canvas.PSet(x, *top);
            canvas.LineTo(x, *bottom);
        }
        canvas.Line(float(x + reachLeft), *bottom, float(x + reachRight), *bottom);
    }
    // Where the last stroke of the last bar left the pen.
    if (lastBarWhole) {
        const Visit end = passes.back().back();
        canvas.setCurrentX(float(xs.back() + end.dx));
        canvas.setCurrentY(float(*bottom + end.dy));
    }
    bars.minStrokeLength = 1;
}

}  // namespace chromadeck
