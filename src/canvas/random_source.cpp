#include "random_source.h"

#include "numeric.h"

#include <chrono>

namespace chromadeck {

namespace {
constexpr std::uint64_t kStartState = 0x43D1'A5C0'FFEE'2026ull;

// splitmix64: small, fast, and every state is a valid start.
std::uint64_t splitmix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

RandomSource::RandomSource() : state_(kStartState) {}
RandomSource::RandomSource(std::uint64_t seed) : state_(seed) {}

float RandomSource::Next() {
    ++draws_;
    // 24 bits fill a float's mantissa exactly, so the value is never rounded up to 1.
    const std::uint32_t bits = static_cast<std::uint32_t>(splitmix(state_) >> 40);
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

void RandomSource::ReseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    std::uint64_t mix = static_cast<std::uint64_t>(micros) ^ state_;
    state_ = splitmix(mix);
}

RgbColor RandomColor(RandomSource& source) {
    // Single-precision products, as the colour rule multiplies a Single by 230.
    const float u1 = source.Next();
    const float u2 = source.Next();
    const float u3 = source.Next();
    const int r = *toInteger(u1 * 230.0f);
    const int g = *toInteger(u2 * 230.0f);
    const int b = *toInteger(u3 * 230.0f);
    return RGB(r, g, b);
}

}  // namespace chromadeck
