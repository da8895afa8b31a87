// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRgb>
#include <array>
#include <cstdint>
#include <vector>

namespace chromadeck {

// Finds the palette entry nearest a colour: the smallest squared distance in RGB, and of
// equal ones the lowest index. The entries are kept in order along the direction in which
// the palette spreads most, and a search looks only at those whose place along it is not
// already farther off than the best entry so far: a few entries instead of all 256.
class NearestColour {
  public:
    explicit NearestColour(const QList<QRgb>& palette);

    // `hint`, an entry likely to be near (the colour's entry in the last round), only
    // speeds up the search; the answer is the same without it.
    int operator()(QRgb colour, int hint = -1) const;

  private:
    struct Item {
        std::int64_t place;  // along axis_
        int red, green, blue, index;
    };
    std::int64_t placeOf(int red, int green, int blue) const;

    std::array<std::int64_t, 3> axis_{};  // whole numbers, so every search is exact
    std::int64_t axisLength2_ = 1;
    std::vector<Item> items_;  // by place, then index
    std::vector<int> rank_;    // items_ position of each index
};

}  // namespace chromadeck
