#include "Deal.h"

#include "NumText.h"
#include "Platform.h"

namespace tabloo {

std::array<std::uint8_t, kTotalCards> ShuffleCards(double gameNo, cDealRandom &random) {
    std::array<std::uint8_t, kTotalCards> shuffle{};
    std::uint8_t pool[kTotalCards];
    for (int i = 0; i < kTotalCards; ++i)
        pool[i] = static_cast<std::uint8_t>(i);
    random.rtcRandomNext(-10);
    int last = kTotalCards;
    for (int j = 0; j < kTotalCards; ++j) {
        random.rtcRandomize(gameNo);
        --last;
        // k = 0 and k = last are half as likely as the others: the deal depends on it.
        const double r = random.rtcRandomNext();
        const int k = static_cast<int>(RoundHalfEven(r * last));
        shuffle[j] = pool[k];
        pool[k] = pool[last];
    }
    return shuffle;
}

DealtGame Deal(const Variant &variant, std::string_view gameNo) {
    DealtGame d;
    const GameRules r = d.Rules = variant.Rules.Sanitized();
    cDealRandom random;
    d.Value = ShuffleCards(GameNoValue(gameNo), random);

    // The goal base: a rank, or one drawn right after the shuffle.
    d.GoalBase = r.GoalBase == kRandomBase
                     ? static_cast<std::int16_t>(static_cast<double>(random.rtcRandomNext()) * 13.0)
                     : r.GoalBase;

    // Goal pile k receives the base card of suit k, for the first GoalCards piles; every
    // other card goes onto the deck, lowest card first.
    std::uint8_t deck[kTotalCards];
    int top = 0;
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        const int v = d.Value[id];
        if (CardRank(v) == d.GoalBase && CardSuit(v) < r.GoalCards)
            d.Place[id] = {kGoal, static_cast<std::int16_t>(CardSuit(v)), 0};
        else
            deck[top++] = static_cast<std::uint8_t>(id);
    }
    // From the top of the deck round the reserve piles, then round the home piles.
    const int resCards = r.ResPiles > 0 ? r.ResCards : 0;
    for (int i = 0; i < resCards; ++i)
        d.Place[deck[--top]] = {kReserve, static_cast<std::int16_t>(i % r.ResPiles),
                                static_cast<std::int16_t>(i / r.ResPiles)};
    for (int i = 0; top > 0; ++i)
        d.Place[deck[--top]] = {kHome, static_cast<std::int16_t>(i % r.HomePiles),
                                static_cast<std::int16_t>(i / r.HomePiles)};

    // The position: pile after pile, each bottom first.
    Position &p = d.Dealt;
    SetRules(p, r.HomePiles, r.ResPiles, r.HomeOrder, r.GoalOrder, r.HomeAK != 0, true, d.GoalBase,
             variant.Rules.MultiMove == 1, variant.Autoplay);
    std::int8_t at[Position::kPiles][kTotalCards + 1];
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        const CardPlace &c = d.Place[id];
        const int pile = PileOf(c.Cell, c.Pile);
        at[pile][c.Pos] = static_cast<std::int8_t>(id);
        ++p.Len[pile];
    }
    for (int pile = 0, n = 0; pile < Position::kPiles; ++pile)
        for (int pos = 0; pos < p.Len[pile]; ++pos)
            p.Card[n++] = d.Value[at[pile][pos]];

    d.Start = p;
    d.OpeningCount = Autoplay(d.Start, d.Opening.data());
    return d;
}

Position StartPosition(const Variant &variant, std::string_view gameNo) { return Deal(variant, gameNo).Start; }

double RandomGameNo(IRandomSource &random) {
    random.SeedFromClock();
    const double v = RoundHalfEven(random.NextFraction() * kMaxGameNo);
    return v > kMaxGameNo ? kMaxGameNo : v;
}

} // namespace tabloo
