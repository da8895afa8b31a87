// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a picture back the way the tests judge it: exact colours, counted or bounded.
#include <QImage>
#include <QRect>

namespace chromadeck::testing {

// Pixels of exactly `colour` inside `area`; a null area means the whole picture.
int countColour(const QImage& image, QRgb colour, QRect area = {});

// The smallest rectangle holding every pixel that is not `ground`; empty when none is.
QRect inkBounds(const QImage& image, QRgb ground);

// Whether `colour` stands at (x, y) or one of its eight neighbours, for edges that
// antialiasing or rounding may shift by a pixel.
bool nearColour(const QImage& image, int x, int y, QRgb colour);

}  // namespace chromadeck::testing
