// The game clock and the score: 10 points a goal card, one point off every 3 seconds.
#include "Game.h"
#include "NumText.h"

#include <algorithm>
#include <cstdio>

namespace tabloo {

std::int32_t Game::ElapsedSeconds() const {
    if (!Running())
        return 0;
    // A clock set back makes no negative time.
    const std::int64_t t = Clock.NowSeconds() - GameStartTime;
    return t < 0 ? 0 : ClampTo<std::int32_t>(t);
}

std::string Game::FormatElapsed(std::int64_t n) {
    if (n < 0)
        n = 0;
    // A day and more shows the plain hour count (25:00:00).
    char buf[40];
    std::snprintf(buf, sizeof buf, "%lld:%02d:%02d", static_cast<long long>(n / 3600), static_cast<int>(n / 60 % 60),
                  static_cast<int>(n % 60));
    return buf;
}

std::int16_t Game::GameScore() const {
    if (!Running())
        return 0;
    // A game handed to the solver earns nothing for the cards the solver sent home.
    const std::int16_t cards = GivenUp ? std::min(Array.TotalGoalCards(), GivenUpGoalCards) : Array.TotalGoalCards();
    const std::int64_t goal = std::int64_t(cards) * 10;
    const double penalty = RoundHalfEven(ElapsedSeconds() / 3.0);
    return ClampTo<std::int16_t>(goal - static_cast<std::int64_t>(penalty));
}

} // namespace tabloo
