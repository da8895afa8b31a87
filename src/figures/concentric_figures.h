// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure_panel.h"

namespace chromadeck {

class RandomSource;

// Nested random-colour outlines about the press point (X, Y), in canvas units. The pen
// width is already set from Combo3; the same number is the step between outlines.
// Every outline takes a fresh RandomColor, in the order drawn.

// Rings of radius 1, 1 + step, ... up to half of HScroll1, aspect HScroll2 / 10.
void DrawCircleFigure(FigurePanel& panel, RandomSource& random, float X, float Y);
// For every half-width 10, 10 + step, ... up to HScroll3, every half-height 10, ... up to
// HScroll4: two box outlines over the same rectangle, each in its own colour.
void DrawRectangleFigure(FigurePanel& panel, RandomSource& random, float X, float Y);
// Half-sides 10, 10 + step, ... up to HScroll3: two box outlines each.
void DrawSquareFigure(FigurePanel& panel, RandomSource& random, float X, float Y);

}  // namespace chromadeck
