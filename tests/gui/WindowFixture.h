// The game window on in-memory settings, driven as a player drives it, and the window tests' helpers.
#pragma once

#include "TestGame.h"
#include "cBoardView.h"
#include "cCardArt.h"
#include "cFlights.h"
#include "cQtSettings.h"
#include "cSolver.h"
#include "cSystemClock.h"
#include "frmChooseGame.h"
#include "frmFinishGame.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmPlayers.h"
#include "frmSelect.h"
#include "frmStatistics.h"
#include "mColors.h"
#include "mSounds.h"
#include "sgCard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIODevice>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSize>
#include <QSizeF>
#include <QSlider>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTransform>
#include <QTreeWidget>
#include <QWidget>
#include <QXmlStreamReader>

namespace tabloo::test {

// A window on in-memory settings whose variant dialog plays and end-of-game dialog presses OK.
struct Window {
    cMemorySettings Settings;
    frmMain W{Settings};
    std::vector<QString> Dialogs;
    std::vector<QString> Played;
    bool PlayVariant = true;

    Window() {
        W.board().Flights().SetFrameInterval(0);
        W.sounds().Output = [this](const QString &buffer, const QByteArray &) { Played.push_back(buffer); };
        W.ExecDialog = [this](QDialog &d) {
            Dialogs.push_back(d.metaObject()->className());
            const char *button = qobject_cast<frmFinishGame *>(&d) ? "cmdOK" : PlayVariant ? "cmdPlay" : nullptr;
            if (button)
                if (auto *b = d.findChild<QAbstractButton *>(button)) {
                    b->click();
                    return static_cast<int>(QDialog::Accepted);
                }
            d.reject();
            return static_cast<int>(QDialog::Rejected);
        };
        W.game().EnsureFirstPlayer();
        W.resize(1100, 900);
        W.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&W));
    }
    Game &TheGame() { return W.game(); }
    cRegistry Store() { return cRegistry(TheGame().Settings); }
    void Set(std::string_view key, std::string_view value) { Store().Write(cRegistry::kData, key, value); }
    void Set(std::string_view pairs) { SetAll(Store(), pairs); }
    // Game 5, four cards per goal pile built any way, no autoplay: the autoplay command ("G4") wins.
    void DealAGameTheAutoplayCommandWins() {
        Set("Autoplay=0 GoalOrder=6 GoalCards=4");
        TheGame().StartGame(5.0);
    }
    Game &Deal(double number, bool autoplay = true) {
        Set("Autoplay", autoplay ? "1" : "0");
        TheGame().StartGame(number);
        return TheGame();
    }
    // The viewport point of a place on the board, in twips.
    QPoint At(double xTwips, double yTwips) {
        return W.board().mapFromScene(QPointF(xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel));
    }
    QPoint Place(std::int16_t cell, std::int16_t pile, std::int16_t pos) {
        return At(TheGame().PlaceX(cell, pile, pos), TheGame().PlaceY(cell, pile, pos));
    }
    // The middle of the visible part of a card.
    QPoint CardPoint(std::int16_t picId) {
        const cCard &c = TheGame().Card(picId);
        const bool topCard = TheGame().TopPos(c.Cell, c.Pile) == c.Pos || c.Cell != kHome;
        return At(TheGame().PlaceX(c.Cell, c.Pile, c.Pos) + 532,
                  TheGame().PlaceY(c.Cell, c.Pile, c.Pos) + (topCard ? 720 : 125));
    }
    void Drag(QPoint from, QPoint to) {
        QWidget *vp = W.board().viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, (from + to) / 2);
        QTest::mouseMove(vp, to);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    }
    // Drag the card so that it lands on the place of (cell, pile, pos).
    void DragTo(std::int16_t picId, std::int16_t cell, std::int16_t pile, std::int16_t pos) {
        const cCard &c = TheGame().Card(picId);
        const QPoint from = CardPoint(picId);
        Drag(from, Place(cell, pile, pos) + from - Place(c.Cell, c.Pile, c.Pos));
    }
    bool Enabled(const char *key) { return W.action(key)->isEnabled(); }
    void Tick() {
        W.UpdateMenuStates();
        W.UpdateToolbarStates();
        W.UpdateDisplays();
    }
};

// A settings file's bytes, read and written whole, for the tests that look at the file itself.
inline QByteArray ReadFileBytes(const QString &name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void WriteFileBytes(const QString &name, const QByteArray &data) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

// A store holding the game a killed program left: game 123, three moves, one undone.
inline void KillDuringAGame(ISettingsBackend &store) {
    GameOn on(store);
    Game &g = on.TheGame;
    g.EnsureFirstPlayer();
    on.Store.SetAutoplay(0);
    g.StartGame(std::string_view("123"));
    for (std::int16_t p : {7, 6, 5})
        g.PlayMove(g.TopCard(kHome, p), {kReserve, static_cast<std::int16_t>(7 - p)});
    g.Undo(0);
}

// Every card shows where the table has it.
inline ::testing::AssertionResult Shown(Window &w) {
    Game &g = w.TheGame();
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        const cCard &c = g.Card(id);
        const QPoint at = w.W.board().CardPos(id);
        if (at != QPoint(g.PlaceX(c.Cell, c.Pile, c.Pos), g.PlaceY(c.Cell, c.Pile, c.Pos)))
            return ::testing::AssertionFailure() << "card " << id << " is drawn at " << at.x() << "," << at.y();
    }
    return ::testing::AssertionSuccess();
}

} // namespace tabloo::test
