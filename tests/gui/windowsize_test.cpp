// The window on the screen: the fitted board, full screen, kept size and place, menu bar displays.
#include "WindowFixture.h"

namespace tabloo::test {
namespace {

// Shows the window and waits until it stands on the screen.
void ShowUp(QWidget &w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

TEST(WindowSize, TheBoardFitsTheWindowUnlessTheSettingSaysNoAndLooksAsBeforeAtTheFirstSize) {
    cMemorySettings fresh, off;
    cRegistry(off).SetFitBoard(0);
    frmMain fitted(fresh), fixed(off);
    for (frmMain *w : {&fitted, &fixed}) {
        w->board().Flights().SetFrameInterval(0);
        ShowUp(*w);
        w->game().EnsureFirstPlayer();
        cRegistry(*(w == &fitted ? &fresh : &off)).SetAutoplay(0);
        w->game().StartGame(123.0);
        QApplication::processEvents();
    }
    std::string text;
    EXPECT_FALSE(fresh.Read(cRegistry::kApp, cRegistry::kData, "FitBoard", text)) << "nothing stored";
    // At the window's first size the board is the one a board at its own size shows.
    EXPECT_EQ(fitted.board().viewport()->size(), fixed.board().viewport()->size());
    EXPECT_DOUBLE_EQ(fitted.board().BoardScale(), 1.0);
    EXPECT_EQ(fitted.board().BoardOrigin(), fixed.board().BoardOrigin());
    EXPECT_EQ(fitted.board().viewport()->grab().toImage(), fixed.board().viewport()->grab().toImage());

    // Larger, the fitted board grows and the other keeps its size.
    for (frmMain *w : {&fitted, &fixed}) {
        w->resize(w->width() + 500, w->height() + 400);
        QApplication::processEvents();
    }
    EXPECT_GT(fitted.board().BoardScale(), 1.3);
    EXPECT_DOUBLE_EQ(fixed.board().BoardScale(), 1.0);
}

TEST(WindowSize, CustomizeSwitchesFittingAndADragOnTheGrownBoardLandsOnThePileUnderThePointer) {
    Window w;
    Game &g = w.Deal(123, false);
    cBoardView &board = w.W.board();
    // The board's room at twice the board's own size.
    const int width = 2 * cBoardView::kBoardPixelWidth, height = 2 * cBoardView::kBoardPixelHeight;
    w.W.resize(width, height);
    QApplication::processEvents();
    w.W.resize(2 * width - board.viewport()->width(), 2 * height - board.viewport()->height());
    QApplication::processEvents();
    EXPECT_NEAR(board.BoardScale(), 2.0, 1e-9);
    // Customize, its box flipped and OK: off, then on again.
    w.W.ExecDialog = [](QDialog &d) {
        auto *box = d.findChild<QCheckBox *>("chkFitBoard");
        box->setChecked(!box->isChecked());
        d.findChild<QAbstractButton *>("cmdOK")->click();
        return d.result();
    };
    w.W.RunCommand("T1");
    EXPECT_EQ(w.Store().FitBoard(), 0);
    EXPECT_DOUBLE_EQ(board.BoardScale(), 1.0);
    w.W.RunCommand("T1");
    EXPECT_EQ(w.Store().FitBoard(), 1);
    EXPECT_NEAR(board.BoardScale(), 2.0, 1e-9);
    // The cards are drawn afresh at twice their size, and land where they are dropped.
    const std::int16_t ac = g.TopCard(kHome, 7);
    EXPECT_EQ(board.Card(ac)->ImageId(), g.Card(ac).FaceId());
    EXPECT_EQ(board.Pictures().Get(g.Card(ac).FaceId(), false, board.ArtRatio()).width(),
              2 * static_cast<int>(sgCard::kWidth));
    w.DragTo(ac, kGoal, 2, 0);
    EXPECT_EQ((PileRef{g.Card(ac).Cell, g.Card(ac).Pile}), (PileRef{kGoal, 2}));
    const std::int16_t next = g.TopCard(kHome, 7);
    w.DragTo(next, kReserve, 3, 0);
    EXPECT_EQ((PileRef{g.Card(next).Cell, g.Card(next).Pile}), (PileRef{kReserve, 3}));
    EXPECT_TRUE(Shown(w));
}

// The window's own section: "Left Top Width Height Maximized", '-' for a key not there.
std::string WindowKeys(const cMemorySettings &store) {
    std::string all;
    for (const char *key : {"Left", "Top", "Width", "Height", "Maximized"}) {
        std::string text = "-";
        store.Read(cRegistry::kApp, frmMain::kWindowSection, key, text);
        all += text + " ";
    }
    return all;
}

TEST(WindowSize, F11FillsTheScreenAndAgainBringsTheWindowBackAsItWas) {
    Window w;
    w.W.RunCommand("F2");
    // The desktop's key, pressed on the board: its own keys leave it alone.
    w.W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.W));
    const QRect before = w.W.geometry();
    for (bool on : {true, false}) {
        QTest::keyClick(&w.W.board(), Qt::Key_F11);
        QApplication::processEvents();
        w.Tick();
        EXPECT_EQ(w.W.isFullScreen(), on);
        EXPECT_EQ(w.W.action("G12")->isChecked(), on);
        EXPECT_EQ(w.W.frameGeometry() == w.W.screen()->geometry(), on);
    }
    EXPECT_TRUE(w.TheGame().Running()) << "the game goes on";
    EXPECT_EQ(w.W.geometry(), before);

