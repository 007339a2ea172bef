#include "cGameClock.h"

#include "NumText.h"

#include <cstdio>

namespace tabloo {

std::int32_t cGameClock::Elapsed() const {
    const std::int64_t t = Clock.NowSeconds() - StartTime;
    return t < 0 ? 0 : ClampTo<std::int32_t>(t);
}

std::int16_t cGameClock::Score(std::int16_t goalCards, std::int32_t seconds) {
    const std::int64_t goal = std::int64_t(goalCards) * 10;
    const double penalty = RoundHalfEven(seconds / 3.0);
    return ClampTo<std::int16_t>(goal - static_cast<std::int64_t>(penalty));
}

std::string cGameClock::Format(std::int64_t n) {
    if (n < 0)
        n = 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%lld:%02d:%02d", static_cast<long long>(n / 3600), static_cast<int>(n / 60 % 60),
                  static_cast<int>(n % 60));
    return buf;
}

} // namespace tabloo
