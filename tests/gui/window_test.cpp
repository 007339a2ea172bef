// The game window: commands and states, drags, replay, the won game, closing, random input.
#include "WindowFixture.h"

namespace tabloo::test {
namespace {

TEST(Window, CommandStatesAndSwitchesFollowTheGame) {
    Window w;
    w.Tick();
    for (const char *k : {"G1", "G2", "G6", "G7", "R1", "R2", "R4", "F4", "F5", "R6"})
        EXPECT_FALSE(w.Enabled(k)) << k;
    EXPECT_EQ(w.W.display(0)->text(), "");

    w.W.RunCommand("F2");
    EXPECT_EQ(w.Dialogs.back(), "tabloo::frmSelect");
    ASSERT_TRUE(w.TheGame().Running());
    w.Tick();
    EXPECT_TRUE(w.Enabled("F4"));
    EXPECT_EQ(w.W.display(2)->text(), QString("Moves :%1").arg(w.TheGame().MovesInForce()));
    EXPECT_TRUE(w.W.display(1)->text().startsWith("Time :0:00:0"));

    // A game with autoplayed aces can be taken back; while a replay runs only Stop is offered.
    w.TheGame().StartGame(123.0);
    w.Tick();
    EXPECT_TRUE(w.Enabled("G1"));
    EXPECT_FALSE(w.Enabled("G2"));
    w.W.RunCommand("G1");
    w.Tick();
    EXPECT_TRUE(w.Enabled("G2"));
    EXPECT_TRUE(w.Enabled("R4"));
    w.W.RunCommand("R1");
    w.Tick();
    EXPECT_TRUE(w.W.ReplayRunning());
    for (const char *k : {"G1", "G2", "G6", "G7", "R1", "R2", "R4"})
        EXPECT_FALSE(w.Enabled(k)) << k;
    w.W.ReplayStepForward();
    EXPECT_TRUE(w.Enabled("R6"));
    w.W.RunCommand("R6");
    w.Tick();
    EXPECT_FALSE(w.W.ReplayRunning());
    EXPECT_FALSE(w.Enabled("R6"));
    EXPECT_TRUE(w.Enabled("R2"));
    // A key of no command does nothing.
    w.W.RunCommand("Z9");
    w.W.RunCommand("F3");
    EXPECT_TRUE(w.TheGame().Running());

    // Autoplay switched on and off again, and the toolbar switched off and on.
    w.Deal(123, false);
    for (bool on : {true, false}) {
        w.W.RunCommand("G4");
        w.Tick();
        EXPECT_EQ(w.Store().Autoplay(), on ? 1 : 0);
        EXPECT_EQ(w.W.action("G4")->isChecked(), on);
    }
    EXPECT_EQ(w.TheGame().GoalCardCount(), 2) << "switching on played at once";
    const int boardHeight = w.W.board().height();
    w.W.RunCommand("G9");
    QApplication::processEvents();
    w.Tick();
    EXPECT_EQ(w.Store().ShowToolbar(), 0);
    EXPECT_TRUE(w.W.toolBar()->isHidden());
    EXPECT_FALSE(w.W.action("G9")->isChecked());
    EXPECT_GT(w.W.board().height(), boardHeight) << "the board takes the toolbar's room";
    w.W.RunCommand("G9");
    EXPECT_FALSE(w.W.toolBar()->isHidden());
}

TEST(Window, DragsThatTheRulesTakeAndDropsThatSnapBack) {
    Window w;
    Game &g = w.Deal(123, false);
    // Game 123: AC lies on top of home pile 7, AS on top of home pile 6.
    const std::int16_t ac = g.TopCard(kHome, 7);
    ASSERT_EQ(g.Card(ac).Num, 0);
    // Onto a home pile that does not take it: back it goes, nothing logged.
    w.DragTo(ac, kHome, 0, g.TopPos(kHome, 0) + 1);
    EXPECT_EQ(g.MovesInForce(), 0);
    EXPECT_EQ(g.Card(ac).Pile, 7);
    EXPECT_TRUE(Shown(w));
    // Onto a goal pile: one move.
    w.DragTo(ac, kGoal, 2, 0);
    EXPECT_EQ(g.MovesInForce(), 1);
    EXPECT_EQ(g.Card(ac).Cell, kGoal);
    EXPECT_TRUE(Shown(w));
    EXPECT_TRUE(Consistent(g));

    // A run within the capacity, under "Any Card".
    w.Set("HomeOrder", "6");
    g.StartGame(123.0);
    const std::int16_t base = g.CardAt(kHome, 0, 4);
    w.DragTo(base, kHome, 1, g.TopPos(kHome, 1) + 1);
    EXPECT_EQ(g.TopPos(kHome, 0), 3);
    EXPECT_EQ(g.TopPos(kHome, 1), 9);
    EXPECT_EQ(g.LogRecord(1).mCards, 2);
    EXPECT_TRUE(Shown(w));
    // Without multi-move the run is refused at the press: nothing moves, nothing is logged.
    w.Set("MultiMove", "0");
    const std::int16_t under = g.CardAt(kHome, 2, 5);
    w.DragTo(under, kHome, 3, g.TopPos(kHome, 3) + 1);
    EXPECT_FALSE(w.W.Dragging());
    EXPECT_EQ(g.MovesInForce(), 1);
    EXPECT_TRUE(Shown(w));
    EXPECT_TRUE(Consistent(g));

    // The log filled to its last move by a card moved to and fro between two free cells: a drop goes back.
    g.StartGame(123.0);
    const std::int16_t shuttle = g.TopCard(kHome, 5);
    ASSERT_TRUE(g.PlayMove(shuttle, {kReserve, 0}));
    while (g.MovesInForce() < cTrans::kMaxMoves)
        ASSERT_TRUE(g.PlayMove(shuttle, {kReserve, static_cast<std::int16_t>(1 - g.Card(shuttle).Pile)}));
    const std::string before = FormatBoard(g);
    w.DragTo(ac, kGoal, 0, 0);
    EXPECT_FALSE(w.W.Dragging());
    EXPECT_EQ(FormatBoard(g), before);
    EXPECT_TRUE(Shown(w)) << "the refused card went back to its pile";

    // The board at its own size, so that the far right of the window lies beyond 16-bit twips.
    w.Set("FitBoard", "0");
    w.W.ArrangeBoard();
    w.W.resize(3840, 1000);
    QApplication::processEvents();
    g.StartGame(123.0);
    const std::int16_t id = g.TopCard(kHome, 7);
    QWidget *vp = w.W.board().viewport();
    const QPoint from = w.CardPoint(id), to(vp->width() - 20, from.y());
    QTest::mousePress(vp, Qt::LeftButton, {}, from);
    QTest::mouseMove(vp, (from + to) / 2);
    QTest::mouseMove(vp, to);
    const double moved = (to.x() - from.x()) * kTwipsPerPixel / w.W.board().BoardScale();
    EXPECT_NEAR(w.W.board().CardPos(id).x(), g.PlaceX(kHome, 7, g.Card(id).Pos) + moved, 30);
    EXPECT_GT(w.W.board().CardPos(id).x(), 32767);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    EXPECT_TRUE(Shown(w)) << "dropped far off the board, it goes back";
}

TEST(Window, ReplayEndsByItselfWaitsForTheCardsOfTheLastStepAndLeavesAutoplayUntilItEnds) {
    Window w;
    Game &g = w.Deal(123, false);
    for (std::int16_t p : {7, 6, 5})
        ASSERT_TRUE(g.PlayMove(g.TopCard(kHome, p), {kReserve, static_cast<std::int16_t>(7 - p)}));
    const std::string end = FormatBoard(g);
    w.W.RunCommand("R2");
    for (int tick = 1; tick <= 4; ++tick) {
        w.W.ReplayStepBackward();
        EXPECT_EQ(w.W.ReplayRunning(), tick < 4) << "the fourth tick finds the deal and stops";
    }
    EXPECT_FALSE(w.Enabled("R6"));
    EXPECT_EQ(g.MovesInForce(), 0);
    // Replay All from the end: back to the deal in one go, then forward move by move.
    g.RedoAll(0);
    g.Undo(0);
    w.W.RunCommand("R4");
    EXPECT_EQ(g.MovesInForce(), 0);
    int ticks = 0;
    for (; w.W.ReplayRunning() && ticks < 10; ++ticks)
        w.W.ReplayStepForward();
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(FormatBoard(g), end) << "the replay goes up to the last recorded move";
    EXPECT_TRUE(Shown(w));
    // With frames shown by hand, a tick waits while the last step's card flies.
    w.W.board().Flights().SetFrameInterval(1e8);
    g.UndoAll(0);
    w.W.RunCommand("R1");
    w.W.ReplayStepForward();
    ASSERT_TRUE(w.W.board().Flying());
    w.W.ReplayStepForward();
    EXPECT_EQ(g.MovesInForce(), 1) << "the tick waits while the card flies";
    w.W.board().LandFlights();
    w.W.ReplayStepForward();
    EXPECT_EQ(g.MovesInForce(), 2);
    // Autoplay switched on during a replay plays when the replay ends and loses no recorded move.
    w.W.RunCommand("R6");
    w.W.board().Flights().SetFrameInterval(0);
    // Game 123: the aces of spades and clubs lie on top of home piles 6 and 7.
    g.StartGame(123.0);
    for (std::int16_t p : {5, 4, 3})
        ASSERT_TRUE(g.PlayMove(g.TopCard(kHome, p), {kReserve, static_cast<std::int16_t>(5 - p)}));
    const std::string last = FormatBoard(g);
    g.UndoAll(0);
    w.W.RunCommand("R1");
    w.W.ReplayStepForward();
    w.W.RunCommand("G4");
    EXPECT_EQ(w.Store().Autoplay(), 1);
    EXPECT_TRUE(w.W.ReplayRunning());
    EXPECT_EQ(g.LogLength(), 3) << "the recorded moves are all still there";
    while (w.W.ReplayRunning())
        w.W.ReplayStepForward();
    EXPECT_EQ(g.LogLength(), 5) << "the three recorded moves, then the two aces home";
    EXPECT_EQ(g.GoalCardCount(), 2);
    g.Undo(0);
    g.Undo(0);
    EXPECT_EQ(FormatBoard(g).substr(0, last.size() - 2), last.substr(0, last.size() - 2));

    // Stopped midway, a replay keeps what is still to come; the next move autoplays.
    w.Set("Autoplay", "0");
    g.UndoAll(0);
    w.W.RunCommand("R1");
    w.W.ReplayStepForward();
    w.W.RunCommand("G4");
    w.W.RunCommand("R6");
    EXPECT_EQ(g.LogLength(), 5);
    EXPECT_EQ(g.GoalCardCount(), 0);
}

TEST(Window, AWonGameOpensItsDialogAfterTheMoveUnlessTakenBackFirstAndOkRunsTheChoice) {
    Window w;
    w.DealAGameTheAutoplayCommandWins();
    Game &g = w.TheGame();
    const int games = w.Store().GetPlayerGames(1);
    w.W.RunCommand("G4"); // every card goes home
    ASSERT_EQ(g.GoalCardCount(), 52);
    EXPECT_TRUE(w.Dialogs.empty()) << "the dialog waits until the move has returned";
    w.W.RunCommand("G1"); // before the queued dialog opens
    QApplication::processEvents();
    EXPECT_TRUE(w.Dialogs.empty()) << "no dialog for a game that is no longer won";
    EXPECT_TRUE(g.Running());
    // Not stuck: a card can be lifted again.
    const std::int16_t back = g.LogRecord(g.MovesInForce() + 1).PicID;
    QTest::mousePress(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(back));
    EXPECT_TRUE(w.W.Dragging());
    QTest::mouseRelease(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(back));
    // Redo wins again; OK with the default choice opened the variant dialog, whose Play dealt.
    w.W.RunCommand("G2");
    QApplication::processEvents();
    EXPECT_EQ(w.Dialogs, (std::vector<QString>{"tabloo::frmFinishGame", "tabloo::frmSelect"}));
    EXPECT_EQ(w.Store().GetPlayerWin(1), 1);
    EXPECT_EQ(w.Store().GetPlayerGames(1), games + 1) << "recorded once, as won";
    EXPECT_TRUE(g.Running());
}

TEST(Window, ToolsAndHelpOpenTheirWindowsAndTheSoundsAndTheTitleFollowTheSwitchesAndThePlayers) {
    Window w;
    // The dialogs answer as a player: a number typed, a speed slid, a player renamed or deleted; others closed.
    const char *playersButton = "cmdEdit";
    w.W.ExecDialog = [&](QDialog &d) {
        w.Dialogs.push_back(d.metaObject()->className());
        if (auto *entry = d.findChild<QLineEdit *>("Text1")) {
            entry->setText("123");
            d.findChild<QAbstractButton *>("cmdSelect")->click();
        } else if (auto *slider = d.findChild<QSlider *>("Slider1")) {
            slider->setValue(50);
            d.findChild<QAbstractButton *>("cmdOK")->click();
        } else if (auto *players = qobject_cast<frmPlayers *>(&d)) {
            players->AskText = [](const QString &, const QString &, const QString &, bool *ok) {
                *ok = true;
                return QString("Ada");
            };
            players->AskYesNo = [](const QString &, const QString &) { return true; };
            // The current player's row is the one selected.
            d.findChild<QAbstractButton *>(playersButton)->click();
        }
        if (d.result() != QDialog::Accepted)
            d.reject();
        return d.result();
    };
    w.W.RunCommand("F7");
    EXPECT_EQ(w.W.windowTitle(), "Tabloo 3.0 [Player 1] [123]");
    ASSERT_FALSE(w.Played.empty());
    EXPECT_EQ(w.Played.front(), "Start") << "the deal was heard";
    w.Played.clear();
    w.W.RunCommand("G1");
    w.W.RunCommand("G2");
    EXPECT_EQ(w.Played, (std::vector<QString>{"Undo", "Undo"}));

    // Customize: OK on what it shows turns the switches into -1 and repaints the board.
    w.Set("ColorIndex", "2");
    w.W.RunCommand("T1");
    EXPECT_EQ(w.Store().SoundUndo(), -1);
    EXPECT_EQ(w.Store().CardSpeed(), 0);
    const QImage board = w.W.board().grab().toImage();
    EXPECT_EQ(board.pixelColor(board.width() / 2, 2), ToQColor(cColorTable().GetColorEntry(2).Value));
    w.Played.clear();
    w.Set("SoundUndo", "0");
    w.W.RunCommand("G1");
    w.W.RunCommand("G2");
    EXPECT_EQ(w.Played, std::vector<QString>{"Undo"});

    // Players, Statistics and About open over the window; a renamed player shows in the title.
    w.W.RunCommand("T3");
    EXPECT_EQ(w.W.windowTitle(), "Tabloo 3.0 [Ada] [123]");
    w.W.RunCommand("T5");
    w.W.RunCommand("H5");
    EXPECT_EQ(w.Dialogs, (std::vector<QString>{"tabloo::frmChooseGame", "tabloo::frmOptions", "tabloo::frmPlayers",
                                               "tabloo::frmStatistics", "tabloo::frmAbout"}));

    // Help is one window beside the game, with the keys of the menus beside their commands.
    w.W.RunCommand("H1");
    QWidget *help = w.W.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    w.W.RunCommand("H1");
    EXPECT_EQ(w.W.helpWindow(), help);
    const QAction *undo = w.W.action("G1");
    EXPECT_TRUE(static_cast<frmHelp *>(help)->browser()->toPlainText().contains(
        undo->shortcut().toString(QKeySequence::NativeText) + "\n" + QString(undo->text()).remove('&')));
    // Escape puts it away, and so does its Close button.
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.W.helpWindow(), nullptr);
    w.W.RunCommand("H1");
    w.W.helpWindow()->findChild<QAbstractButton *>("cmdClose")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.W.helpWindow(), nullptr);

