// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace monkey {

// The monkey's one source of choices. splitmix64 with plain modulo ranges, so
// a seed means the same sequence of choices on every machine and library
// version (std::uniform_int_distribution is free to differ between them).
class SeededRandom {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number in [0, count); 0 when count is 0.
    std::uint64_t below(std::uint64_t count) { return count == 0 ? 0 : next() % count; }

    // A whole number in [low, high].
    long between(long low, long high) {
        if (high <= low) return low;
        return low + static_cast<long>(below(static_cast<std::uint64_t>(high - low) + 1));
    }

    // True with the given chance in percent.
    bool percent(int chance) { return static_cast<int>(below(100)) < chance; }

    // An index drawn in proportion to the weights; the last index when all are 0.
    std::size_t weighted(const std::vector<int>& weights) {
        long total = 0;
        for (int w : weights) total += w > 0 ? w : 0;
        if (total == 0) return weights.empty() ? 0 : weights.size() - 1;
        long roll = between(0, total - 1);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (weights[i] <= 0) continue;
            if (roll < weights[i]) return i;
            roll -= weights[i];
        }
        return weights.size() - 1;
    }

  private:
    std::uint64_t state_;
};

}  // namespace monkey
