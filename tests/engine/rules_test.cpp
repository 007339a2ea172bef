// The build orders, the wrap, run capacity, what a press lifts, what a pile takes, where a card lands.
#include "TestGame.h"

namespace tabloo::test {
namespace {

TEST(Rules, BuildOrdersAndTheWrap) {
    TestGame t;
    t.TheGame.StartGame(1.0);
    struct Case {
        const char *Lower, *Upper;
        int Order;
        bool Fits = false;
    };
    // Up / down, suit rules, and an order outside 0..9 that fits nothing.
    for (auto [lower, upper, order, fits] :
         {Case{"5H", "6H", kUpSameSuit, true}, Case{"5H", "6D", kUpSameSuit, false},
          Case{"5H", "6S", kUpAlternateColor, true}, Case{"5H", "6D", kUpAlternateColor, false},
          Case{"5H", "6D", kUpRegardless, true}, Case{"5H", "4H", kUpRegardless, false},
          Case{"5H", "4H", kDownSameSuit, true}, Case{"5H", "4C", kDownAlternateColor, true},
          Case{"5H", "4D", kDownAlternateColor, false}, Case{"5H", "4D", kDownRegardless, true},
          Case{"5H", "KD", kAnyCard, true}, Case{"5H", "4H", kUpDownSameSuit, true},
          Case{"5H", "6H", kUpDownSameSuit, true}, Case{"5H", "7H", kUpDownSameSuit, false},
          Case{"5H", "6C", kUpDownAlternateColor, true}, Case{"5H", "4D", kUpDownRegardless, true},
          Case{"5H", "6H", 10, false}, Case{"5H", "6H", -1, false}})
        EXPECT_EQ(t.TheGame.FitsOrder(t.Id(lower), t.Id(upper), order, false), fits)
            << lower << " " << upper << " " << order;
    // King and Ace are neighbours only with the wrap.
    for (const Case &c : {Case{"AH", "KS", kDownAlternateColor}, Case{"KH", "AH", kUpSameSuit},
                          Case{"AH", "KH", kUpDownSameSuit}, Case{"KH", "AH", kUpDownSameSuit}}) {
        EXPECT_TRUE(t.TheGame.FitsOrder(t.Id(c.Lower), t.Id(c.Upper), c.Order, true)) << c.Lower << " " << c.Upper;
        EXPECT_FALSE(t.TheGame.FitsOrder(t.Id(c.Lower), t.Id(c.Upper), c.Order, false)) << c.Lower << " " << c.Upper;
    }
}

TEST(Rules, RunCapacityCountsEmptyReserveAndHomePiles) {
    TestGame t;
    // 4 home piles, 3 reserve piles: two reserve piles and one home pile empty.
    t.Arrange(4, 3,
              {{{kHome, 0}, "KS QH JS TH 9S 8H 7S"}, {{kHome, 1}, "2C"}, {{kHome, 2}, "3C"}, {{kReserve, 0}, "4C"}});
    EXPECT_EQ(t.TheGame.CountEmptyPiles(kReserve), 2);
    EXPECT_EQ(t.TheGame.CountEmptyPiles(kHome), 1);
    EXPECT_EQ(t.TheGame.MaxExtraCards(), 5);
    // A run of six (five riders) lifts, a run of seven does not.
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("QH")), 5);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("KS")), -1);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("7S")), 0);
    // Without multi-move no run lifts at all.
    t.Set("MultiMove", "0");
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("8H")), -1);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("7S")), 0);
    t.Set("MultiMove", "1");
    // A run out of order does not lift.
    t.Arrange(4, 3, {{{kHome, 0}, "KS QH JH TS"}});
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("JH")), 1);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("QH")), -1);
    // With nothing empty, single cards only.
    t.Arrange(
        4, 1,
        {{{kHome, 0}, "KS QH"}, {{kHome, 1}, "2C"}, {{kHome, 2}, "3C"}, {{kHome, 3}, "4C"}, {{kReserve, 0}, "5C"}});
    EXPECT_EQ(t.TheGame.MaxExtraCards(), 0);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("KS")), -1);
    // Only the top card of a reserve or goal pile lifts.
    t.Arrange(4, 1, {{{kGoal, 0}, "AH 2H 3H"}, {{kReserve, 0}, "9C"}, {{kHome, 0}, "5S"}});
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("3H")), 0);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("2H")), -1);
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("9C")), 0);
    // A card off the board lifts nothing.
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("KD")), -1);
    EXPECT_EQ(t.TheGame.PickUpCount(-1), -1);
    EXPECT_EQ(t.TheGame.PickUpCount(52), -1);
    // Under "Any Card" every stack is a run.
    t.Set("HomeOrder", "6");
    t.Arrange(4, 4, {{{kHome, 0}, "2H 9C 5D"}});
    EXPECT_EQ(t.TheGame.PickUpCount(t.Id("2H")), 2);
}

