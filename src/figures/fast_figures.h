// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar_figure.h"
#include "figure_panel.h"

namespace chromadeck {

class RandomSource;

// The same pictures as the plain figures, pixel for pixel, with the same random colours
// taken in the same order and the same pen colour and current point left behind, drawn
// without painting what later outlines cover anyway. The heaviest presses otherwise
// repaint each pixel hundreds or thousands of times.
void DrawCircleFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y);
void DrawRectangleFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y);
void DrawSquareFigureFast(FigurePanel& panel, RandomSource& random, float X, float Y);
void DrawBarFigureFast(BarFigure& bars, FigurePanel& panel, RandomSource& random);

}  // namespace chromadeck
