// Whole deals pinned card by card, the deal's variants, the pure deal, and the board geometry.
#include "Deal.h"
#include "TestGame.h"
#include "cDealer.h"

namespace tabloo::test {
namespace {

TEST(Deal, Game123UnderDefaultRulesIsPinnedAndRestartsTheSame) {
    TestGame t;
    t.TheGame.StartGame(std::string_view("123"));
    EXPECT_EQ(t.Board(), "game 123\n"
                         "base A\n"
                         "home 0: 8D 9C TH KS 9D 4D 4C\n"
                         "home 1: 5C QC 4H AD 9H 6C TC\n"
                         "home 2: JD QH 9S 8S KD 7H JH\n"
                         "home 3: 2H 3C 4S AH 5D JS 8C\n"
                         "home 4: QS 7S 3H JC TD 3S\n"
                         "home 5: 5H 6D 8H 6H TS 7C\n"
                         "home 6: 2S 7D 2D QD KH\n"
                         "home 7: KC 6S 2C 3D 5S\n"
                         "reserve 0:\nreserve 1:\nreserve 2:\nreserve 3:\n"
                         "goal 0: AS\ngoal 1: AC\ngoal 2:\ngoal 3:\n"
                         "moves 2\n");
    EXPECT_TRUE(Consistent(t.TheGame));
    EXPECT_EQ(t.View.Title, "Tabloo 3.0 [Player 1] [123]");
    EXPECT_TRUE(t.TheGame.Running());
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 0);
    // Restarted, the same cards; the abandoned game counts as lost.
    const std::string first = t.Board();
    t.Clock.Now += 60;
    t.TheGame.StartGame(t.TheGame.GameNo());
    EXPECT_EQ(t.Board(), first);
    EXPECT_EQ(t.Store.GetPlayerGames(1), 1);
    EXPECT_EQ(t.Store.GetPlayerWin(1), 0);
}

TEST(Deal, WithoutAutoplayHomePilesGetSevenAndSixAndNothingIsLogged) {
    TestGame t;
    t.Set("Autoplay", "0");
    t.TheGame.StartGame(123.0);
    for (std::int16_t p = 0; p < 8; ++p)
        EXPECT_EQ(t.TheGame.TopPos(kHome, p), p < 4 ? 6 : 5) << "pile " << p;
    EXPECT_EQ(t.TheGame.GoalCardCount(), 0);
    EXPECT_EQ(t.TheGame.MovesInForce(), 0);
    EXPECT_EQ(t.TheGame.TopPos(kDeck, 0), -1);
    // Every card flies to its pile in deal mode; the goal markers show the Ace.
    ASSERT_EQ(t.View.Travels.size(), 104u);
    EXPECT_EQ(t.View.Travels.back().Mode, kDealMove);
    EXPECT_EQ((t.View.Markers[{kGoal, 3}]), 0);
    // All cards face up once dealt, and the start sound was asked for.
    for (std::int16_t id = 0; id < kTotalCards; ++id)
        EXPECT_TRUE(t.TheGame.Card(id).FaceUp());
    EXPECT_EQ(std::count(t.View.Sounds.begin(), t.View.Sounds.end(), "Start"), 1);
    // Nor after a move: the Ace of clubs played to a free cell stays there.
    EXPECT_TRUE(t.Move(kHome, 7, t.TheGame.TopPos(kHome, 7), kReserve, 0));
    EXPECT_EQ(t.TheGame.GoalCardCount(), 0);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Deal, GoalAndReserveCardsVariants) {
    TestGame t;
    t.Set("Autoplay=0 GoalCards=4 ResCards=4");
    t.TheGame.StartGame(std::string_view("77"));
    // The Aces go up first; each reserve pile gets one card, the 44 others go round the home piles.
    EXPECT_EQ(t.Board(), "game 77\n"
                         "base A\n"
                         "home 0: 3D 4D 8H 7D 7C 5S\n"
                         "home 1: 6H QS TS 8C KS KD\n"
                         "home 2: JD 8S 8D 5D 4S 7S\n"
                         "home 3: 3S JH 9H QH TC KH\n"
                         "home 4: 2D 9D 3H 6D QD\n"
                         "home 5: JS QC 6S 9C TD\n"
                         "home 6: 2S 4H 6C 9S 5H\n"
                         "home 7: 3C 2H 7H JC KC\n"
                         "reserve 0: 2C\nreserve 1: 4C\nreserve 2: 5C\nreserve 3: TH\n"
                         "goal 0: AH\ngoal 1: AS\ngoal 2: AD\ngoal 3: AC\n"
                         "moves 0\n");
    EXPECT_TRUE(Consistent(t.TheGame));
    EXPECT_EQ(t.TheGame.DealtCards(kHome), 44);

    // Two goal cards take only the base cards of suit piles 0 and 1.
    t.Set("GoalCards=2 GoalBase=6 ResPiles=2 ResCards=2");
    t.TheGame.StartGame(std::string_view("4242"));
    EXPECT_EQ(t.Pile(kGoal, 0) + "|" + t.Pile(kGoal, 1) + "|" + t.Pile(kGoal, 2), " 7H| 7S|");
    EXPECT_EQ(t.TheGame.TopPos(kReserve, 0), 0);
    EXPECT_EQ(t.TheGame.TopPos(kReserve, 1), 0);
    EXPECT_EQ(t.TheGame.Piles(kReserve), 2);
    EXPECT_EQ((t.View.Markers[{kGoal, 3}]), 6);
    // The Seven of diamonds and of clubs are dealt like any card.
    EXPECT_EQ(t.TheGame.Card(t.Id("7D")).Cell, kHome);
    EXPECT_EQ(t.TheGame.Card(t.Id("7C")).Cell, kHome);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Deal, RandomBaseIsFixedByTheGameNumberAndShownOnEveryGoalMarker) {
    std::set<int> bases;
    for (int gameNo = 1; gameNo <= 12; ++gameNo) {
        TestGame t;
        t.Set("GoalBase=13 GoalCards=4");
        t.TheGame.StartGame(static_cast<double>(gameNo));
        const int base = t.TheGame.GoalBase();
        bases.insert(base);
        for (std::int16_t p = 0; p < 4; ++p) {
            EXPECT_EQ((t.View.Markers[{kGoal, p}]), base);
            EXPECT_EQ(t.TheGame.Card(t.TheGame.CardAt(kGoal, p, 0)).Num, base);
        }
    }
    EXPECT_GT(bases.size(), 3u) << "the base rank should vary with the game number";
    // Pinned: game 12345 starts its goal piles with the rank below, whenever it is dealt.
    for (int again = 0; again < 2; ++again) {
        TestGame t;
        t.Set("GoalBase", "13");
        t.TheGame.StartGame(12345.0);
        EXPECT_EQ(t.Board().substr(0, t.Board().find('\n', 11) + 1), "game 12345\nbase 9\n");
    }
}

// The game dealt under `v` and the pure deal agree: cards, places, goal base, first autoplay.
void ExpectSameDeal(const Variant &v, const std::string &gameNo, const std::string &what) {
    const DealtGame d = Deal(v, gameNo);
    TestGame played, dealt;
    for (TestGame *t : {&played, &dealt}) {
        const GameRules &r = v.Rules;
        for (auto [key, value] :
             {std::pair{"HomePiles", r.HomePiles}, std::pair{"ResPiles", r.ResPiles},
              std::pair{"HomeOrder", r.HomeOrder}, std::pair{"GoalOrder", r.GoalOrder},
              std::pair{"GoalCards", r.GoalCards}, std::pair{"ResCards", r.ResCards}, std::pair{"GoalBase", r.GoalBase},
              std::pair{"HomeAK", r.HomeAK}, std::pair{"MultiMove", r.MultiMove}})
            t->Set(key, std::to_string(value));
        t->Set("Autoplay", t == &played ? (v.Autoplay ? "1" : "0") : "0");
        ASSERT_EQ(t->Store.StoredVariant(), (Variant{r, t == &played && v.Autoplay})) << what;
        t->TheGame.StartGame(std::string_view(gameNo));
    }
    const Game &g = played.TheGame;
    ASSERT_EQ(d.Start, g.CurrentPosition()) << what << '\n' << played.Board();
    EXPECT_EQ(d.GoalBase, g.GoalBase()) << what;
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        ASSERT_EQ(d.Value[id], g.CardValue(id)) << what;
        const cCard &c = dealt.TheGame.Card(id);
        ASSERT_EQ(d.Place[id], (CardPlace{c.Cell, c.Pile, c.Pos})) << what << " card " << id;
    }
    Position before = dealt.TheGame.CurrentPosition();
    before.Autoplay = v.Autoplay;
    EXPECT_EQ(d.Dealt, before) << what;
    // The first autoplay as the game logs it: card by card, to the same goal piles.
    ASSERT_EQ(d.OpeningCount, g.LogLength()) << what;
    for (int k = 0; k < d.OpeningCount; ++k) {
        const TransRecord &r = g.Log()[k];
        EXPECT_EQ(d.Opening[k].Card, g.CardValue(r.PicID)) << what;
        EXPECT_EQ(AreaOf(d.Opening[k].Pile), r.DCell) << what;
        EXPECT_EQ(AreaPile(d.Opening[k].Pile), r.DPile) << what;
    }
}

