#pragma once

#include "canvas/numeric.h"
#include "main_panel.h"

namespace chromadeck {

class RandomSource;

// The bar figure: at x = 10, 10 + step, ... 2500 canvas units (the press point plays no
// part), one random-colour bar from y = Combo4 to y = Combo5, laid down by 19 passes
// of BarStroke with cut-off lengths 20 down to 2.
class BarFigure {
public:
    void DrawBarFigure(const MainPanelControls& panel, RandomSource& random);

    // Extends the polyline from the canvas's current point, splitting the stroke until it
    // is shorter than the cut-off. Needs minStrokeLength of at least 2 to end.
    void BarStroke(Canvas& canvas, Integer x, Integer y, Integer length, Integer angle);

    Integer minStrokeLength = 0;  // the cut-off; 1 after every figure
};

}  // namespace chromadeck
