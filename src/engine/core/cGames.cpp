#include "cGames.h"

#include "NumText.h"

namespace tabloo {

GameRules GameRules::Sanitized() const {
    const GameRules defaults;
    GameRules r = *this;
    if (r.HomePiles < 4 || r.HomePiles > 10)
        r.HomePiles = defaults.HomePiles;
    if (r.ResPiles < 0 || r.ResPiles > 4)
        r.ResPiles = defaults.ResPiles;
    if (r.GoalCards < 0 || r.GoalCards > 4)
        r.GoalCards = defaults.GoalCards;
    if (r.ResCards < 0 || r.ResCards > r.ResPiles)
        r.ResCards = defaults.ResCards;
    if (r.GoalBase < 0 || r.GoalBase > kRandomBase)
        r.GoalBase = defaults.GoalBase;
    return r;
}

void cGames::Init() {
    AreaInfo &home = Areas[kHome];
    // The home row is centred in a width of ten pile steps.
    home.Startx = static_cast<std::int16_t>(RoundHalfEven((10 - home.Piles) * 1165 / 2.0));
    home.Starty = 1640;
    home.Stepx = 1165;
    home.Stepy = 250;

    AreaInfo &deck = Areas[kDeck];
    deck.Startx = 965;
    deck.Starty = 0;
    deck.Piles = 1;

    AreaInfo &goal = Areas[kGoal];
    goal.Startx = 6025;
    goal.Starty = 0;
    goal.Stepx = 1140;
    goal.Stepy = 0;
    goal.Piles = kGoalPiles;

    AreaInfo &reserve = Areas[kReserve];
    reserve.Startx = 965;
    reserve.Starty = 0;
    reserve.Stepx = 1140;
}

void cGames::FillFromRules(const GameRules &r) {
    SetPiles(kHome, r.HomePiles);
    SetPiles(kReserve, r.ResPiles);
    SetOrder(kHome, r.HomeOrder);
    SetOrder(kGoal, r.GoalOrder);
    SetCards(kGoal, r.GoalCards);
    SetCards(kReserve, r.ResCards);
    SetGoalBase(r.GoalBase);
    // The goal piles always run on from King to Ace, whatever their base rank.
    SetAK(kGoal, true);
    SetAK(kHome, r.HomeAK != 0);
    // Every card that the goal and reserve deals leave goes to the home area.
    SetCards(kHome, static_cast<std::int16_t>(kTotalCards - (r.ResCards + r.GoalCards)));
    Init();
}

} // namespace tabloo
