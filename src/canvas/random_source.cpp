// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>

namespace chromadeck {

namespace {
constexpr std::uint64_t kStartState = 0x43D1'A5C0'FFEE'2026ull;
}  // namespace

RandomSource::RandomSource() : state_(kStartState) {}
RandomSource::RandomSource(std::uint64_t seed) : state_(seed) {}

void RandomSource::ReseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    std::uint64_t mix = static_cast<std::uint64_t>(micros) ^ state_;
    state_ = splitmix(mix);
}

}  // namespace chromadeck
