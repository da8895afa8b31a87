#pragma once

#include "bar_figure.h"
#include "main_panel.h"

namespace chromadeck {

class RandomSource;

// The same pictures as DrawRectangleFigure and DrawBarFigure, pixel for pixel, with the
// same random colours taken in the same order, drawn without painting what later
// outlines cover anyway. The heaviest presses otherwise repaint each pixel thousands
// of times.
void DrawRectangleFigureFast(const MainPanelControls& panel, RandomSource& random, float X,
                             float Y);
void DrawBarFigureFast(BarFigure& bars, const MainPanelControls& panel, RandomSource& random);

}  // namespace chromadeck
