// The solver at the table: verdict line, hints, Show Solution, winnable deals, the variant dialog's odds.
#include "WindowFixture.h"
#include "cAdvisor.h"
#include "cOdds.h"
#include "cSolveService.h"

namespace tabloo::test {
namespace {

// Runs the event loop until `done` holds (an answer from a worker thread), 10 s at most.
template <typename F> bool Until(F done) { return QTest::qWaitFor(done, 10000); }

QString Line(Window &w) { return w.W.findChild<QLabel *>("lblVerdict")->text(); }

// No free cells and ten home piles: game 5 can be won, game 4 cannot.
void NoFreeCells(Window &w) { w.Set("ResPiles=0 HomePiles=10"); }

// Starts game `number` on the settings as they stand (Window::Deal sets Autoplay), and lets the
// window catch up, as its timer would.
void Start(Window &w, double number) {
    w.TheGame().StartGame(number);
    w.Tick();
}

void Key(Window &w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&w.W, key, mods); }

TEST(Advisor, TheVerdictLineFollowsTheBoardAndItsSettingAndADealClearsItAtOnce) {
    Window w;
    NoFreeCells(w);
    Start(w, 5.0);
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Winnable"); }));
    Start(w, 4.0);
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Not winnable"); }));
    EXPECT_EQ(w.W.advisor().Current(), cAdvisor::Verdict::NotWinnable);

    // A move and its undo each get a verdict; a position already answered starts no search.
    Start(w, 5.0);
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Winnable"); }));
    ASSERT_FALSE(w.TheGame().LegalMoves().empty());
    w.TheGame().PlayMove(w.TheGame().LegalMoves().front().PicID, w.TheGame().LegalMoves().front().Target);
    w.W.advisor().Refresh();
    EXPECT_TRUE(Until([&] {
        return w.W.advisor().Current() == cAdvisor::Verdict::Winnable ||
               w.W.advisor().Current() == cAdvisor::Verdict::NotWinnable;
    }));
    Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Winnable"); }));

    // Turned off in Customize, the line says nothing.
    w.Set("ShowVerdict", "0");
    w.W.advisor().Refresh();
    EXPECT_EQ(Line(w), QString());
    w.Set("ShowVerdict", "1");
    w.W.advisor().Refresh();
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Winnable"); }));

    // A new deal empties the line until its own answer (or the thinking sign) comes.
    w.W.RunCommand("F1");
    EXPECT_EQ(Line(w), QString());
    EXPECT_TRUE(Until([&] { return !Line(w).isEmpty() && Line(w) != QString("\u2026"); }));
    // Restarted untouched, the deal is the one just answered: its verdict stands at once.
    const QString answered = Line(w);
    w.W.RunCommand("F4");
    EXPECT_EQ(Line(w), answered);
    // Within one game a quick answer still replaces the last one without a flicker.
    w.TheGame().UndoAll(0);
    ASSERT_FALSE(w.TheGame().LegalMoves().empty());
    const QString before = Line(w);
    w.TheGame().PlayMove(w.TheGame().LegalMoves().front().PicID, w.TheGame().LegalMoves().front().Target);
    w.W.advisor().Refresh();
    EXPECT_EQ(Line(w), before);
}

TEST(Advisor, AHintShowsTheSolversFirstMoveUntilTheNextInput) {
    Window w;
    NoFreeCells(w);
    Start(w, 5.0);
    const Position p = w.TheGame().CurrentPosition();
    const SolveResult r = cSolver().Solve(p);
    ASSERT_EQ(r.Outcome, Verdict::Winnable);
    const LegalMove m = w.TheGame().ToLegalMove(p, r.Moves.front());

    Key(w, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(Until([&] { return w.W.advisor().HintedCard() == m.PicID; }));
    // Any input takes the hint away; the position, and its answer, stay.
    QTest::mouseClick(w.W.board().viewport(), Qt::LeftButton, {}, QPoint(5, 700));
    EXPECT_EQ(w.W.advisor().HintedCard(), -1);
    EXPECT_EQ(w.TheGame().CurrentPosition(), p);

    // Following the hint keeps the game winnable.
    Key(w, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(Until([&] { return w.W.advisor().HintedCard() == m.PicID; }));
    w.DragTo(m.PicID, m.Target.Cell, m.Target.Pile,
             m.Target.Cell == kHome ? static_cast<std::int16_t>(w.TheGame().TopPos(kHome, m.Target.Pile) + 1) : 0);
    EXPECT_EQ(w.TheGame().MovesInForce(), 1);
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Winnable"); }));

    // An unwinnable deal has no hint, only a word why.
    Start(w, 4.0);
    w.W.action("G10")->trigger();
    EXPECT_TRUE(
        Until([&] { return w.W.statusBar()->currentMessage() == QString("No move leads to a win from here."); }));
    EXPECT_EQ(w.W.advisor().HintedCard(), -1);
}

TEST(Advisor, ShowSolutionPlaysUntilInputThenWinsForTheSolverAndTheRecordSaysLost) {
    Window w;
    Start(w, 1.0);
    // At a replay tick a move: a key stops it, its moves stay the game's own.
    const int dealt = w.TheGame().MovesInForce();
    w.W.action("G11")->trigger();
    EXPECT_TRUE(Until([&] { return w.TheGame().MovesInForce() > dealt; }));
    Key(w, Qt::Key_Escape);
    EXPECT_FALSE(w.W.advisor().SolutionPlaying());
    Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.TheGame().MovesInForce(), dealt);
    // One line plays at a time: the replay takes over from the solution.
    w.W.action("G11")->trigger();
    EXPECT_TRUE(Until([&] { return w.TheGame().MovesInForce() > dealt; }));
    w.W.StartReplay(false);
    EXPECT_TRUE(w.W.ReplayRunning());
    EXPECT_FALSE(w.W.advisor().SolutionPlaying());
    w.W.StopReplay();
    EXPECT_FALSE(w.W.ReplayRunning());
    while (w.TheGame().MovesInForce() > dealt)
        Key(w, Qt::Key_Z, Qt::ControlModifier);

    // Asked again, it plays to the win: no end-of-game dialog, the player did not win this one.
    w.W.advisor().SetSolutionInterval(0);
    Key(w, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Until([&] { return w.TheGame().GoalCardCount() == kTotalCards; }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.W.advisor().SolutionPlaying());
    EXPECT_EQ(Line(w), QString("Won by Show Solution: the game counts as lost"));
    const int moves = w.TheGame().MovesInForce();
    Key(w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.TheGame().MovesInForce(), 0);
    Key(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.TheGame().MovesInForce(), moves);
    EXPECT_TRUE(Shown(w));

    // Ended by a new game: one game, no win.
    Key(w, Qt::Key_F2);
    const std::int16_t slot = w.TheGame().CurrentPlayerSlot();
    EXPECT_EQ(w.Store().GetPlayerGames(slot), 1);
    EXPECT_EQ(w.Store().GetPlayerWin(slot), 0);
    EXPECT_TRUE(std::find(w.Dialogs.begin(), w.Dialogs.end(), "tabloo::frmFinishGame") == w.Dialogs.end());
}

TEST(Advisor, WinnableDealsOnlyDealsWinnableNumbersSaysWhenNoneTurnsUpAndNeverReplacesAWinOrHidesUnderADialog) {
    Window w;
    // About a third of these deals can be won.
    NoFreeCells(w);
    w.Set("WinnableOnly", "1");
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t deals = w.TheGame().DealCount();
        Key(w, Qt::Key_F2);
        EXPECT_TRUE(Until([&] { return w.TheGame().DealCount() == deals + 1; }));
        EXPECT_EQ(cSolver().Solve(w.TheGame().CurrentPosition()).Outcome, Verdict::Winnable) << w.TheGame().GameNo();
    }
    // Four home piles, no free cell: nothing wins; out of time (3 s a look) it deals the last number.
    w.Set("HomePiles", "4");
    static std::atomic<int> looks{0};
    cAdvisor::SetFindClock([] { return std::chrono::steady_clock::time_point(std::chrono::seconds(3 * ++looks)); });
    const std::uint32_t deals = w.TheGame().DealCount();
    Key(w, Qt::Key_F2);
    EXPECT_EQ(Line(w), QString("Looking for a winnable deal\u2026"));
    EXPECT_TRUE(Until([&] { return w.TheGame().DealCount() == deals + 1; }));
    EXPECT_TRUE(Until([&] { return Line(w) == QString("Not winnable \u2014 no winnable deal turned up in 2 s"); }));
    cAdvisor::SetFindClock(nullptr);
    EXPECT_EQ(looks, 2) << "one number drawn, searched, and the time was up";

    // A deal found meanwhile neither ends a won game nor comes under a dialog. First, back on the default
    // piles, the player wins before the search answers: the win stands, no deal replaces it.
    w.Set("HomePiles=8 ResPiles=4");
    w.DealAGameTheAutoplayCommandWins();
    w.Tick();
    const std::int16_t slot = w.TheGame().CurrentPlayerSlot();
    Key(w, Qt::Key_F2);
    w.W.RunCommand("G4");
    EXPECT_FALSE(w.W.advisor().Finding());
    EXPECT_TRUE(Until([&] { return w.Store().GetPlayerWin(slot) == 1; }));

    // Found while a dialog is open: dealt when it closes.
    Start(w, 1.0);
    Key(w, Qt::Key_F2);
    std::uint32_t underTheDialog = 0;
    w.W.ExecDialog = [&](QDialog &d) {
        d.setWindowModality(Qt::ApplicationModal);
        d.show();
        const std::uint32_t deals = w.TheGame().DealCount();
        EXPECT_TRUE(Until([&] { return !w.W.advisor().Finding(); }));
        underTheDialog = w.TheGame().DealCount() - deals;
        d.close();
        return int(QDialog::Rejected);
    };
    const std::uint32_t before = w.TheGame().DealCount();
    Key(w, Qt::Key_F4); // Statistics
    EXPECT_EQ(underTheDialog, 0u);
    EXPECT_EQ(w.TheGame().DealCount(), before + 1);
}

TEST(Advisor, TheVariantDialogCountsTheOddsAgainWhenASettingChangesAndSaysHowSureTheyAre) {
    Window w;
    frmSelect dialog(w.TheGame(), &w.W, &w.W.solveService());
    cOdds &counted = *dialog.Odds();
    auto *label = dialog.findChild<QLabel *>("lblOdds");
    EXPECT_TRUE(Until([&] { return label->text().startsWith("About 100 % (\u00b1"); }));
    EXPECT_EQ(counted.Runs, 1);

    dialog.findChild<QComboBox *>("imcHomePiles")->setCurrentIndex(0); // four piles
    EXPECT_EQ(counted.Runs, 2);
    EXPECT_TRUE(Until([&] { return label->text().startsWith("About 0 % (\u00b1"); }));
    EXPECT_EQ(counted.Won, 0);
    // "Play" stores the check box.
    dialog.findChild<QAbstractButton *>("chkWinnable")->click();
    dialog.findChild<QAbstractButton *>("cmdPlay")->click();
    EXPECT_EQ(w.Store().WinnableOnly(), 1);

    // The odds say how sure they are and how many deals they stand on.
    cOdds odds(w.W.solveService());
    auto says = [&](int won, int lost, int undecided) {
        odds.Won = won, odds.Lost = lost, odds.Undecided = undecided;
        return odds.Text();
    };
    EXPECT_EQ(says(300, 700, 0), QString("About 30 % (\u00b13 %) of deals can be won, from 1000 decided of 1000"));
    // Half undecided: the decided ones' share, told far less surely, as those could go either way.
    EXPECT_EQ(says(150, 350, 500), QString("About 30 % (\u00b138 %) of deals can be won, from 500 decided of 1000"));
    // Every deal won is still no proof that all are.
    EXPECT_EQ(says(20, 0, 0), QString("About 100 % (\u00b117 %) of deals can be won, from 20 decided of 20"));
    EXPECT_EQ(says(3, 97, 0), QString("About 3.0 % (\u00b16 %) of deals can be won, from 100 decided of 100"));
    EXPECT_EQ(says(10, 9, 981), QString("Too few deals could be decided to tell how often these rules can be won"));
}

TEST(Advisor, ClosingTheWindowStopsEverySearchAtOnce) {
    // A job that runs until it is cancelled: were closing to wait for it, this would hang.
    auto w = std::make_unique<Window>();
    std::atomic<bool> started{false};
    w->W.solveService().Run([&](cSolveService::cJob &job) {
        started = true;
        while (!job.Cancelled())
            std::this_thread::yield();
    });
    w->TheGame().StartGame(1.0);
    w->Tick();
    w->W.advisor().Refresh();
    EXPECT_TRUE(Until([&] { return started.load(); }));
    w->W.close();
    EXPECT_TRUE(w->W.Closed());
    w.reset();
}

} // namespace
} // namespace tabloo::test