TEST(Rules, WhatEachPileTakes) {
    TestGame t;
    t.Arrange(5, 2,
              {{{kHome, 0}, "9C 8D"},
               {{kHome, 1}, "TD"},
               {{kHome, 2}, "9D"},
               {{kReserve, 0}, "KC"},
               {{kGoal, 0}, "AS"},
               {{kGoal, 1}, "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"}});
    const std::int16_t nine = t.Id("9C"), eight = t.Id("8D");
    // Home: an empty pile takes anything, a run included; a pile takes what fits; never its own.
    EXPECT_TRUE(t.TheGame.Accepts(eight, 0, kHome, 3));
    EXPECT_TRUE(t.TheGame.Accepts(nine, 1, kHome, 4));
    EXPECT_TRUE(t.TheGame.Accepts(nine, 1, kHome, 1));
    EXPECT_FALSE(t.TheGame.Accepts(nine, 1, kHome, 2));
    EXPECT_FALSE(t.TheGame.Accepts(eight, 0, kHome, 0));
    EXPECT_FALSE(t.TheGame.Accepts(eight, 0, kHome, 5)) << "there is no sixth pile";
    // Reserve: one single card, only when empty.
    EXPECT_TRUE(t.TheGame.Accepts(eight, 0, kReserve, 1));
    EXPECT_FALSE(t.TheGame.Accepts(nine, 1, kReserve, 1));
    EXPECT_FALSE(t.TheGame.Accepts(eight, 0, kReserve, 0));
    // Goal: the base rank on an empty pile, the order's next card on a pile, no run, no 14th card.
    EXPECT_TRUE(t.TheGame.Accepts(t.Id("AD"), 0, kGoal, 2));
    EXPECT_FALSE(t.TheGame.Accepts(t.Id("2D"), 0, kGoal, 2));
    EXPECT_TRUE(t.TheGame.Accepts(t.Id("2S"), 0, kGoal, 0));
    EXPECT_FALSE(t.TheGame.Accepts(t.Id("2D"), 0, kGoal, 0));
    t.SetOrder(kGoal, kUpRegardless);
    EXPECT_FALSE(t.TheGame.Accepts(t.Id("AD"), 0, kGoal, 1)) << "a full goal pile takes no Ace by the wrap";
    // A card's own goal pile is no target, even under "Any Card".
    t.SetOrder(kGoal, kAnyCard);
    EXPECT_FALSE(t.TheGame.Accepts(t.Id("AS"), 0, kGoal, 0));
    EXPECT_TRUE(t.TheGame.Accepts(t.Id("AS"), 0, kHome, 3));
}

