// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/numeric.h"
#include "text_panel.h"

#include <QString>

namespace chromadeck {

class DrawingSurface;

// Builds a font of the face and size (points) turned by angle degrees, weighted by the
// target's FontBold (800 or 400), never italic, and prints the text with it at (x, y)
// in the target's units: the top-left of the text turns about that point. An angle whose
// tenths do not fit 16 bits prints nothing and returns false.
bool DrawRotatedText(Integer angle, DrawingSurface& target, const QString& faceName, float size,
                     float x, float y, const QString& text);

// The stamp of a press in mode "6": the text box's text at the press point 13 times
// over, letting pending events run between the passes: a second press, a new angle,
// font or colour that arrives meanwhile takes effect in the later passes.
void StampText(TextPanel& panel, float X, float Y);

}  // namespace chromadeck