TEST(Deal, PureDealIsTheGamesOverEveryValueOfEverySetting) {
    // Each setting's values, with some out of range that count as their defaults (or, for
    // a build order, fit no pair); the first cases take every value in turn.
    const std::vector<std::int16_t> homePiles{4, 5, 6, 7, 8, 9, 10, 3, 11}, resPiles{0, 1, 2, 3, 4, -1, 5},
        resCards{0, 1, 2, 3, 4, 5, -1}, goalCards{0, 1, 2, 3, 4, -1, 5},
        goalBase{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 13, 13, -1, 14},
        orders{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, -3}, flags{0, 1, 2};
    // Game numbers as text: leading zeros, a fraction, an exponent, a sign, no number (game 0).
    const std::vector<std::string> texts{"00012", "1e3", "12.5", "+5",   "-7", "0x1F",           "abc",
                                         "",      " 42", "inf",  "7abc", "0",  "999999999999999"};
    std::mt19937 rng(20261209);
    for (int i = 0; i < 400; ++i) {
        auto pick = [&](const std::vector<std::int16_t> &values) {
            return values[i < static_cast<int>(values.size()) ? i : rng() % values.size()];
        };
        Variant v;
        v.Rules.HomePiles = pick(homePiles);
        v.Rules.ResPiles = pick(resPiles);
        v.Rules.ResCards = pick(resCards);
        v.Rules.GoalCards = pick(goalCards);
        v.Rules.GoalBase = pick(goalBase);
        v.Rules.HomeOrder = pick(orders);
        v.Rules.GoalOrder = pick(orders);
        v.Rules.HomeAK = pick(flags);
        v.Rules.MultiMove = pick(flags);
        v.Autoplay = pick(flags) != 0;
        const std::string gameNo = i % 3 == 0 ? texts[i / 3 % texts.size()] : std::to_string(rng() % 1000000);
        ExpectSameDeal(v, gameNo, "case " + std::to_string(i) + " game '" + gameNo + "'");
        if (HasFatalFailure())
            return;
    }
}

