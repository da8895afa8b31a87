#pragma once

#include "canvas/numeric.h"
#include "figure_panel.h"

#include <cmath>

namespace chromadeck {

class RandomSource;

// The bar figure: at x = 10, 10 + step, ... 2500 canvas units (the press point plays no
// part), one random-colour bar from y = Combo4 to y = Combo5, laid down by 19 passes
// of BarStroke with cut-off lengths 20 down to 2.
class BarFigure {
  public:
    void DrawBarFigure(FigurePanel& panel, RandomSource& random);

    // Extends the polyline from the current point, splitting the stroke until it is
    // shorter than the cut-off; lineTo(x, y) draws each piece. Needs minStrokeLength of at
    // least 2 to end, so a smaller cut-off draws the one line and stops.
    template <typename LineTo>
    void BarStroke(LineTo&& lineTo, Integer x, Integer y, Integer length, Integer angle);

    Integer minStrokeLength = 0;  // the cut-off; 1 after every figure
};

template <typename LineTo>
void BarFigure::BarStroke(LineTo&& lineTo, Integer x, Integer y, Integer length, Integer angle) {
    if (length < minStrokeLength || minStrokeLength < 2) {
        lineTo(x, y);
        return;
    }
    // The angle is multiplied by pi as it stands, not turned from degrees into radians.
    const double theta = static_cast<double>(static_cast<float>(angle)) * double(3.1415927f);
    const auto u = toInteger(length * std::cos(theta) + x);
    const auto v = toInteger(length * std::sin(theta) + y);
    const auto n = toInteger(length * 0.7071068);
    if (!u || !v || !n) return;
    BarStroke(lineTo, x, y, *n, angle);
    BarStroke(lineTo, *u, *v, *n, angle);
}

}  // namespace chromadeck
