// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_refine.h"

#include "nearest_colour.h"

#include <array>
#include <cmath>

namespace chromadeck {

namespace {

using Entry = ColourCounts::Entry;

struct Group {
    std::uint64_t pixels = 0;
    std::array<double, 3> sum{};
    std::uint64_t heaviest = 0;  // pixels of the group's commonest colour
    QRgb commonest = 0;
    double error = 0;  // the squared distance of its pixels from their entry
};

std::vector<Group> groups(const std::vector<Entry>& colours, const std::vector<uchar>& choice,
                          const QList<QRgb>& palette) {
    std::vector<Group> out(std::size_t(palette.size()), Group{});
    for (std::size_t i = 0; i < colours.size(); ++i) {
        Group& g = out[choice[i]];
        const QRgb c = colours[i].colour, p = palette[choice[i]];
        const double w = double(colours[i].count);
        const int dr = qRed(c) - qRed(p), dg = qGreen(c) - qGreen(p), db = qBlue(c) - qBlue(p);
        g.error += w * double(dr * dr + dg * dg + db * db);
        g.pixels += colours[i].count;
        g.sum[0] += w * qRed(c);
        g.sum[1] += w * qGreen(c);
        g.sum[2] += w * qBlue(c);
        if (colours[i].count > g.heaviest) {
            g.heaviest = colours[i].count;
            g.commonest = c;
        }
    }
    return out;
}

}  // namespace

std::vector<uchar> NearestEntries(const std::vector<Entry>& colours, const QList<QRgb>& palette,
                                  std::vector<uchar> hints) {
    const NearestColour nearest(palette);
    hints.resize(colours.size(), 0);
    for (std::size_t i = 0; i < colours.size(); ++i)
        hints[i] = uchar(nearest(colours[i].colour, hints[i]));
    return hints;
}

void RefinePalette(const std::vector<Entry>& colours, QList<QRgb>& palette, int rounds,
                   double enough) {
    std::vector<uchar> choice;
    double lastError = -1;
    for (int round = 0; round < rounds; ++round) {
        bool moved = false;
        // Most colours keep last round's entry, which bounds the search at once.
        choice = NearestEntries(colours, palette, std::move(choice));
        const std::vector<Group> byEntry = groups(colours, choice, palette);
        double error = 0;
        for (const Group& g : byEntry) error += g.error;
        if (lastError >= 0 && error >= lastError * (1 - enough)) break;
        lastError = error;
        for (int p = 0; p < int(palette.size()); ++p) {
            const Group& g = byEntry[std::size_t(p)];
            if (g.pixels == 0) continue;  // nobody's nearest: left where it is
            auto level = [&](int a) { return int(std::lround(g.sum[a] / double(g.pixels))); };
            const QRgb average = qRgb(level(0), level(1), level(2));
            moved |= average != palette[p];
            palette[p] = average;
        }
        if (!moved) break;
    }
}

void KeepFlatColours(const std::vector<Entry>& colours, QList<QRgb>& palette) {
    const std::vector<Group> byEntry = groups(colours, NearestEntries(colours, palette), palette);
    for (int p = 0; p < int(palette.size()); ++p) {
        const Group& g = byEntry[std::size_t(p)];
        if (2 * g.heaviest > g.pixels) palette[p] = g.commonest;
    }
}

}  // namespace chromadeck
