// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour_counts.h"

#include <QList>
#include <vector>

namespace chromadeck {

// For each colour, the index of its nearest palette entry. `hints`, when given, holds an
// entry likely to be near for each colour; it speeds the search and changes no answer.
std::vector<uchar> NearestEntries(const std::vector<ColourCounts::Entry>& colours,
                                  const QList<QRgb>& palette, std::vector<uchar> hints = {});

// Lloyd's rounds (k-means) over the picture's own colours: each colour goes to its nearest
// entry, each entry moves to the average of its colours' pixels. Rounds stop when nothing
// moves, when `rounds` have run, or when the last one lowered the squared error by less than
// the share `enough` of it: the first rounds take nearly all there is to gain.
void RefinePalette(const std::vector<ColourCounts::Entry>& colours, QList<QRgb>& palette,
                   int rounds, double enough);

// An entry whose pixels are mostly of one colour takes that colour exactly: the flat areas
// of a screen capture or a drawing then keep their colour, where the average would shift it
// by the few edge shades that share the entry.
void KeepFlatColours(const std::vector<ColourCounts::Entry>& colours, QList<QRgb>& palette);

}  // namespace chromadeck
