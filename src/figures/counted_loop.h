// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace chromadeck {

// A counted loop over a counter of a fixed width: from, from + step, ... while the
// counter has not passed `to`. A step that would carry the next counter out of its range
// ends the loop there instead of wrapping; a step below 1 runs nothing, so no figure can
// loop for ever.
template <typename Counter, typename Body>
void forCounter(std::int64_t from, std::int64_t to, std::int64_t step, Body&& body) {
    if (step < 1) return;
    constexpr std::int64_t kMax = std::numeric_limits<Counter>::max();
    for (std::int64_t counter = from; counter <= to; counter += step) {
        body(static_cast<Counter>(counter));
        if (counter + step > kMax) break;
    }
}

}  // namespace chromadeck
