// SPDX-License-Identifier: GPL-3.0-or-later
#include "nearest_colour.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chromadeck {

namespace {

using Vector = std::array<double, 3>;

// The palette's main direction (first principal component) by a few power steps on its
// covariance, scaled to whole numbers of at most 64.
std::array<std::int64_t, 3> mainDirection(const QList<QRgb>& palette) {
    Vector mean{};
    for (QRgb c : palette) {
        mean[0] += qRed(c);
        mean[1] += qGreen(c);
        mean[2] += qBlue(c);
    }
    for (double& m : mean) m /= double(palette.size());
    std::array<Vector, 3> cov{};
    for (QRgb c : palette) {
        const Vector d{qRed(c) - mean[0], qGreen(c) - mean[1], qBlue(c) - mean[2]};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) cov[i][j] += d[i] * d[j];
    }
    Vector v{1, 1, 1};
    for (int step = 0; step < 8; ++step) {
        Vector next{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) next[i] += cov[i][j] * v[j];
        const double largest = std::max({std::abs(next[0]), std::abs(next[1]), std::abs(next[2])});
        if (largest == 0) break;  // all entries alike: any direction does
        for (int i = 0; i < 3; ++i) v[i] = next[i] / largest;
    }
    return {std::llround(64 * v[0]), std::llround(64 * v[1]), std::llround(64 * v[2])};
}

}  // namespace

NearestColour::NearestColour(const QList<QRgb>& palette) : axis_(mainDirection(palette)) {
    axisLength2_ =
        std::max<std::int64_t>(1, axis_[0] * axis_[0] + axis_[1] * axis_[1] + axis_[2] * axis_[2]);
    items_.reserve(std::size_t(palette.size()));
    for (int i = 0; i < int(palette.size()); ++i) {
        const QRgb c = palette[i];
        items_.push_back({placeOf(qRed(c), qGreen(c), qBlue(c)), qRed(c), qGreen(c), qBlue(c), i});
    }
    std::sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        return a.place != b.place ? a.place < b.place : a.index < b.index;
    });
    rank_.resize(items_.size());
    for (std::size_t k = 0; k < items_.size(); ++k) rank_[std::size_t(items_[k].index)] = int(k);
}

std::int64_t NearestColour::placeOf(int red, int green, int blue) const {
    return axis_[0] * red + axis_[1] * green + axis_[2] * blue;
}

int NearestColour::operator()(QRgb colour, int hint) const {
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    const std::int64_t place = placeOf(r, g, b);
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    int bestIndex = -1;
    auto consider = [&](const Item& item) {
        const std::int64_t dr = item.red - r, dg = item.green - g, db = item.blue - b;
        const std::int64_t d = dr * dr + dg * dg + db * db;
        if (d < best || (d == best && item.index < bestIndex)) {
            best = d;
            bestIndex = item.index;
        }
    };
    if (hint >= 0 && hint < int(rank_.size())) consider(items_[std::size_t(rank_[hint])]);
    // Two colours are at least as far apart as their places, over the axis's length, so
    // a side ends at the first entry whose place alone is farther off than the best
    // distance. Equal still counts: it may have the lower index.
    auto farOff = [&](const Item& item) {
        const std::int64_t dp = item.place - place;
        return best != std::numeric_limits<std::int64_t>::max() && dp * dp > best * axisLength2_;
    };
    const auto start =
        std::lower_bound(items_.begin(), items_.end(), place,
                         [](const Item& item, std::int64_t p) { return item.place < p; });
    auto up = start, down = start;
    bool upOpen = up != items_.end(), downOpen = down != items_.begin();
    while (upOpen || downOpen) {
        if (upOpen) {
            if (farOff(*up)) {
                upOpen = false;
            } else {
                consider(*up);
                upOpen = ++up != items_.end();
            }
        }
        if (downOpen) {
            if (farOff(*std::prev(down))) {
                downOpen = false;
            } else {
                consider(*--down);
                downOpen = down != items_.begin();
            }
        }
    }
    return bestIndex;
}

}  // namespace chromadeck
