// The machine's clock and a uniform random source seeded from it.
#pragma once

#include "Platform.h"

#include <chrono>
#include <random>

namespace tabloo {

class cSystemClock : public IClock {
public:
    std::int64_t NowSeconds() const override {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    }
};

class cUniformRandom : public IRandomSource {
public:
    cUniformRandom() { SeedFromClock(); }
    void SeedFromClock() override {
        // The clock's finest reading mixed with the engine's own state, so that two seeds
        // in the same tick still differ.
        auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        Engine.seed(static_cast<std::uint64_t>(now) ^ (Engine() << 1));
    }
    double NextFraction() override { return static_cast<double>(Engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 Engine{0x7AB100};
};

} // namespace tabloo
