// The move log: undo and redo chains, runs, growth, the limit of a game, and sounds.
#include "TestGame.h"

namespace tabloo::test {
namespace {

TEST(Trans, UndoRedoChainAndANewMoveDropsTheRedoneMoves) {
    TestGame t;
    t.Arrange(4, 4, {{{kHome, 0}, "KS"}, {{kHome, 1}, "QH"}, {{kHome, 2}, "JS"}, {{kHome, 3}, "5D"}});
    t.View.Sounds.clear();
    EXPECT_FALSE(t.TheGame.Undo(5)) << "a fresh log has nothing to take back";
    EXPECT_TRUE(t.View.Sounds.empty());
    ASSERT_TRUE(t.Move(kHome, 1, 0, kHome, 0));
    ASSERT_TRUE(t.Move(kHome, 2, 0, kHome, 0));
    ASSERT_TRUE(t.Move(kHome, 3, 0, kReserve, 0));
    EXPECT_TRUE(t.TheGame.Undo(3));
    EXPECT_TRUE(t.TheGame.Undo(3));
    EXPECT_EQ(t.TheGame.MovesInForce(), 1);
    EXPECT_TRUE(t.TheGame.CanRedo());
    EXPECT_EQ(t.Pile(kHome, 2), " JS");
    EXPECT_EQ(t.Pile(kHome, 3), " 5D");
    ASSERT_TRUE(t.Move(kHome, 3, 0, kReserve, 1));
    EXPECT_EQ(t.TheGame.MovesInForce(), 2);
    EXPECT_FALSE(t.TheGame.CanRedo());
    EXPECT_FALSE(t.TheGame.Redo(3));
    EXPECT_EQ(t.TheGame.LogLength(), 2);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Trans, RunComesBackWholeAndSoundsFollowTheSpeed) {
    TestGame t;
    t.Arrange(4, 4, {{{kHome, 0}, "KS QH JS TH"}, {{kHome, 1}, "KD"}});
    ASSERT_TRUE(t.Move(kHome, 0, 1, kHome, 2)) << "a run of three onto an empty pile";
    EXPECT_EQ(t.Pile(kHome, 2), " QH JS TH");
    EXPECT_EQ(t.TheGame.LogRecord(1).mCards, 2);
    t.View.Sounds.clear();
    EXPECT_TRUE(t.TheGame.Undo(3));
    EXPECT_TRUE(t.View.Sounds.empty()) << "speed 3 is silent";
    EXPECT_EQ(t.Pile(kHome, 0), " KS QH JS TH");
    EXPECT_EQ(t.TheGame.TopPos(kHome, 2), -1);
    EXPECT_TRUE(t.TheGame.Redo(4));
    EXPECT_EQ(t.View.Sounds, std::vector<std::string>{"Redo"});
    EXPECT_TRUE(t.TheGame.Undo(4));
    EXPECT_EQ(t.View.Sounds, (std::vector<std::string>{"Redo", "Undo"}));
    // The travel of an undo uses the speed given.
    EXPECT_EQ(t.View.Travels.back().Steps, 4);
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Trans, TheLogRefusesMoveThirtyTwoThousandSevenHundredAndOne) {
    TestGame t;
    t.Arrange(4, 2, {{{kReserve, 0}, "KS"}});
    // The King goes back and forth between the reserve piles.
    for (int i = 0; i < cTrans::kMaxMoves; ++i)
        ASSERT_TRUE(t.Move(kReserve, i % 2, 0, kReserve, (i + 1) % 2)) << i;
    EXPECT_EQ(t.TheGame.MovesInForce(), 32700);
    EXPECT_EQ(t.TheGame.LogRecord(1).DPile, 1);
    EXPECT_EQ(t.TheGame.LogRecord(32700).DPile, 0);
    const std::string before = t.Board();
    EXPECT_FALSE(t.Move(kReserve, 0, 0, kReserve, 1));
    EXPECT_EQ(t.Board(), before);
    EXPECT_EQ(t.TheGame.MovesInForce(), 32700);
    // Undo still works at the limit, and then a move fits again.
    EXPECT_TRUE(t.TheGame.Undo(0));
    EXPECT_TRUE(t.Move(kReserve, 1, 0, kReserve, 0));
    EXPECT_TRUE(Consistent(t.TheGame));
}

TEST(Trans, RedoThatCompletesTheGoalPilesWinsAndUndoMovesNeverAutoplay) {
    TestGame t;
    t.Set("GoalCards=4 GoalOrder=6 Autoplay=0");
    t.TheGame.StartGame(9.0);
    // With autoplay off every card is played home by hand.
    while (t.TheGame.GoalCardCount() < 52) {
        bool moved = false;
        for (std::int16_t p = 0; p < 8 && !moved; ++p)
            for (std::int16_t g = 0; g < 4 && !moved; ++g)
                if (t.TheGame.TopPos(kHome, p) >= 0 && t.TheGame.TopPos(kGoal, g) < 12)
                    moved = t.Move(kHome, p, t.TheGame.TopPos(kHome, p), kGoal, g);
        ASSERT_TRUE(moved);
    }
    EXPECT_EQ(t.View.Won, 1);
    const std::string won = t.Board();
    t.Set("Autoplay", "1");
    // Taking the winning move back takes the win back; making it again wins again.
    t.TheGame.Undo(0);
    EXPECT_FALSE(t.TheGame.WinNoticed());
    t.TheGame.Redo(0);
    EXPECT_TRUE(t.TheGame.WinNoticed());
    EXPECT_EQ(t.View.Won, 2);
    t.TheGame.UndoAll(0);
    EXPECT_EQ(t.TheGame.GoalCardCount(), 4) << "undo steps do not autoplay";
    t.TheGame.RedoAll(0);
    EXPECT_EQ(t.Board(), won);
    EXPECT_EQ(t.View.Won, 3) << "told once each time the goal piles fill";
}

// Random games across variants: undo all gives the deal back, redo up to where play ended its board.
TEST(Trans, RandomPlayWithUndoAndRedoKeepsTheBoardWhole) {
    std::mt19937 rng(7);
    const char *variants[] = {
        "HomePiles=8 ResPiles=4 ResCards=0 GoalCards=0 GoalBase=0 HomeOrder=4 GoalOrder=0 HomeAK=0",
        "HomePiles=4 ResPiles=0 ResCards=0 GoalCards=4 GoalBase=13 HomeOrder=6 GoalOrder=2 HomeAK=1",
        "HomePiles=10 ResPiles=2 ResCards=2 GoalCards=2 GoalBase=6 HomeOrder=9 GoalOrder=1 HomeAK=1",
        "HomePiles=6 ResPiles=4 ResCards=4 GoalCards=1 GoalBase=12 HomeOrder=2 GoalOrder=5 HomeAK=0",
        "HomePiles=5 ResPiles=1 ResCards=1 GoalCards=3 GoalBase=13 HomeOrder=7 GoalOrder=3 HomeAK=1"};
    for (const char *v : variants) {
        for (int game = 0; game < 6; ++game) {
            TestGame t;
            t.Set(v);
            t.Set("Autoplay", game % 2 ? "1" : "0");
            t.TheGame.StartGame(static_cast<double>(rng() % 1000000));
            ASSERT_TRUE(Consistent(t.TheGame));
            t.TheGame.UndoAll(0);
            const std::string deal = t.Board();
            t.TheGame.RedoAll(0);
            PlayAWhile(t.TheGame, rng, 150);
            const std::string end = t.Board();
            const int moves = t.TheGame.MovesInForce();
            t.TheGame.UndoAll(0);
            EXPECT_EQ(t.Board(), deal);
            t.TheGame.RedoAll(0);
            EXPECT_TRUE(Consistent(t.TheGame));
            while (t.TheGame.MovesInForce() > moves)
                ASSERT_TRUE(t.TheGame.Undo(0));
            EXPECT_EQ(t.Board(), end);
        }
    }
}

} // namespace
} // namespace tabloo::test
