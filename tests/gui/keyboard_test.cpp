// Play without dragging: keys, runs, Escape, the double-click, menu shortcuts.
#include "WindowFixture.h"
#include "cKeyboardPlay.h"

namespace tabloo::test {
namespace {

// The window in front, its keys going where a player's would.
struct KeyWindow : Window {
    KeyWindow() {
        W.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&W));
    }
    cKeyboardPlay &K() { return W.keys(); }
    void Press(int key, Qt::KeyboardModifiers mods = {}) {
        ASSERT_EQ(QApplication::focusWidget(), &W.board()) << "the board has the keys";
        QTest::keyClick(&W.board(), static_cast<Qt::Key>(key), mods);
    }
    void Keys(std::initializer_list<QKeyCombination> keys) {
        for (QKeyCombination k : keys)
            Press(k.key(), k.keyboardModifiers());
    }
    // Moves the focus to the pile, then presses the key there, if one is given.
    void FocusOn(PileRef pile, int key = 0, Qt::KeyboardModifiers mods = {}) {
        if ((K().Focus().Cell == kHome) != (pile.Cell == kHome))
            Press(Qt::Key_Down);
        for (int i = 0; i < 20 && !(K().Focus() == pile); ++i)
            Press(Qt::Key_Right);
        ASSERT_EQ(K().Focus(), pile);
        if (key)
            Press(key, mods);
    }
    QString AccessibleName() { return QAccessible::queryAccessibleInterface(&W.board())->text(QAccessible::Name); }
    // A real double-click: a click, then the double-click and its release.
    std::vector<QString> DoubleClick(std::int16_t picId) {
        QWidget *vp = W.board().viewport();
        const QPoint at = CardPoint(picId);
        QTest::mouseClick(vp, Qt::LeftButton, {}, at);
        Played.clear();
        QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at);
        return Played;
    }
};

TEST(KeyboardPlay, AWholeGameIsWonFromTheKeysAlone) {
    KeyWindow w;
    Game &g = w.Deal(123);
    QApplication::processEvents();
    // The board names the pile in focus and what lies there.
    w.Press(Qt::Key_Down);
    EXPECT_TRUE(w.K().FrameShown());
    EXPECT_EQ(w.AccessibleName(), "Empty reserve pile 1");
    w.Press(Qt::Key_Down);
    EXPECT_EQ(w.AccessibleName(), "Four of clubs on home pile 1");

    const SolveResult line = cSolver().Solve(g.CurrentPosition());
    ASSERT_EQ(line.Outcome, Verdict::Winnable);
    for (const Move &m : line.Moves) {
        Position want = g.CurrentPosition();
        const std::int16_t logged = g.MovesInForce();
        // The solver's move made from the keys: the cards chosen, lifted, and laid on the pile.
        w.FocusOn({AreaOf(m.From), AreaPile(m.From)});
        for (int more = want.Len[m.From] - 1 - m.Pos; more > 0; --more)
            w.Press(Qt::Key_Up, Qt::ShiftModifier);
        w.Press(Qt::Key_Space);
        w.FocusOn({AreaOf(m.To), AreaPile(m.To)}, Qt::Key_Return);
        tabloo::Play(want, m);
        ASSERT_EQ(g.CurrentPosition(), want) << "move " << logged;
        ASSERT_GT(g.MovesInForce(), logged);
        ASSERT_EQ(w.K().LiftedCard(), -1);
        ASSERT_TRUE(Shown(w));
    }
    EXPECT_EQ(g.GoalCardCount(), kTotalCards);
    QApplication::processEvents();
    EXPECT_EQ(w.Dialogs, (std::vector<QString>{"tabloo::frmFinishGame", "tabloo::frmSelect"}));
}

