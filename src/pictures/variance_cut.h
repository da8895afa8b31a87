// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour_counts.h"

#include <QList>

namespace chromadeck {

// A first palette of at most `maxColours` entries for the given colours: Xiaolin Wu's
// variance cut. Starting from one box round all the colours, it splits, again and again, the
// box whose best cut lowers the squared error most, along the channel and at the value that
// lower it most; each box gives its average colour. Unlike Wu's usual table of 32 levels a
// channel, every channel keeps its 256 levels, so a smooth ramp of close shades still gets as
// many entries as the palette has.
QList<QRgb> VarianceCut(std::vector<ColourCounts::Entry> colours, int maxColours);

}  // namespace chromadeck