TEST(Rules, DropSearchTakesTheCentrePileFirstThenOverlapInAreaOrder) {
    // The tests are strict. Centre: left + 532 for an even left, + 533 for an odd one; touching edges do not overlap.
    EXPECT_FALSE(Game::CardsOverlap(532, 0, 1065, 0, true)) << "centre 1064 is left of 1065";
    EXPECT_TRUE(Game::CardsOverlap(533, 0, 1065, 0, true)) << "centre 1066 lies inside";
    EXPECT_FALSE(Game::CardsOverlap(1065, 0, 0, 0, false));
    EXPECT_TRUE(Game::CardsOverlap(1064, 0, 0, 0, false));
    EXPECT_FALSE(Game::CardsOverlap(0, 1440, 0, 0, false));
    TestGame t;
    t.Arrange(8, 4, {{{kHome, 0}, "9S"}, {{kHome, 1}, "9C"}, {{kHome, 2}, "5D"}, {{kHome, 3}, "8H"}});
    const std::int16_t eight = t.Id("8H");
    const std::int16_t x0 = t.TheGame.PlaceX(kHome, 0, 0), x1 = t.TheGame.PlaceX(kHome, 1, 0);
    const std::int16_t y = t.TheGame.PlaceY(kHome, 0, 0);
    // Centre over pile 1, overlapping pile 0 too: pile 1 wins.
    EXPECT_EQ(t.TheGame.FindDropTarget(eight, 0, static_cast<std::int16_t>(x1 - 400), y), (PileRef{kHome, 1}));
    // Centre over pile 2, which refuses: the overlap pass finds pile 1.
    const std::int16_t x2 = t.TheGame.PlaceX(kHome, 2, 0);
    EXPECT_EQ(t.TheGame.FindDropTarget(eight, 0, static_cast<std::int16_t>(x2 - 300), y), (PileRef{kHome, 1}));
    // Exactly on a pile's place: the centre test is strict but the centre lies inside.
    EXPECT_EQ(t.TheGame.FindDropTarget(eight, 0, x0, y), (PileRef{kHome, 0}));
    // Over nothing.
    EXPECT_FALSE(t.TheGame.FindDropTarget(eight, 0, 0, 9000).Valid());
    // Dropped back on its own pile, overlapping nothing else: no target.
    const std::int16_t x3 = t.TheGame.PlaceX(kHome, 3, 0);
    EXPECT_FALSE(t.TheGame.FindDropTarget(eight, 0, x3, y).Valid());
    // An empty home pile is hit one fan step above its first card's place.
    const std::int16_t x5 = t.TheGame.PlaceX(kHome, 5, 0);
    EXPECT_EQ(t.TheGame.FindDropTarget(eight, 0, x5, static_cast<std::int16_t>(y - 250)), (PileRef{kHome, 5}));
    // A reserve pile by the top row; a run is refused there.
    const std::int16_t rx = t.TheGame.PlaceX(kReserve, 2, 0), ry = t.TheGame.PlaceY(kReserve, 2, 0);
    EXPECT_EQ(t.TheGame.FindDropTarget(eight, 0, rx, ry), (PileRef{kReserve, 2}));
    EXPECT_FALSE(t.TheGame.FindDropTarget(t.Id("9S"), 1, rx, ry).Valid());
}

TEST(Rules, PlayMoveRefusesWhatTheRulesRefuseAndChangesNothing) {
    TestGame t;
    t.Arrange(4, 1, {{{kHome, 0}, "9S 8H"}, {{kHome, 1}, "TD"}, {{kReserve, 0}, "KC"}});
    const std::string before = t.Board();
    EXPECT_FALSE(t.Move(kHome, 0, 1, kHome, 1)) << "8H does not go on TD";
    EXPECT_FALSE(t.Move(kHome, 0, 0, kReserve, 0)) << "a run never goes to a reserve pile";
    EXPECT_FALSE(t.Move(kHome, 1, 0, kGoal, 0)) << "the goal piles start with the Ace";
    EXPECT_FALSE(t.Move(kHome, 0, 1, 7, 0));
    EXPECT_FALSE(t.Move(kHome, 0, 1, kHome, 9));
    EXPECT_EQ(t.Board(), before);
    EXPECT_EQ(t.TheGame.MovesInForce(), 0);
    // A run of two onto an empty pile, then back onto the Ten.
    EXPECT_TRUE(t.Move(kHome, 0, 0, kHome, 2));
    EXPECT_EQ(t.Pile(kHome, 2), " 9S 8H");
    EXPECT_TRUE(t.Move(kHome, 2, 0, kHome, 1));
    EXPECT_EQ(t.Pile(kHome, 1), " TD 9S 8H");
    EXPECT_EQ(t.TheGame.MovesInForce(), 2);
    EXPECT_EQ(std::count(t.View.Sounds.begin(), t.View.Sounds.end(), "CardUp"), 2);
    EXPECT_TRUE(Consistent(t.TheGame));
}

} // namespace
} // namespace tabloo::test
