// Autoplay: the depth-first cascade, pile order, full goal piles, the deal, and undo.
#include "TestGame.h"

namespace tabloo::test {
namespace {

TEST(Autoplay, CascadeRunsDepthFirstAndEveryCardIsALoggedMove) {
    TestGame t;
    t.Arrange(4, 2, {{{kHome, 0}, "3H 2S"}, {{kHome, 1}, "9C AH"}, {{kHome, 2}, "2H AS"}, {{kReserve, 0}, "KD"}});
    // On, it plays at once: AH (pile 1); its rescan finds AS (pile 2), whose finds 2S before 2H, then 3H.
    EXPECT_TRUE(t.TheGame.ToggleAutoplay());
    EXPECT_EQ(t.Pile(kGoal, 0), " AH 2H 3H");
    EXPECT_EQ(t.Pile(kGoal, 1), " AS 2S");
    std::vector<std::string> order;
    for (std::int16_t i = 1; i <= t.TheGame.MovesInForce(); ++i) {
        const cCard &c = t.TheGame.Card(t.TheGame.LogRecord(i).PicID);
        order.push_back(std::string(1, "A23456789TJQK"[c.Num]) + "HSDC"[c.Suit]);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"AH", "AS", "2S", "2H", "3H"}));
    EXPECT_EQ(std::count(t.View.Sounds.begin(), t.View.Sounds.end(), "AutoPlay"), 5);
    EXPECT_TRUE(Consistent(t.TheGame));
    // Taking one back leaves it back until the next play move sends it up again.
    EXPECT_TRUE(t.TheGame.Undo(0));
    EXPECT_EQ(t.Pile(kHome, 0), " 3H");
    EXPECT_TRUE(t.Move(kReserve, 0, 0, kReserve, 1));
    EXPECT_EQ(t.Pile(kGoal, 0), " AH 2H 3H");
    EXPECT_EQ(t.TheGame.MovesInForce(), 6);
}

TEST(Autoplay, LowerGoalPileFirstAndFullGoalPilesAreSkipped) {
    TestGame t;
    t.Set("GoalOrder", "2"); // up regardless of suit
    t.Arrange(4, 1,
              {{{kGoal, 0}, "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS"},
               {{kGoal, 1}, "AH"},
               {{kGoal, 2}, "AD"},
               {{kHome, 0}, "2C"},
               {{kHome, 1}, "AC"},
               {{kReserve, 0}, "3C"}});
    t.Set("Autoplay", "1");
    t.TheGame.AutoplayAll();
    // 2C fits piles 1 and 2: pile 1 takes it; AC skips the full pile 0 for pile 3; 3C follows the 2C.
    EXPECT_EQ(t.Pile(kGoal, 1), " AH 2C 3C");
    EXPECT_EQ(t.Pile(kGoal, 3), " AC");
    EXPECT_EQ(t.TheGame.TopPos(kGoal, 0), 12);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Autoplay, AceBasedGameSendsAcesAndFollowersUpBeforeTheFirstMove) {
    // Every Ace on a top goes up at the deal, then whatever became a top and fits.
    for (int gameNo = 1; gameNo <= 40; ++gameNo) {
        TestGame t;
        t.TheGame.StartGame(static_cast<double>(gameNo));
        EXPECT_EQ(t.TheGame.MovesInForce(), t.TheGame.GoalCardCount());
        for (std::int16_t p = 0; p < 8; ++p) {
            const std::int16_t top = t.TheGame.TopCard(kHome, p);
            for (std::int16_t g = 0; g < 4 && top >= 0; ++g)
                EXPECT_FALSE(t.TheGame.Accepts(top, 0, kGoal, g)) << "game " << gameNo << " left a playable card";
        }
    }
}

} // namespace
} // namespace tabloo::test
