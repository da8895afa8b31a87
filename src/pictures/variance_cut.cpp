// SPDX-License-Identifier: GPL-3.0-or-later
#include "variance_cut.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chromadeck {

namespace {

using Entry = ColourCounts::Entry;
using Sum = std::array<double, 3>;

int channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// |sum|^2 / weight: the part of a group's squared error that its average takes away.
// Weights and sums are whole numbers well below 2^53, so the doubles hold them exactly.
double pull(const Sum& sum, double weight) {
    return (sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]) / weight;
}

struct Box {
    std::size_t begin = 0, end = 0;  // a range of the colours
    double weight = 0;
    Sum sum{};
    // The best cut: colours whose `axis` channel is at most `last` go first.
    int axis = 0, last = 0;
    double gain = 0;  // how much the cut lowers the squared error; 0 when none can
};

// Totals the box and finds its best cut from each channel's 256-level histogram.
Box measure(const std::vector<Entry>& colours, std::size_t begin, std::size_t end) {
    Box box{begin, end};
    std::array<std::array<double, 256>, 3> weight{};
    std::array<std::array<Sum, 256>, 3> sum{};
    for (std::size_t i = begin; i < end; ++i) {
        const QRgb c = colours[i].colour;
        const double w = double(colours[i].count);
        const Sum s{w * qRed(c), w * qGreen(c), w * qBlue(c)};
        box.weight += w;
        for (int a = 0; a < 3; ++a) {
            box.sum[a] += s[a];
            const int level = channel(c, a);
            weight[a][level] += w;
            for (int b = 0; b < 3; ++b) sum[a][level][b] += s[b];
        }
    }
    const double whole = pull(box.sum, box.weight);
    for (int a = 0; a < 3; ++a) {
        double below = 0;
        Sum belowSum{};
        for (int level = 0; level < 255; ++level) {
            below += weight[a][level];
            for (int b = 0; b < 3; ++b) belowSum[b] += sum[a][level][b];
            if (below == 0) continue;
            if (below == box.weight) break;
            const Sum aboveSum{box.sum[0] - belowSum[0], box.sum[1] - belowSum[1],
                               box.sum[2] - belowSum[2]};
            const double gain = pull(belowSum, below) + pull(aboveSum, box.weight - below) - whole;
            if (gain > box.gain) {
                box.gain = gain;
                box.axis = a;
                box.last = level;
            }
        }
    }
    return box;
}

QRgb average(const Box& box) {
    auto level = [&](int a) { return int(std::lround(box.sum[a] / box.weight)); };
    return qRgb(level(0), level(1), level(2));
}

}  // namespace

QList<QRgb> VarianceCut(std::vector<Entry> colours, int maxColours) {
    QList<QRgb> palette;
    if (colours.empty()) return palette;
    std::vector<Box> boxes{measure(colours, 0, colours.size())};
    while (int(boxes.size()) < maxColours) {
        // The first of equal gains, so the same colours always give the same palette.
        auto best = std::max_element(boxes.begin(), boxes.end(),
                                     [](const Box& a, const Box& b) { return a.gain < b.gain; });
        if (best->gain <= 0) break;
        const Box box = *best;
        const auto middle = std::partition(
            colours.begin() + std::ptrdiff_t(box.begin), colours.begin() + std::ptrdiff_t(box.end),
            [&](const Entry& e) { return channel(e.colour, box.axis) <= box.last; });
        const auto cut = std::size_t(middle - colours.begin());
        *best = measure(colours, box.begin, cut);
        boxes.push_back(measure(colours, cut, box.end));
    }
    for (const Box& box : boxes) palette.push_back(average(box));
    return palette;
}

}  // namespace chromadeck
