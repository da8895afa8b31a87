// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Three pictures of more than 256 colours that a GIF palette must do well on, made in code
// so every run sees the same pixels: the quantizer's tests and tools/gif_palette_figures
// measure on them.
#include <QImage>

namespace chromadeck::testing {

// A sky: a smooth ramp of close blues across the picture, warming slowly from top to
// bottom. Over a thousand shades in a narrow range, where a poor palette shows bands.
QImage gradientPicture();

// Soft lit shapes with fine grain and a few hard edges, as in a photograph.
QImage photoPicture();

// A window as a screen capture shows it: flat backgrounds, buttons with one-pixel borders,
// smoothed text strokes, a gradient title bar and a small photograph.
QImage screenshotPicture();

// Peak signal-to-noise ratio of `b` against `a` (same size), in decibels over all three
// channels; identical pictures give infinity.
double psnr(const QImage& a, const QImage& b);

}  // namespace chromadeck::testing
