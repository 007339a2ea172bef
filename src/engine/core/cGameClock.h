// The game clock and the score: 10 points a goal card, one point off every 3 seconds.
#pragma once

#include "Platform.h"

#include <cstdint>
#include <string>

namespace tabloo {

class cGameClock {
public:
    explicit cGameClock(const IClock &clock) : Clock(clock) {}

    // The clock starts now, or as if it had started `seconds` ago.
    void Start(std::int64_t seconds = 0) { StartTime = Clock.NowSeconds() - seconds; }
    // The whole seconds since the start; a clock set back makes no negative time.
    std::int32_t Elapsed() const;
    // The score of `goalCards` cards home after `seconds`, within 16 bits.
    static std::int16_t Score(std::int16_t goalCards, std::int32_t seconds);
    // "h:mm:ss"; a day and more shows the plain hour count (25:00:00).
    static std::string Format(std::int64_t seconds);

private:
    const IClock &Clock;
    std::int64_t StartTime = 0;
};

} // namespace tabloo
