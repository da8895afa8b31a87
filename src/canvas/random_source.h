// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgb_color.h"

#include <cstdint>

namespace chromadeck {

// The program's one source of random colours. It starts in the same state in every
// run, so the same presses give the same colours, until the cut-out window's fill
// reseeds it from the clock.
class RandomSource {
  public:
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    // Uniform single-precision value in [0, 1): one draw. Inline: the rectangle figure
    // takes millions of them a press.
    float Next() {
        ++draws_;
        // 24 bits fill a float's mantissa exactly, so the value is never rounded up to 1.
        const std::uint32_t bits = static_cast<std::uint32_t>(splitmix(state_) >> 40);
        return static_cast<float>(bits) * (1.0f / 16777216.0f);
    }
    void ReseedFromClock();

    // Draws taken since construction; tests count colours by it.
    std::uint64_t drawCount() const { return draws_; }

  private:
    // splitmix64: small, fast, and every state is a valid start.
    static std::uint64_t splitmix(std::uint64_t& state) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
    std::uint64_t draws_ = 0;
};

// One colour channel from one draw: the draw times 230 in single precision (the colour
// rule multiplies a Single), rounded to nearest with ties to even. The product lies in
// [0, 230); adding 2^23 leaves a float no fraction bits, so that addition rounds it to a
// whole number in the default rounding mode (nearest, ties to even, which the program
// never changes) and taking 2^23 away again is exact. This gives roundHalfEven's
// channels for every value a draw can take (tests/canvas/tst_numbers.cpp tries all 2^24
// of them) without its branches and floor call, which were most of a rectangle press.
inline int RandomChannel(float draw) {
    const float scaled = draw * 230.0f;
    return static_cast<int>((scaled + 8388608.0f) - 8388608.0f);
}

// Three draws: red, green, blue in that order.
inline RgbColor RandomColor(RandomSource& source) {
    const int r = RandomChannel(source.Next());
    const int g = RandomChannel(source.Next());
    const int b = RandomChannel(source.Next());
    return RGB(r, g, b);
}

}  // namespace chromadeck
