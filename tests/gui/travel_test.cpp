// The window while cards travel: input lands flights first; a win is judged again before its dialog.
#include "WindowFixture.h"
#include "frmSplash.h"

namespace tabloo::test {
namespace {

// A window whose frames are shown only when a test asks for them.
struct SlowWindow : Window {
    SlowWindow() { W.board().Flights().SetFrameInterval(1e8); }
    bool Flying() { return W.board().Flying(); }
    void Frames(int n) {
        for (int i = 0; i < n; ++i)
            W.board().Flights().AdvanceFrame();
    }
};

TEST(Travel, InputDuringFlightsLandsThemAndActsAtOnceOnTheBoardAsTheTableHasIt) {
    SlowWindow w;
    w.W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.W));
    Game &g = w.TheGame();

    // A press on a bare part of the board lands the deal.
    g.StartGame(123.0);
    ASSERT_TRUE(w.Flying());
    QTest::mouseClick(w.W.board().viewport(), Qt::LeftButton, {}, w.At(200, 10500));
    EXPECT_FALSE(w.Flying());
    EXPECT_TRUE(Shown(w));

    // A key: the deal lands, then Undo takes the last autoplayed ace back at once.
    g.StartGame(123.0);
    const std::int16_t moves = g.MovesInForce();
    ASSERT_GE(moves, 1);
    w.Tick(); // the command states a tenth of a second later
    QTest::keyClick(&w.W, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(g.MovesInForce(), moves - 1);
    EXPECT_TRUE(w.Flying()) << "the undone card travels back";
    w.Frames(5);
    EXPECT_FALSE(w.Flying());
    EXPECT_TRUE(Shown(w));

    // A toolbar button: Redo, while the undo's card is still in the air.
    w.Tick();
    QTest::keyClick(&w.W, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(w.Flying());
    w.Tick();
    QTest::mouseClick(w.W.toolBar()->widgetForAction(w.W.action("G2")), Qt::LeftButton);
    EXPECT_EQ(g.MovesInForce(), moves - 1);
    w.Frames(10);
    EXPECT_TRUE(Shown(w));

    // A press on a card lifts it from where the table has it, not from where it flew.
    g.StartGame(124.0);
    ASSERT_TRUE(w.Flying());
    const std::int16_t top = g.TopCard(kHome, 3);
    QTest::mousePress(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(top));
    EXPECT_FALSE(w.Flying());
    EXPECT_TRUE(w.W.Dragging());
    QTest::mouseRelease(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(top));
    EXPECT_TRUE(Shown(w));
    EXPECT_TRUE(Consistent(g));
}

TEST(Travel, ACommandThatWouldEndAWonGameDuringItsLastFlightsOpensTheDialogFirst) {
    SlowWindow w;
    w.DealAGameTheAutoplayCommandWins();
    w.W.board().LandFlights();
    w.W.RunCommand("G4");
    ASSERT_TRUE(w.Flying());
    w.W.RunCommand("F1");
    EXPECT_EQ(w.Dialogs, (std::vector<QString>{"tabloo::frmFinishGame", "tabloo::frmSelect"}));
    QApplication::processEvents(); // the dialog queued by the win finds the game over
    EXPECT_EQ(w.Store().GetPlayerWin(1), 1);
    EXPECT_EQ(w.Store().GetPlayerGames(1), 1) << "recorded once, as won";
}

TEST(Travel, ClosingTheWindowEndsTheProgramWithItsOtherWindowsAndNothingActsAfter) {
    Window w;
    w.W.RunCommand("F2");
    w.W.RunCommand("H1");
    QPointer<QWidget> help = w.W.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    // The close box, and a press on New still waiting behind it.
    QTimer::singleShot(0, &w.W, [&] { w.W.close(); });
    QTimer::singleShot(0, &w.W,
                       [&] { QTest::mouseClick(w.W.toolBar()->widgetForAction(w.W.action("F1")), Qt::LeftButton); });
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(w.W.Closed());
    EXPECT_TRUE(!help || !help->isVisible());
    EXPECT_FALSE(w.TheGame().Running()) << "nothing queued after the close dealt a game";
    EXPECT_EQ(w.Store().GetPlayerGames(1), 1);
}

TEST(Travel, TheSplashGoesOnAtAClickOrAKeyOnce) {
    for (bool key : {false, true}) {
        frmSplash splash;
        QSignalSpy finished(&splash, &frmSplash::Finished);
        splash.show();
        if (key)
            QTest::keyClick(&splash, Qt::Key_Space);
        else
            QTest::mouseClick(&splash, Qt::LeftButton);
        QTest::mouseClick(&splash, Qt::LeftButton);
        EXPECT_EQ(finished.count(), 1);
    }
}

TEST(Unfinished, AtStartTheWindowOffersTheGameAKilledProgramLeftAndGoesOnOrCountsIt) {
    for (const char *answer : {"yes", "no", "broken"}) {
        SCOPED_TRACE(answer);
        const bool yes = answer[0] != 'n', broken = answer[0] == 'b';
        Window w;
        KillDuringAGame(w.Settings);
        if (broken)
            w.Store().Write(cSavedGame::kSection, "Moves0", "not moves");
        std::vector<QString> asked, told;
        w.W.AskYesNo = [&](const QString &q) {
            asked.push_back(q);
            return yes;
        };
        w.W.Tell = [&](const QString &t) { told.push_back(t); };
        w.W.Load();
        ASSERT_EQ(asked, std::vector<QString>{"Continue the unfinished game 123?"});
        Game &g = w.TheGame();
        ASSERT_EQ(told.size(), broken ? 1u : 0u);
        if (yes && !broken) {
            EXPECT_TRUE(w.Dialogs.empty()) << "the game goes on: no variant dialog";
            EXPECT_EQ(g.GameNo(), "123");
            EXPECT_EQ(g.MovesInForce(), 2);
            EXPECT_TRUE(g.CanRedo());
            EXPECT_FALSE(w.W.board().Flying()) << "the moves are made at once";
            EXPECT_TRUE(Shown(w));
            EXPECT_EQ(w.Store().GetPlayerGames(1), 0);
        } else {
            if (broken) {
                EXPECT_TRUE(told[0].startsWith("The unfinished game 123 could not be brought back"));
            }
            EXPECT_EQ(w.Store().GetPlayerGames(1), 1) << "counted as lost";
            EXPECT_EQ(w.Store().GetPlayerMoves(1), broken ? 0 : 2);
            EXPECT_EQ(w.Dialogs, std::vector<QString>{"tabloo::frmSelect"}) << "as at any start";
        }
        EXPECT_TRUE(g.HasKeptGame() == g.Running()) << "the game dealt now is the one kept";
        // Played and closed: the new game counts, the lost one not again.
        w.W.close();
        EXPECT_EQ(w.Store().GetPlayerGames(1), yes && !broken ? 1 : 2);
        EXPECT_FALSE(g.HasKeptGame());
    }
}

} // namespace
} // namespace tabloo::test
