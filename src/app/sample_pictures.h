// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace chromadeck::app {

// The pictures the canvases show before the user loads any: random-colour concentric
// rings, made by the program itself (24-bit, RGB32). Each has its own fixed-seed random
// source, so making them never moves the program's colour sequence and they look the
// same in every run.
QImage mainSamplePicture();   // 1575 x 1017, the main canvas's ground
QImage smallSamplePicture();  // 343 x 161, the floating picture box on the canvas

}  // namespace chromadeck::app
