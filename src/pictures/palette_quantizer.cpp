// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_quantizer.h"

#include "colour_counts.h"
#include "palette_refine.h"
#include "variance_cut.h"

#include <new>

namespace chromadeck {

namespace {

constexpr int kMaxColours = 256;

// Every pixel as the index of its colour's entry; `entryOf` runs along the counted colours.
QImage indexed(const QImage& rgb, const ColourCounts& counts, const std::vector<uchar>& entryOf,
               const QList<QRgb>& palette) {
    QImage out(rgb.size(), QImage::Format_Indexed8);
    if (out.isNull()) return out;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        // Flat areas repeat the colour before, so the table is asked only at edges.
        QRgb last = ~src[0];
        uchar lastEntry = 0;
        for (int x = 0; x < rgb.width(); ++x) {
            if (src[x] != last) {
                last = src[x];
                lastEntry = entryOf[std::size_t(counts.indexOf(last))];
            }
            dst[x] = lastEntry;
        }
    }
    out.setColorTable(palette);
    return out;
}

QImage reduce(const QImage& rgb, const PaletteSteps& steps) {
    const ColourCounts counts(rgb);
    const auto& colours = counts.colours();
    if (colours.size() <= std::size_t(kMaxColours)) {
        // The picture's own colours, in the order they first appear.
        QList<QRgb> palette;
        std::vector<uchar> entryOf(colours.size());
        for (std::size_t i = 0; i < colours.size(); ++i) {
            entryOf[i] = uchar(i);
            palette.push_back(colours[i].colour);
        }
        return indexed(rgb, counts, entryOf, palette);
    }
    QList<QRgb> palette = VarianceCut(colours, kMaxColours);
    RefinePalette(colours, palette, steps.refineRounds, steps.enoughGain);
    if (steps.keepFlatColours) KeepFlatColours(colours, palette);
    return indexed(rgb, counts, NearestEntries(colours, palette), palette);
}

}  // namespace

QImage ReducePalette(const QImage& picture, const PaletteSteps& steps) {
    if (picture.isNull()) return QImage();
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) return QImage();
    try {
        return reduce(rgb, steps);
    } catch (const std::bad_alloc&) {
        return QImage();
    }
}

}  // namespace chromadeck
