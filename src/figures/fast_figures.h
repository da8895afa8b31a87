#pragma once

#include "bar_figure.h"
#include "figure_panel.h"

namespace chromadeck {

class RandomSource;

// The same pictures as DrawRectangleFigure and DrawBarFigure, pixel for pixel, with the
// same random colours taken in the same order, drawn without painting what later
// outlines cover anyway. The heaviest presses otherwise repaint each pixel thousands
// of times.
void DrawRectangleFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y);
void DrawBarFigureFast(BarFigure& bars, FigurePanel& panel, RandomSource& random);

}  // namespace chromadeck