    // A maximised window comes back maximised.
    w.W.showMaximized();
    QApplication::processEvents();
    w.W.RunCommand("G12");
    EXPECT_TRUE(w.W.isFullScreen());
    w.W.RunCommand("G12");
    EXPECT_FALSE(w.W.isFullScreen());
    EXPECT_TRUE(w.W.isMaximized());
}

// Whether a window, its frame included, lies wholly inside the free area of the screen.
::testing::AssertionResult OnScreen(const QWidget &window) {
    const QRect area = window.screen()->availableGeometry(), outer = window.frameGeometry();
    if (area.contains(outer))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                         << outer.height() << " on " << area.width() << "x" << area.height();
}

TEST(WindowSize, TheSizePlaceAndMaximisedStateComeBackAtTheNextRunWrittenOnceInASectionOfTheirOwnAndOnTheScreen) {
    cMemorySettings store;
    const QRect place(60, 50, 640, 420);
    {
        frmMain w(store);
        w.setGeometry(place);
        ShowUp(w);
        ASSERT_EQ(w.geometry(), place);
        const long replacements = store.Replacements, writes = store.Writes;
        w.close();
        EXPECT_EQ(store.Replacements, replacements + 1) << "one update";
        EXPECT_EQ(store.Writes, writes + 5);
        EXPECT_EQ(WindowKeys(store), "60 50 640 420 0 ");
        std::string text;
        EXPECT_FALSE(store.Read(cRegistry::kApp, cRegistry::kData, "Width", text)) << "nothing in the options' section";
    }
    {
        frmMain w(store);
        EXPECT_EQ(w.geometry(), place);
        ShowUp(w);
        EXPECT_EQ(w.geometry(), place);
        EXPECT_FALSE(w.isMaximized());
        // Maximised, it keeps the size it comes back to.
        w.showMaximized();
        QApplication::processEvents();
        w.close();
        EXPECT_EQ(WindowKeys(store), "60 50 640 420 1 ");
    }
    {
        frmMain w(store);
        ShowUp(w);
        EXPECT_TRUE(w.isMaximized());
        // Closed in full screen from a window that was not maximised: it opens as it was.
        w.showNormal();
        QApplication::processEvents();
        EXPECT_EQ(w.geometry(), place);
        w.RunCommand("G12");
        ASSERT_TRUE(w.isFullScreen());
        w.close();
        EXPECT_EQ(WindowKeys(store), "60 50 640 420 0 ");
    }
    {
        frmMain w(store);
        ShowUp(w);
        EXPECT_FALSE(w.isFullScreen());
        EXPECT_FALSE(w.isMaximized());
        EXPECT_EQ(w.geometry(), place);
    }
    // Kept off the screen, it comes back on it.
    for (auto [key, value] : {std::pair{"Left", "5000"}, {"Top", "-3000"}})
        cRegistry(store).Write(frmMain::kWindowSection, key, value);
    frmMain w(store);
    ShowUp(w);
    EXPECT_TRUE(OnScreen(w));
    EXPECT_EQ(w.size(), QSize(640, 420));
}

TEST(WindowSize, TheHelpWindowAndTheDialogsOpenInsideTheScreenWhereverTheGameStands) {
    cMemorySettings store;
    frmMain w(store);
    w.resize(500, 400);
    ShowUp(w);
    const QRect area = w.screen()->availableGeometry();
    const QSize outer = w.frameGeometry().size();
    const QPoint far = area.bottomRight() - QPoint(outer.width() - 1, outer.height() - 1);
    for (const QPoint &corner : {area.topLeft(), QPoint(far.x(), area.top()), QPoint(area.left(), far.y()), far}) {
        SCOPED_TRACE(std::to_string(corner.x()) + "," + std::to_string(corner.y()));
        w.move(corner);
        QApplication::processEvents();
        ASSERT_TRUE(OnScreen(w));
        w.RunCommand("H1");
        QWidget *help = w.helpWindow();
        ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
        EXPECT_TRUE(OnScreen(*help));
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A dialog, centred over the game, inside the screen too.
        bool seen = false;
        QTimer::singleShot(0, &w, [&] {
            if (QWidget *d = QApplication::activeModalWidget()) {
                seen = true;
                EXPECT_TRUE(OnScreen(*d)) << d->metaObject()->className();
                static_cast<QDialog *>(d)->reject();
            }
        });
        w.RunCommand("T1");
        EXPECT_TRUE(seen);
    }
}

TEST(WindowSize, TheMenusScoreTimeAndMovesStayReadableAtAnyWidth) {
    Window w;
    w.W.RunCommand("F2");
    QMenuBar *bar = w.W.menuBar();
    auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    for (int width : {1100, 700, 560, 500, 420, 400, 320}) {
        SCOPED_TRACE(width);
        w.W.resize(width, 500);
        QApplication::processEvents();
        w.Tick();
        QApplication::processEvents();
        if (width >= 420) {
            EXPECT_TRUE(!more || !more->isVisible()) << "no overflow arrow";
            for (QAction *menu : bar->actions())
                EXPECT_LE(bar->actionGeometry(menu).right(), bar->width());
        }
        for (int i = 0; i < 3; ++i) {
            QLabel *d = w.W.display(i);
            ASSERT_FALSE(d->text().isEmpty());
            EXPECT_TRUE(d->isVisible()) << d->text().toStdString();
            // Wholly inside the window, and wide enough for its text.
            EXPECT_TRUE(w.W.rect().contains(QRect(d->mapTo(&w.W, QPoint(0, 0)), d->size()))) << d->text().toStdString();
            EXPECT_GE(d->width(), d->fontMetrics().horizontalAdvance(d->text())) << d->text().toStdString();
        }
    }
}

} // namespace
} // namespace tabloo::test
