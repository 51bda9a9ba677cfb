#include "RandomSource.h"

namespace brimblet {

namespace {
constexpr std::uint32_t kMultiplier = 134775813;  // 0x08088405
constexpr std::uint32_t kIncrement = 1;
}  // namespace

void RandomSource::ReseedFromClock() {
    const UtcTimeOfDay t = clock_.Now();
    // The largest value, 86,399,999, fits in 32 bits, so nothing here wraps.
    Seed = ((std::uint32_t{t.wHour} * 60 + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
}

std::int32_t RandomSource::Uniform(std::int32_t n) {
    Seed = Seed * kMultiplier + kIncrement;  // unsigned arithmetic wraps mod 2^32
    const std::uint64_t scaled = std::uint64_t{static_cast<std::uint32_t>(n)} * Seed;
    return static_cast<std::int32_t>(scaled >> 32);
}

}  // namespace brimblet
