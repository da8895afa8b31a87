// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures the tests start from, made so that a wrong pixel is easy to tell.
#include <QImage>

namespace chromadeck::testing {

// One colour all over.
QImage plainPicture(QSize size, QRgb colour);

// A 1920 x 1080 screen whose every pixel tells where it is: red x, green y (each
// mod 256), blue `tint`. A small tint keeps pure red and pure blue off the screen.
QImage screenPicture(int tint);

}  // namespace chromadeck::testing