    // Players > Delete on the game's player: the title names the new current one, the game counts for nobody.
    w.TheGame().CreatePlayer(2, "Doe, Jane");
    playersButton = "cmdDelete";
    w.W.RunCommand("T3");
    EXPECT_EQ(w.Store().GetPlayerName(1), "");
    EXPECT_EQ(w.W.windowTitle(), "Tabloo 3.0 [Doe, Jane] [123]");
    w.W.RunCommand("F1");
    EXPECT_EQ(Record(w.Store(), 2) + " " + Record(w.Store(), 1),
              "games 0 won 0 score 0 moves 0 games 0 won 0 score 0 moves 0");
    EXPECT_TRUE(w.W.windowTitle().startsWith("Tabloo 3.0 [Doe, Jane] ["));
}

TEST(Window, ClosingDuringAGameRecordsALossInTheSettingsFile) {
    cQtSettings settings;
    {
        frmMain w(settings);
        w.show();
        w.game().EnsureFirstPlayer();
        w.game().StartGame(77.0);
        w.close();
        EXPECT_FALSE(w.game().Running());
    }
    QSettings file(QSettings::IniFormat, QSettings::UserScope, "Tabloo", "Tabloo");
    EXPECT_TRUE(file.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << file.fileName().toStdString();
    file.beginGroup("Players");
    EXPECT_EQ(file.value("1PlayerGames").toString(), "1");
    EXPECT_EQ(file.value("1PlayerWin").toString(), "0");
    // Closing again with no game records nothing; Exit ends at once and records nothing.
    {
        frmMain w(settings);
        w.show();
        w.close();
        w.game().StartGame(78.0);
        w.RunCommand("F9");
        w.close();
    }
    file.sync();
    EXPECT_EQ(file.value("1PlayerGames").toString(), "1");
}

TEST(Window, ThousandsOfRandomInputsNeverBreakTheBoard) {
    Window w;
    std::mt19937 rng(2026);
    const char *variants[] = {
        "HomePiles=8 ResPiles=4 HomeOrder=4 HomeAK=0", "HomePiles=4 ResPiles=0 HomeOrder=6 HomeAK=1",
        "HomePiles=10 ResPiles=2 HomeOrder=9 HomeAK=1", "HomePiles=6 ResPiles=1 HomeOrder=2 HomeAK=0"};
    const char *keys[] = {"F1", "F4", "F5", "G1", "G2", "G4", "G6", "G7", "R1", "R2", "R4", "R6", "G9", "F2"};
    QWidget *vp = w.W.board().viewport();
    for (int step = 0; step < 2500; ++step) {
        // The second half plays with cards in the air: frames come only when asked for.
        if (step == 1250)
            w.W.board().Flights().SetFrameInterval(1e8);
        if (step % 500 == 0) {
            w.Set(variants[(step / 500) % 4]);
            w.Set("GoalCards", step % 1000 ? "2" : "0");
            w.TheGame().StartGame(static_cast<double>(rng() % 100000));
        }
        w.PlayVariant = rng() % 2;
        const unsigned roll = rng() % 10;
        const QPoint p(static_cast<int>(rng() % vp->width()), static_cast<int>(rng() % vp->height()));
        if (roll < 4) {
            // A drag from a card to anywhere.
            const std::int16_t id = static_cast<std::int16_t>(rng() % kTotalCards);
            if (w.TheGame().Running())
                w.Drag(w.CardPoint(id), p);
        } else if (roll == 4) {
            QTest::mousePress(vp, Qt::LeftButton, {}, p);
        } else if (roll == 5) {
            QTest::mouseRelease(vp, Qt::LeftButton, {}, p);
        } else if (roll == 6) {
            QTest::mouseMove(vp, p);
        } else if (roll == 7) {
            w.W.RunCommand(keys[rng() % std::size(keys)]);
        } else if (roll == 8) {
            (rng() % 2) ? w.W.ReplayStepForward() : w.W.ReplayStepBackward();
        } else {
            for (unsigned frames = rng() % 8; frames > 0; --frames)
                w.W.board().Flights().AdvanceFrame();
            QApplication::processEvents();
        }
        w.Tick();
        if (w.TheGame().Running()) {
            ASSERT_TRUE(Consistent(w.TheGame())) << "step " << step;
            if (!w.W.Dragging() && !w.W.board().Flying()) {
                ASSERT_TRUE(Shown(w)) << "step " << step;
            }
        }
    }
}

} // namespace
} // namespace tabloo::test
