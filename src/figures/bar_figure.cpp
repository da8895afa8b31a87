// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_figure.h"

#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "counted_loop.h"

namespace chromadeck {

void BarFigure::DrawBarFigure(FigurePanel& panel, RandomSource& random) {
    DrawingSurface& canvas = panel.Picture1();
    const auto step = textToInteger(panel.Combo3());
    // Heights that are not numbers (or leave their range) draw nothing at all.
    if (!step || !textToSingle(panel.Combo4()) || !textToInteger(panel.Combo5())) return;
    forCounter<Integer>(kBarFirstX, kBarLastX, *step, [&](Integer x) {
        canvas.setForeColor(RandomColor(random));
        minStrokeLength = kBarFirstCutOff;
        while (minStrokeLength >= kBarLastCutOff) {
            const auto top = textToSingle(panel.Combo4());
            const auto bottom = textToInteger(panel.Combo5());
            if (!top || !bottom) return;
            canvas.PSet(x, *top);
            BarStroke([&](Integer px, Integer py) { canvas.LineTo(px, py); }, x, *bottom,
                      kBarStrokeLength, kBarStrokeAngle);
            minStrokeLength = static_cast<Integer>(minStrokeLength - 1);
        }
    });
}

}  // namespace chromadeck
