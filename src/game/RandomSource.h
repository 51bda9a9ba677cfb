#pragma once

#include <cstdint>

#include "UtcClock.h"

namespace brimblet {

// The game's only source of chance: a 32-bit linear congruential generator that every
// throw reseeds from the UTC time of day before drawing from it.
class RandomSource {
public:
    explicit RandomSource(const UtcClock& clock) : clock_(clock) {}

    // Seed := milliseconds since midnight UTC (0 .. 86,399,999).
    void ReseedFromClock();

    // Advances Seed one step, then scales the new Seed into 0..n-1 by its high bits:
    // the upper 32 bits of n * Seed. Uniform(0) and Uniform(1) return 0 and still advance.
    std::int32_t Uniform(std::int32_t n);

    std::uint32_t Seed = 0;

private:
    const UtcClock& clock_;
};

}  // namespace brimblet
