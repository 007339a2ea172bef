// The window on the screen: the board that fills it, full screen, the size and place kept
// between runs, windows that open inside the screen, the menu bar's displays at any width.
#include "WindowFixture.h"
#include "cMemorySettings.h"
#include "cRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace tabloo::test {
namespace {

// The board's pixels as the player sees them.
QImage BoardShot(frmMain &w) { return w.board().viewport()->grab().toImage(); }

TEST(WindowSize, TheBoardFitsTheWindowUnlessTheSettingSaysNoAndLooksAsBeforeAtTheFirstSize) {
    cMemorySettings fresh, off;
    cRegistry(off).SetFitBoard(0);
    frmMain fitted(fresh), fixed(off);
    for (frmMain *w : {&fitted, &fixed}) {
        w->board().Flights().SetFrameInterval(0);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        w->game().EnsureFirstPlayer();
        cRegistry(*(w == &fitted ? &fresh : &off)).SetAutoplay(0);
        w->game().StartGame(123.0);
        QApplication::processEvents();
    }
    std::string text;
    EXPECT_FALSE(fresh.Read(cRegistry::kApp, cRegistry::kData, "FitBoard", text)) << "nothing stored";
    EXPECT_EQ(fitted.game().Registry.FitBoard(), 1);
    // At the window's first size the board is the one a board at its own size shows.
    EXPECT_EQ(fitted.board().viewport()->size(), fixed.board().viewport()->size());
    EXPECT_DOUBLE_EQ(fitted.board().BoardScale(), 1.0);
    EXPECT_EQ(fitted.board().BoardOrigin(), fixed.board().BoardOrigin());
    EXPECT_EQ(BoardShot(fitted), BoardShot(fixed));

    // Larger, the fitted board grows and the other keeps its size.
    for (frmMain *w : {&fitted, &fixed}) {
        w->resize(w->width() + 500, w->height() + 400);
        QApplication::processEvents();
    }
    EXPECT_GT(fitted.board().BoardScale(), 1.3);
    EXPECT_DOUBLE_EQ(fixed.board().BoardScale(), 1.0);

    // Customize turns it off, and the store says so.
    fitted.ExecDialog = [](QDialog &d) {
        auto *box = d.findChild<QCheckBox *>("chkFitBoard");
        EXPECT_TRUE(box->isChecked());
        box->setChecked(false);
        d.findChild<QAbstractButton *>("cmdOK")->click();
        return d.result();
    };
    fitted.RunCommand("T1");
    ASSERT_TRUE(fresh.Read(cRegistry::kApp, cRegistry::kData, "FitBoard", text));
    EXPECT_EQ(text, "0");
    EXPECT_DOUBLE_EQ(fitted.board().BoardScale(), 1.0);
}

} // namespace
} // namespace tabloo::test
