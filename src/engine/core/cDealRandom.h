// The deal generator. It is fixed for good, so that a game number deals the same cards
// on every machine, compiler and version: all arithmetic is on unsigned 64-bit integers.
#pragma once

#include <cstdint>
#include <cstring>

namespace tabloo {

class cDealRandom {
public:
    static constexpr std::uint64_t Mix(std::uint64_t z) {
        z += 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // The 64 bits of x as a double; -0.0 counts as 0.0.
    static std::uint64_t Bits(double x) {
        if (x == 0.0)
            x = 0.0;
        std::uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    }

    // With x < 0: back to the fixed state of x, then one draw. Otherwise a plain draw.
    float rtcRandomNext(double x) {
        if (x < 0) {
            Key = Mix(Bits(x));
            Count = 0;
        }
        return rtcRandomNext();
    }

    // A value 0 <= r < 1 with 24 bits, exact in single precision.
    float rtcRandomNext() {
        std::uint64_t v = Mix(Key ^ Mix(Count));
        ++Count;
        return static_cast<float>(static_cast<double>(v >> 40) / 16777216.0);
    }

    // Re-seed from a number; the draw count goes on.
    void rtcRandomize(double x) { Key = Mix(Bits(x)); }

private:
    std::uint64_t Key = 0;
    std::uint64_t Count = 0;
};

} // namespace tabloo
