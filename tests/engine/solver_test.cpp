// The solver: pinned verdicts, wins replayed, unwinnable verdicts checked line by line, budget, cancel.
#include "TestGame.h"
#include "cSolver.h"

namespace tabloo::test {
namespace {

struct Deal {
    std::string Sets;
    double GameNo;
    Verdict Expected;
};

// Plays the solver's moves through the game, as the player would drop them, to the win.
::testing::AssertionResult Replays(TestGame &t, const std::vector<Move> &moves) {
    if (PlayMoves(t.TheGame, moves) && t.TheGame.WinNoticed())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the moves do not play to a win\n" << t.Board();
}

// Every line of play from the game's position, through the game itself: can any be won.
bool AnyWinThroughTheGame(TestGame &t, std::set<std::string> &seen) {
    if (t.TheGame.WinNoticed())
        return true;
    const std::string board = t.Board();
    const auto from = board.find("base"), to = board.find("moves");
    if (!seen.insert(board.substr(from, to - from)).second)
        return false;
    for (const LegalMove &m : t.TheGame.LegalMoves()) {
        const std::int16_t before = t.TheGame.MovesInForce();
        EXPECT_TRUE(t.TheGame.PlayMove(m.PicID, m.Target));
        const bool won = AnyWinThroughTheGame(t, seen);
        while (t.TheGame.MovesInForce() > before)
            t.TheGame.Undo(0);
        if (won)
            return true;
    }
    return false;
}

TEST(Solver, PinnedVerdictsAndEveryWinReplaysThroughTheGame) {
    const std::vector<Deal> deals = {
        {"", 1, Verdict::Winnable},
        {"", 123, Verdict::Winnable},
        {"GoalOrder=3", 9, Verdict::Winnable},
        {"Autoplay=0", 3, Verdict::Winnable},
        {"GoalBase=13 GoalOrder=7", 5, Verdict::Winnable},
        {"ResCards=4 GoalCards=4", 1, Verdict::Winnable},
        {"HomeAK=1 HomeOrder=5 HomePiles=10", 2, Verdict::Winnable},
        {"ResPiles=1 HomePiles=6", 7, Verdict::Unwinnable},
        {"HomePiles=5 ResPiles=2 MultiMove=0", 7, Verdict::Unwinnable},
        {"HomePiles=4 ResPiles=2", 4, Verdict::Unwinnable},
    };
    cSolver solver;
    for (const Deal &d : deals) {
        TestGame t;
        t.Set(d.Sets);
        t.TheGame.StartGame(d.GameNo);
        const SolveResult r = solver.Solve(t.TheGame.CurrentPosition());
        ASSERT_EQ(r.Outcome, d.Expected) << "game " << d.GameNo << "\n" << t.Board();
        if (r.Outcome == Verdict::Winnable) {
            EXPECT_TRUE(Replays(t, r.Moves)) << "game " << d.GameNo;
        } else {
            // An unwinnable verdict is a whole search: no line of play wins.
            std::set<std::string> seen;
            EXPECT_FALSE(AnyWinThroughTheGame(t, seen)) << "game " << d.GameNo;
            EXPECT_GT(r.States, 1u);
        }
    }
}

TEST(Solver, SolvesTheGameWhereItStandsAfterUndo) {
    TestGame t;
    t.TheGame.StartGame(123.0);
    cSolver solver;
    const SolveResult first = solver.Solve(t.TheGame.CurrentPosition());
    ASSERT_EQ(first.Outcome, Verdict::Winnable);
    // Part of the way, then back far enough that autoplayed cards lie in play again.
    ASSERT_TRUE(PlayMoves(t.TheGame, first.Moves, 12));
    const std::int16_t goal = t.TheGame.GoalCardCount();
    while (t.TheGame.GoalCardCount() == goal)
        ASSERT_TRUE(t.TheGame.Undo(0));
    int from, to;
    ASSERT_TRUE(NextAutoplay(t.TheGame.CurrentPosition(), from, to)) << "a card autoplay would take lies in play";
    const SolveResult again = solver.Solve(t.TheGame.CurrentPosition());
    ASSERT_EQ(again.Outcome, Verdict::Winnable);
    EXPECT_TRUE(Replays(t, again.Moves));
    // A won position needs no move.
    const SolveResult won = solver.Solve(t.TheGame.CurrentPosition());
    EXPECT_EQ(won.Outcome, Verdict::Winnable);
    EXPECT_TRUE(won.Moves.empty());
}

TEST(Solver, BudgetRunsOutAsUnknownAndCancellingStops) {
    TestGame t;
    t.TheGame.StartGame(61.0); // needs tens of thousands of positions
    const SolveResult r = cSolver(40).Solve(t.TheGame.CurrentPosition());
    EXPECT_EQ(r.Outcome, Verdict::Unknown);
    EXPECT_EQ(r.States, 40u);
    EXPECT_TRUE(r.Moves.empty());
    // A budget of one position is the start alone: no search goes past it.
    const SolveResult one = cSolver(1).Solve(t.TheGame.CurrentPosition());
    EXPECT_EQ(one.Outcome, Verdict::Unknown);
    EXPECT_EQ(one.States, 1u);
    const std::atomic<bool> stop{true};
    EXPECT_EQ(cSolver().Solve(t.TheGame.CurrentPosition(), &stop).Outcome, Verdict::Cancelled);
}

} // namespace
} // namespace tabloo::test
