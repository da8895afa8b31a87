// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace chromadeck {

// How a palette is cut for a picture of more than 256 colours. The defaults are what the
// program saves with; tools/gif_palette_figures measures the others against them.
struct PaletteSteps {
    int refineRounds = 12;        // Lloyd's rounds after the variance cut at most; 0 for none
    double enoughGain = 0.001;    // they stop when a round lowers the error by less
    bool keepFlatColours = true;  // an entry that is mostly one colour takes it exactly
};

// The picture as 8-bit palette indices (QImage::Format_Indexed8) with at most 256
// colours, for formats that hold no more. A picture of 256 colours or fewer keeps them
// exactly: screen captures and drawings with flat colours must come out unchanged.
// Otherwise the palette is cut from the picture's own colours (variance cut, refined by
// Lloyd's rounds), and every pixel takes its nearest entry; no dithering, so flat areas stay
// flat. Transparency is dropped. The same picture always gives the same result. A null
// picture, or one whose colours do not fit in memory, gives a null picture.
QImage ReducePalette(const QImage& picture, const PaletteSteps& steps = {});

}  // namespace chromadeck
