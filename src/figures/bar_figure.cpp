#include "bar_figure.h"

#include "canvas/canvas.h"
#include "canvas/random_source.h"
#include "counted_loop.h"

#include <cmath>

namespace chromadeck {

void BarFigure::DrawBarFigure(const MainPanelControls& panel, RandomSource& random) {
    Canvas& canvas = *panel.Picture1;
    const auto step = textToInteger(panel.Combo3->currentText());
    // Heights that are not numbers (or leave their range) draw nothing at all.
    if (!step || !textToSingle(panel.Combo4->currentText()) ||
        !textToInteger(panel.Combo5->currentText()))
        return;
    const Integer startCutOff = static_cast<Integer>(std::floor(50 / 0.7071068) - 50);
    forCounter<Integer>(10, 2500, *step, [&](Integer x) {
        canvas.setForeColor(RandomColor(random));
        minStrokeLength = startCutOff;
        while (minStrokeLength >= 2) {
            const auto top = textToSingle(panel.Combo4->currentText());
            const auto bottom = textToInteger(panel.Combo5->currentText());
            if (!top || !bottom) return;
            canvas.PSet(x, *top);
            BarStroke(canvas, x, *bottom, 50, -270);
            minStrokeLength = static_cast<Integer>(minStrokeLength - 1);
        }
    });
}

void BarFigure::BarStroke(Canvas& canvas, Integer x, Integer y, Integer length, Integer angle) {
    // With a cut-off below 2 the lengths would stop shrinking at 1 and never end.
    if (length < minStrokeLength || minStrokeLength < 2) {
        canvas.LineTo(x, y);
        return;
    }
    // The angle is multiplied by pi as it stands, not turned from degrees into radians.
    const double theta = static_cast<double>(static_cast<float>(angle)) * double(3.1415927f);
    const auto u = toInteger(length * std::cos(theta) + x);
    const auto v = toInteger(length * std::sin(theta) + y);
    const auto n = toInteger(length * 0.7071068);
    if (!u || !v || !n) return;
    BarStroke(canvas, x, y, *n, angle);
    BarStroke(canvas, *u, *v, *n, angle);
}

}  // namespace chromadeck