TEST(Deal, DealerDealsAsANewGameDrawsAndDeals) {
    TestGame t;
    t.Set("GoalBase=13 GoalCards=3");
    const cDealer dealer(t.Store.StoredVariant());
    for (double gameNo : {1.0, 123.0, 2.5, 3.5, 999999999999999.0}) {
        t.TheGame.StartGame(gameNo);
        EXPECT_EQ(dealer.Deal(gameNo), t.TheGame.CurrentPosition()) << gameNo;
    }
    // The same fractions make the same game numbers, up to the highest.
    for (double f : {0.0, 0.25, 0.9999999999999999}) {
        ScriptedRandom mine;
        mine.Values = t.Random.Values = {f};
        t.Random.Next = 0;
        EXPECT_EQ(RandomGameNo(mine), t.TheGame.RandomGameNo()) << f;
        EXPECT_EQ(mine.Seeds, 1);
    }
}

TEST(Board, HomePilesSitSideBySideAroundTheMiddleAndFanDown) {
    cGames g;
    GameRules rules;
    for (auto [piles, startx] : {std::pair{4, 3495}, {7, 1748}, {8, 1165}, {10, 0}}) {
        rules.HomePiles = static_cast<std::int16_t>(piles);
        g.FillFromRules(rules);
        for (std::int16_t p = 0; p < piles; ++p)
            EXPECT_EQ(g.GetCordX(kHome, p, 3), startx + 1965 + 1165 * p) << piles << " piles";
    }
    EXPECT_EQ(g.GetCordY(kHome, 0, 0), 1840);
    EXPECT_EQ(g.GetCordY(kHome, 0, 52), 14840);
    // Reserve and goal cards lie square on each other.
    EXPECT_EQ(g.GetCordX(kReserve, 1, 1), g.GetCordX(kReserve, 1, 0));
    EXPECT_EQ(g.GetCordY(kGoal, 2, 5), g.GetCordY(kGoal, 2, 0));
}

