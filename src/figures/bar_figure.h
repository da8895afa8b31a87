// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/numeric.h"
#include "figure_panel.h"

#include <cmath>

namespace chromadeck {

class RandomSource;

// The bar figure's fixed numbers, shared by the plain drawing and the fast one.
// Bars stand at x = kBarFirstX, kBarFirstX + step, ... up to kBarLastX canvas units.
inline constexpr Integer kBarFirstX = 10;
inline constexpr Integer kBarLastX = 2500;
// Every pass starts one stroke this long at this angle from the bar's bottom end.
inline constexpr Integer kBarStrokeLength = 50;
inline constexpr Integer kBarStrokeAngle = -270;
// Each split of a stroke keeps this share of its length.
inline constexpr double kBarStrokeShrink = 0.7071068;
// The passes' cut-offs run from the first down to the last; below the last, BarStroke
// no longer splits.
inline constexpr Integer kBarFirstCutOff =
    Integer(int(kBarStrokeLength / kBarStrokeShrink) - kBarStrokeLength);
inline constexpr Integer kBarLastCutOff = 2;
static_assert(kBarFirstCutOff == 20, "19 passes per bar, cut-offs 20 down to 2");

// The bar figure: at every bar position above (the press point plays no part), one
// random-colour bar from y = Combo4 to y = Combo5, laid down by one pass of BarStroke
// for each cut-off.
class BarFigure {
  public:
    void DrawBarFigure(FigurePanel& panel, RandomSource& random);

    // Extends the polyline from the current point, splitting the stroke until it is
    // shorter than the cut-off; lineTo(x, y) draws each piece. Needs minStrokeLength of at
    // least kBarLastCutOff to end, so a smaller cut-off draws the one line and stops.
    template <typename LineTo>
    void BarStroke(LineTo&& lineTo, Integer x, Integer y, Integer length, Integer angle);

    Integer minStrokeLength = 0;  // the cut-off; 1 after every figure
};

template <typename LineTo>
void BarFigure::BarStroke(LineTo&& lineTo, Integer x, Integer y, Integer length, Integer angle) {
    if (length < minStrokeLength || minStrokeLength < kBarLastCutOff) {
        lineTo(x, y);
        return;
    }
    // The angle is multiplied by pi as it stands, not turned from degrees into radians.
    const double theta = static_cast<double>(static_cast<float>(angle)) * double(3.1415927f);
    const auto u = toInteger(length * std::cos(theta) + x);
    const auto v = toInteger(length * std::sin(theta) + y);
    const auto n = toInteger(length * kBarStrokeShrink);
    if (!u || !v || !n) return;
    BarStroke(lineTo, x, y, *n, angle);
    BarStroke(lineTo, *u, *v, *n, angle);
}

}  // namespace chromadeck