TEST(KeyboardPlay, RunsAreChosenAndLiftedAsADragsAreAndEscapeOrARefusalPutsThemBack) {
    KeyWindow w;
    Game &g = w.TheGame();
    // Any card on any card: every stack is a run.
    w.Set("Autoplay=0 HomeOrder=6 SoundCardUp=1 SoundCardDown=1");
    g.StartGame(123.0);
    const std::string dealt = FormatBoard(g);
    // Four empty reserve piles and no empty home pile: runs of five at most.
    w.FocusOn({kHome, 0});
    for (int i = 0; i < 8; ++i)
        w.Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(w.K().Chosen(), 5);
    w.Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(w.K().Chosen(), 4);

    // Lifted and taken round the board, then Escape: the board as it was, nothing logged.
    w.Played.clear();
    w.Press(Qt::Key_Space);
    const std::int16_t base = g.CardAt(kHome, 0, 3);
    EXPECT_EQ(w.K().LiftedCard(), base);
    EXPECT_NE(w.W.board().CardPos(base), QPoint(g.PlaceX(kHome, 0, 3), g.PlaceY(kHome, 0, 3))) << "shown lifted";
    w.Keys({Qt::Key_Right, Qt::Key_Up, Qt::Key_Escape});
    EXPECT_EQ(w.K().LiftedCard(), -1);
    EXPECT_EQ(FormatBoard(g), dealt);
    EXPECT_EQ(g.MovesInForce(), 0);
    EXPECT_TRUE(Shown(w));

    // A run laid on a reserve pile, or back on its own pile, goes back with the drop's sound.
    w.FocusOn({kHome, 0});
    w.Keys(
        {Qt::ShiftModifier | Qt::Key_Up, Qt::Key_Space, Qt::Key_Return, Qt::ShiftModifier | Qt::Key_Up, Qt::Key_Space});
    w.FocusOn({kReserve, 1}, Qt::Key_Return);
    EXPECT_EQ(w.Played, (std::vector<QString>{"CardDown", "CardUp", "CardDown", "CardUp", "CardDown", "CardUp"}));
    EXPECT_EQ(FormatBoard(g), dealt);
    EXPECT_TRUE(Shown(w));
    EXPECT_EQ(w.K().Focus(), (PileRef{kHome, 0})) << "the focus came back with the cards";
    EXPECT_EQ(w.K().Chosen(), 5);
    // On a home pile the run is one logged move that can be undone.
    w.Press(Qt::Key_Space);
    w.FocusOn({kHome, 1}, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(g.MovesInForce(), 1);
    EXPECT_EQ(g.LogRecord(1).mCards, 4);
    EXPECT_EQ(g.TopPos(kHome, 1), 11);
    EXPECT_TRUE(Shown(w));
    w.W.RunCommand("G1");
    EXPECT_EQ(FormatBoard(g), dealt);

    // Without multi-move only the top card is ever chosen.
    w.Set("MultiMove", "0");
    w.FocusOn({kHome, 2}, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(w.K().Chosen(), 1);
    // A card the rules refuse where it is laid: back it goes; a mouse press ends a lift.
    w.Set("HomeOrder", "4");
    g.StartGame(123.0);
    const std::int16_t ac = g.TopCard(kHome, 7);
    w.FocusOn({kHome, 7}, Qt::Key_Space);
    w.FocusOn({kHome, 0}, Qt::Key_Space);
    EXPECT_EQ(g.Card(ac).Pile, 7);
    w.FocusOn({kHome, 7}, Qt::Key_Space);
    QTest::mousePress(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(g.TopCard(kHome, 3)));
    EXPECT_EQ(w.K().LiftedCard(), -1);
    EXPECT_FALSE(w.K().FrameShown()) << "the mouse took over";
    QTest::mouseRelease(w.W.board().viewport(), Qt::LeftButton, {}, w.CardPoint(g.TopCard(kHome, 3)));
    EXPECT_EQ(g.MovesInForce(), 0);
    EXPECT_TRUE(Shown(w));
}

TEST(DoubleClick, SendsACardUpElseToTheFirstEmptyReservePileAndLeavesTheRestAlone) {
    KeyWindow w;
    Game &g = w.TheGame();
    w.Set("Autoplay=0 SoundCardUp=1 SoundCardDown=1");
    // Game 2: a Seven lies on top of home pile 5, a Queen on top of home pile 0; the Queen goes to a reserve pile.
    g.StartGame(2.0);
    const std::int16_t seven = g.TopCard(kHome, 5), held = g.TopCard(kHome, 0);
    ASSERT_EQ(g.Card(seven).Num, 6);
    ASSERT_EQ(g.Card(held).Num, 11);
    ASSERT_TRUE(g.PlayMove(held, {kReserve, 0}));
    w.W.board().LandFlights();

    // One move, with the one sound of a drop.
    EXPECT_EQ(w.DoubleClick(seven), std::vector<QString>{"CardUp"});
    EXPECT_EQ((PileRef{g.Card(seven).Cell, g.Card(seven).Pile}), (PileRef{kReserve, 1}));
    EXPECT_EQ(g.MovesInForce(), 2);
    EXPECT_TRUE(Shown(w));

    // A card under another, and a reserve card no goal pile takes, stay where they are.
    const std::string before = FormatBoard(g);
    EXPECT_EQ(w.DoubleClick(g.CardAt(kHome, 3, g.TopPos(kHome, 3) - 1)), std::vector<QString>{});
    EXPECT_EQ(w.DoubleClick(held), std::vector<QString>{});
    EXPECT_EQ(FormatBoard(g), before);
    EXPECT_EQ(g.MovesInForce(), 2);
    EXPECT_TRUE(Shown(w));

    // Game 123: the Ace of clubs lies on top of home pile 7; it goes up.
    g.StartGame(123.0);
    const std::int16_t ace = g.TopCard(kHome, 7);
    w.DoubleClick(ace);
    EXPECT_EQ(g.Card(ace).Cell, kGoal);
    EXPECT_EQ(g.MovesInForce(), 1);
    EXPECT_TRUE(Shown(w));
}

TEST(KeyboardPlay, EveryShortcutOfTheMenusRunsItsCommandAndDialogsKeepTheirKeys) {
    KeyWindow w;
    std::vector<QAction *> withKeys, ran;
    for (QAction *menu : w.W.menuBar()->actions())
        for (QAction *a : menu->menu()->actions())
            if (!a->shortcut().isEmpty()) {
                withKeys.push_back(a);
                QObject::connect(a, &QAction::triggered, [&ran, a] { ran.push_back(a); });
            }
    EXPECT_GE(withKeys.size(), 15u);
    const PileRef focus = w.K().Focus();
    // The choose-game dialog takes the keys typed into it, and Escape closes it; the others answer as ever.
    const auto answer = w.W.ExecDialog;
    w.W.ExecDialog = [&](QDialog &d) {
        if (!qobject_cast<frmChooseGame *>(&d))
            return answer(d);
        w.Dialogs.push_back(d.metaObject()->className());
        d.show();
        for (int key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Escape})
            QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, static_cast<Qt::Key>(key));
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(w.K().Focus(), focus);
        EXPECT_EQ(w.K().LiftedCard(), -1);
        return d.result();
    };
    for (QAction *a : withKeys) {
        SCOPED_TRACE(a->text().toStdString());
        if (w.W.ReplayRunning())
            w.W.RunCommand("R6");
        // A game with a move to take back and one to make again: every command is offered.
        w.Deal(123);
        w.W.RunCommand("G1");
        w.Tick();
        ASSERT_TRUE(a->isEnabled());
        w.W.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.W));
        ran.clear();
        w.Press(a->shortcut()[0].key(), a->shortcut()[0].keyboardModifiers());
        EXPECT_EQ(ran, std::vector<QAction *>{a});
        QTest::keyClick(&w.W.board(), Qt::Key_Escape); // stops Show Solution
    }
    EXPECT_EQ(std::count(w.Dialogs.begin(), w.Dialogs.end(), "tabloo::frmChooseGame"), 1);
    // The help lists the board's keys beside the menus'.
    auto *help = qobject_cast<frmHelp *>(w.W.helpWindow());
    ASSERT_NE(help, nullptr);
    for (const char *key : {"Shift+Up", "Space, Enter", "Esc", "Double-click", "Ctrl+Z"})
        EXPECT_TRUE(help->browser()->toPlainText().contains(key)) << key;
}

} // namespace
} // namespace tabloo::test
