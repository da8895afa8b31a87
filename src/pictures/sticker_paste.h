// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"

#include <QImage>
#include <QSize>
#include <optional>

namespace chromadeck {

class DrawingSurface;

// A picture's size in pixels as the screen shows it: its stored physical size (in
// hundredths of a millimetre) converted at the screen's resolution, rounded.
QSize StickerSize(const QImage& picture);

// The sticker's picture onto the canvas at about the press point (X, Y, canvas units),
// every pixel of the mask colour left out; without a mask colour, all of it. Copies are
// clipped to the canvas's drawing area. False when nothing was pasted: an empty
// sticker, or a press point beyond the Long range.
bool PasteSticker(DrawingSurface& canvas, const DrawingSurface& sticker,
                  std::optional<RgbColor> mask, float X, float Y);

}  // namespace chromadeck
