// The program's pseudo-random generator: a 24-bit linear congruential
// generator, x := (1140671485 * x + 12820163) mod 2^24, starting from the
// fixed state 327680. Each draw steps the state and returns x / 2^24, so the
// output is uniform in [0, 1) and the sequence is the same in every run.
#pragma once

#include <cstdint>

namespace tarnel {

class Lcg24
{
public:
    static constexpr std::uint32_t kMultiplier = 1140671485U;
    static constexpr std::uint32_t kIncrement = 12820163U;
    static constexpr std::uint32_t kModulusMask = (1U << 24) - 1;
    static constexpr std::uint32_t kInitialState = 327680U;

    constexpr double next()
    {
        state_ = (kMultiplier * state_ + kIncrement) & kModulusMask;
        return static_cast<double>(state_) / static_cast<double>(kModulusMask + 1U);
    }

    constexpr std::uint32_t state() const { return state_; }

private:
    // Unsigned 32-bit arithmetic wraps modulo 2^32, of which 2^24 is a
    // divisor, so the mask gives the exact residue.
    std::uint32_t state_ = kInitialState;
};

} // namespace tarnel
