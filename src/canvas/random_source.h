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

    // Uniform single-precision value in [0, 1): one draw.
    float Next();
    void ReseedFromClock();

    // Draws taken since construction; tests count colours by it.
    std::uint64_t drawCount() const { return draws_; }

  private:
    std::uint64_t state_;
    std::uint64_t draws_ = 0;
};

// Three draws times 230, each rounded (ties to even): red, green, blue in that order.
RgbColor RandomColor(RandomSource& source);

}  // namespace chromadeck