// (A stored order outside 0..9, which fits no pair, is among the position test's variants.)
TEST(Board, StoredRulesOutsideTheirRangeCountAsDefaults) {
    TestGame t;
    t.Set("Autoplay=0 HomePiles=abc ResPiles=9 GoalCards=-1 GoalBase=14");
    t.TheGame.StartGame(5.0);
    EXPECT_EQ(t.TheGame.Piles(kHome), 8);
    EXPECT_EQ(t.TheGame.Piles(kReserve), 4);
    EXPECT_EQ(t.TheGame.DealtCards(kGoal), 0);
    EXPECT_EQ(t.TheGame.GoalBase(), 0);
    // More reserve cards than reserve piles: none are dealt there.
    t.Set("ResPiles=2 ResCards=3");
    t.TheGame.StartGame(5.0);
    EXPECT_EQ(t.TheGame.TopPos(kReserve, 0), -1);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Board, EndingAGameTakesTheBoardDownAndAutoplayFindsNothing) {
    TestGame t;
    t.TheGame.StartGame(123.0);
    t.TheGame.EndGame(0);
    EXPECT_FALSE(t.TheGame.Running());
    EXPECT_EQ(t.View.Cleared, 1);
    EXPECT_EQ(t.TheGame.MovesInForce(), 0);
    for (std::int16_t cell : {kHome, kReserve, kGoal, kDeck})
        for (std::int16_t p = 0; p < 10; ++p)
            EXPECT_EQ(t.TheGame.TopPos(cell, p), -1) << cell << " " << p;
    // Autoplay switched off and on again between games plays nothing.
    EXPECT_FALSE(t.TheGame.ToggleAutoplay());
    const auto sounds = t.View.Sounds.size();
    EXPECT_TRUE(t.TheGame.ToggleAutoplay());
    EXPECT_EQ(t.View.Sounds.size(), sounds);
    EXPECT_EQ(t.TheGame.PickUpCount(0), -1);
    EXPECT_TRUE(t.TheGame.LegalMoves().empty());
    // A new game loads the board again.
    t.TheGame.StartGame(123.0);
    EXPECT_TRUE(Consistent(t.TheGame));
}

} // namespace
} // namespace tabloo::test
