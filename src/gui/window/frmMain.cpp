#include "frmMain.h"

#include "NumText.h"
#include "cAdvisor.h"
#include "cBoardView.h"
#include "cKeyboardPlay.h"
#include "cPointerPlay.h"
#include "cSolveService.h"
#include "cStepPlayer.h"
#include "frmChooseGame.h"
#include "frmFinishGame.h"
#include "frmHelp.h"
#include "frmOptions.h"
#include "frmPlayers.h"
#include "frmSelect.h"
#include "mColors.h"
#include "mScreenPlace.h"
#include "mSounds.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace tabloo {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        return true;
    default:
        return false;
    }
}

} // namespace

frmMain::frmMain(ISettingsBackend &settings, QWidget *parent) : QMainWindow(parent), Store(settings) {
    setWindowTitle("Tabloo 3.0");
    ExecDialog = [this](QDialog &d) {
        // Centred over the window, whatever the window manager would do, and inside the
        // screen.
        d.adjustSize();
        const QMargins frame = FrameMargins(*this);
        PlaceInside(d, frameGeometry().center() - QRect(QPoint(), d.size().grownBy(frame)).center(), *this);
        return d.exec();
    };
    // The questions and messages hold text from the settings file (a kept game's number, a
    // reason naming a setting): shown as the plain text it is, never as markup that could
    // make the box load a file.
    AskYesNo = [this](const QString &question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tabloo"), QString(), QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.setText(question);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    Tell = [this](const QString &text) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tabloo"), QString(), QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        box.exec();
    };
    Board = new cBoardView(this);
    setCentralWidget(Board);
    TheGame = std::make_unique<Game>(settings, Clock, Random, *Board);
    Board->SetGame(*TheGame);
    Sounds = std::make_unique<cSounds>(Store);
    Sounds->LoadSounds();

    // The verdict line, under the board; it is there from the start, so that nothing moves
    // when it speaks.
    VerdictLine = new QLabel(statusBar());
    VerdictLine->setTextFormat(Qt::PlainText);
    VerdictLine->setObjectName(QStringLiteral("lblVerdict"));
    // In a narrow window it gives way to the score, time and moves beside it.
    VerdictLine->setMinimumWidth(1);
    statusBar()->addWidget(VerdictLine, 1);
    Solver = std::make_unique<cSolveService>(2);
    Steps = std::make_unique<cStepPlayer>(*Board);
    Advisor = std::make_unique<cAdvisor>(*TheGame, *Board, *Solver, *VerdictLine, *Steps);
    Advisor->Tell = [this](const QString &text) { statusBar()->showMessage(text, 5000); };

    BuildMenus();
    BuildToolbar();
    connect(Advisor.get(), &cAdvisor::SolutionStateChanged, this, &frmMain::UpdateMenuStates);
    // Every move, undo, redo, replay step, deal and end of a game, whoever makes it, gets a
    // verdict of its own.
    connect(Board, &cBoardView::TableChanged, Advisor.get(), &cAdvisor::Refresh);

    connect(Board, &cBoardView::TitleRequested, this, &QWidget::setWindowTitle);
    connect(Board, &cBoardView::SoundRequested, Sounds.get(), &cSounds::PlaySound);
    // The end-of-game dialog opens when the winning move and its cascade have returned.
    connect(Board, &cBoardView::GameWonNoticed, this, [this] {
        if (FinishQueued)
            return;
        FinishQueued = true;
        // The won game's dialog says what comes next: no new game found meanwhile replaces it.
        Advisor->CancelFinding();
        Pending.reset();
        QMetaObject::invokeMethod(
            this, [this] { ShowFinishGame(); }, Qt::QueuedConnection);
    });
    Pointer = new cPointerPlay(*TheGame, *Board, this);
    connect(Pointer, &cPointerPlay::PlayerTakesOver, this, &frmMain::StopReplay);
    Keys = new cKeyboardPlay(*TheGame, *Board, this);
    connect(Pointer, &cPointerPlay::Pressing, Keys, &cKeyboardPlay::Cancel);
    connect(Keys, &cKeyboardPlay::PlayerTakesOver, this, &frmMain::StopReplay);
    // The keyboard's frame follows the piles as moves, undos and deals change them.
    connect(Board, &cBoardView::TableChanged, Keys, &cKeyboardPlay::Refresh);
    // A double-click sends the card on at once: its second press lifts nothing.
    connect(Board, &cBoardView::CardDoubleClicked, this, [this](int picId) {
        CancelDrag();
        Keys->SendAway(picId);
    });

    tmrMain.setInterval(100);
    tmrTime.setInterval(1000);
    connect(&tmrMain, &QTimer::timeout, this, [this] {
        UpdateMenuStates();
        UpdateToolbarStates();
    });
    connect(&tmrTime, &QTimer::timeout, this, &frmMain::UpdateDisplays);
    tmrMain.start();
    tmrTime.start();

    // Room for the whole board at its own size, below the menus and the toolbar.
    resize(Board->sizeHint().width(), menuBar()->sizeHint().height() + Toolbar1->sizeHint().height() +
                                          Board->sizeHint().height() + statusBar()->sizeHint().height());
    // The size, place and maximised state the window had when it last closed.
    RestoreWindowPlace();
    ArrangeBoard();
    UpdateMenuStates();
    UpdateToolbarStates();
    // The board takes the keys, and has them back whenever a dialog closes.
    Board->setFocus();
    qApp->installEventFilter(this);
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
    tmrMain.stop();
    tmrTime.stop();
    Steps->Stop();
}

void frmMain::UseSlotLocks(std::unique_ptr<ISlotLocks> locks) {
    SlotLocks = std::move(locks);
    TheGame->ClaimKeptSlot(*SlotLocks);
}

void frmMain::Load() {
    TheGame->EnsureFirstPlayer();
    show();
    // The variant dialog opens centred over the window: first the window has to stand where
    // the window manager puts it (a window never shown on a screen holds nothing up long).
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
    if (!OfferUnfinishedGame())
        RunCommand("F2");
}

bool frmMain::OfferUnfinishedGame() {
    if (!TheGame->HasKeptGame())
        return false;
    const QString number = QString::fromStdString(TheGame->KeptGameNo());
    if (!AskYesNo(tr("Continue the unfinished game %1?").arg(number))) {
        TheGame->AbandonSavedGame();
        return false;
    }
    std::string fault;
    const bool resumed = TheGame->ResumeSavedGame(fault);
    // The moves are made at once: no card travels.
    Board->LandFlights();
    UpdateMenuStates();
    UpdateToolbarStates();
    UpdateDisplays();
    if (!resumed)
        Tell(tr("The unfinished game %1 could not be brought back (%2). It counts as lost.")
                 .arg(number, QString::fromStdString(fault)));
    return resumed;
}

void frmMain::StartGameNo(double gameNo) {
    StopReplay();
    TheGame->StartGame(gameNo);
}

void frmMain::DealRandomGame() {
    if (Store.WinnableOnly() == 0) {
        StartGameNo(TheGame->RandomGameNo());
        return;
    }
    Pending.reset();
    Advisor->FindWinnableDeal(Store.StoredVariant(), [this](double gameNo, bool found) {
        Pending = PendingDeal{gameNo, found};
        DealPending();
    });
}

void frmMain::DealPending() {
    // Not under an open dialog, and not over a won game still waiting for its own dialog.
    if (!Pending || IsClosed || QApplication::activeModalWidget() || FinishQueued || WonAndWaiting())
        return;
    const PendingDeal deal = *Pending;
    Pending.reset();
    Board->LandFlights();
    CancelDrag();
    StartGameNo(deal.GameNo);
    if (!deal.Found)
        Advisor->NoteNoWinnableDeal();
    UpdateMenuStates();
}

bool frmMain::Dragging() const { return Pointer->Dragging(); }

void frmMain::CancelDrag() {
    Keys->Cancel();
    Pointer->Cancel();
}

void frmMain::SelectGame() {
    StopReplay();
    frmSelect dialog(*TheGame, this, Solver.get());
    dialog.DealNew = [this] { DealRandomGame(); };
    ExecDialog(dialog);
}

void frmMain::RestartGame() {
    StopReplay();
    const std::string gameNo = TheGame->GameNo();
    if (!gameNo.empty())
        TheGame->StartGame(std::string_view(gameNo));
}

void frmMain::CloseGame() {
    StopReplay();
    if (TheGame->Running())
        TheGame->EndGame(0);
}

void frmMain::ChooseNumber() {
    StopReplay();
    frmChooseGame dialog(*TheGame, this);
    // With winnable deals only, the number offered is a winnable one once it is found.
    if (Store.WinnableOnly() != 0)
        Advisor->FindWinnableDeal(Store.StoredVariant(),
                                  [&dialog](double gameNo, bool) { dialog.OfferNumber(gameNo); });
    ExecDialog(dialog);
    Advisor->CancelFinding();
}

void frmMain::ExitAtOnce() {
    // Exit ends the program at once, without the window's closing handling: the game stays
    // in the store as it stands, to be offered at the next start.
    TheGame->SaveRunningGame();
    SaveWindowPlace();
    ExitingAtOnce = true;
    QCoreApplication::quit();
}

void frmMain::SwitchAutoplay() {
    cRegistry &reg = Store;
    if (ReplayRunning() && reg.Autoplay() != 1) {
        // Autoplay now would cut off the moves still to be replayed: it plays when the
        // replay has made the last of them.
        reg.SetAutoplay(1);
        AutoplayAfterReplay = true;
    } else {
        TheGame->ToggleAutoplay();
    }
}

void frmMain::SwitchToolbar() {
    cRegistry &reg = Store;
    reg.SetShowToolbar(reg.ShowToolbar() != 1 ? 1 : 0);
    ArrangeBoard();
}

void frmMain::SwitchFullScreen() {
    if (isFullScreen()) {
        // Back to the window as it was before.
        if (MaximizedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
    } else {
        MaximizedBeforeFullScreen = isMaximized();
        showFullScreen();
    }
    UpdateMenuStates();
}

bool frmMain::KeptMaximized() const { return isFullScreen() ? MaximizedBeforeFullScreen : isMaximized(); }

void frmMain::RestoreWindowPlace() {
    const cRegistry &reg = Store;
    auto number = [&reg](std::string_view key, int &value) {
        std::string text;
        if (!reg.Read(kWindowSection, key, text))
            return false;
        const std::optional<int> n = ParseWholeAs<int>(text);
        if (n)
            value = *n;
        return n.has_value();
    };
    int left = 0, top = 0, width = 0, height = 0, maximized = 0;
    if (number("Left", left) && number("Top", top) && number("Width", width) && number("Height", height) && width > 0 &&
        height > 0) {
        QRect place(left, top, width, height);
        // On the screen that holds the most of it (the screens may have changed since), and
        // inside its free area.
        QScreen *screen = QGuiApplication::screenAt(place.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QMargins frame = FrameMargins(*this);
            place = FitInside(place.marginsAdded(frame), screen->availableGeometry()).marginsRemoved(frame);
        }
        setGeometry(place);
        // Its frame is known once it is shown: then it is kept on the screen with it.
        FitAtShow = true;
    }
    if (number("Maximized", maximized) && maximized != 0)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::SaveWindowPlace() {
    if (std::exchange(PlaceSaved, true))
        return;
    // The size and place of the window as it stands when neither maximised nor full screen;
    // a window closed in full screen opens as it was before it went full screen.
    const QRect place = normalGeometry().isValid() ? normalGeometry() : geometry();
    cRegistry &reg = Store;
    cRegistry::Update update(reg);
    // On the disk before the window is gone, as the game's record written with it is.
    update.KeepSafe();
    reg.Write(kWindowSection, "Left", std::to_string(place.x()));
    reg.Write(kWindowSection, "Top", std::to_string(place.y()));
    reg.Write(kWindowSection, "Width", std::to_string(place.width()));
    reg.Write(kWindowSection, "Height", std::to_string(place.height()));
    reg.Write(kWindowSection, "Maximized", KeptMaximized() ? "1" : "0");
}

void frmMain::Customize() {
    frmOptions dialog(
        *TheGame, Colors, [this](quint32 colour) { Board->SetBoardColor(colour); }, this);
    ExecDialog(dialog);
    ArrangeBoard();
}

void frmMain::ShowPlayers() {
    frmPlayers dialog(*TheGame, this);
    ExecDialog(dialog);
    // A renamed or deleted current player changes the name in the title.
    if (!TheGame->GameNo().empty())
        TheGame->SetTitle();
}

void frmMain::UpdateMenuStates() {
    const cRegistry &reg = Store;
    const bool running = TheGame->Running();
    Actions["G9"]->setChecked(reg.ShowToolbar() != 0);
    Actions["G12"]->setChecked(isFullScreen());
    Actions["F4"]->setEnabled(running);
    Actions["F5"]->setEnabled(running);
    const bool playable = running && !ReplayRunning();
    const bool undo = playable && TheGame->CanUndo();
    const bool redo = playable && TheGame->CanRedo();
    for (const char *k : {"G1", "G6", "R2"})
        Actions[k]->setEnabled(undo);
    for (const char *k : {"G2", "G7", "R1"})
        Actions[k]->setEnabled(redo);
    Actions["R4"]->setEnabled(undo || redo);
    const bool open = playable && TheGame->GoalCardCount() < kTotalCards;
    Actions["G10"]->setEnabled(open);
    Actions["G11"]->setEnabled(open && !Advisor->SolutionPlaying());
    Actions["R6"]->setEnabled(ReplayRunning() || Advisor->SolutionPlaying());
}

void frmMain::UpdateToolbarStates() {
    // Menu items and toolbar buttons share their actions, so the enabled states already
    // agree; the Autoplay button and item show the setting.
    Actions["G4"]->setChecked(Store.Autoplay() == 1);
}

void frmMain::UpdateDisplays() { Displays->Show(*TheGame); }

bool frmMain::ReplayRunning() const {
    const cStepPlayer::Line line = Steps->Playing();
    return line == cStepPlayer::Line::Forward || line == cStepPlayer::Line::Back;
}

void frmMain::StartReplay(bool forward) {
    Steps->Play(forward ? cStepPlayer::Line::Forward : cStepPlayer::Line::Back, [this, forward] {
        ReplayStep(forward);
        return true;
    });
}

void frmMain::ReplayStep(bool forward) {
    // The next step waits while the cards of the last one are still travelling.
    if (IsClosed || Board->Flying())
        return;
    CancelDrag();
    if (Steps->Playing() == (forward ? cStepPlayer::Line::Back : cStepPlayer::Line::Forward))
        Steps->Stop();
    Actions["R6"]->setEnabled(true);
    const std::int16_t speed = Store.ReplaySpeed();
    // At either end of the log the replay stops by itself.
    if (forward ? TheGame->Redo(speed) : TheGame->Undo(speed))
        return;
    const bool autoplay = AutoplayAfterReplay && forward && !TheGame->CanRedo();
    StopReplay();
    if (autoplay && Store.Autoplay() == 1)
        TheGame->AutoplayAll();
}

void frmMain::StopReplay() {
    Advisor->StopSolution();
    Actions["R6"]->setEnabled(false);
    if (ReplayRunning())
        Steps->Stop();
    AutoplayAfterReplay = false;
}

void frmMain::ArrangeBoard() {
    if (isMinimized())
        return;
    Toolbar1->setVisible(Store.ShowToolbar() != 0);
    Board->SetFitToWindow(Store.FitBoard() == 1);
    Board->SetFaceLook(cFaceLook::FromSettings(Store.CardFaces(), Store.FourColours()));
    Board->SetBoardColor(Colors.GetColorEntry(Store.ColorIndex()).Value);
}

void frmMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (std::exchange(FitAtShow, false) && !isMaximized() && !isFullScreen())
        PlaceInside(*this, frameGeometry().topLeft(), *this);
}

void frmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Displays->Fit(width());
}

void frmMain::ShowHelp() {
    // One help window, beside the game; asking again brings it to the front.
    if (!Help) {
        QList<QAction *> commands;
        for (QMenu *menu : menuBar()->findChildren<QMenu *>())
            commands += menu->actions();
        Help = new frmHelp(commands, this);
        // Beside the game, at its right where the screen has room, else at its left, and
        // inside the screen in any case.
        const QRect game = frameGeometry(), area = FreeAreaNear(*this);
        const int width = Help->width() + FrameMargins(*this).left() + FrameMargins(*this).right();
        int left = game.right() + 1;
        if (left + width > area.right() + 1 && game.left() - width >= area.left())
            left = game.left() - width;
        PlaceInside(*Help, QPoint(left, game.top()), *this);
    }
    Help->show();
    Help->raise();
    Help->activateWindow();
}

bool frmMain::WonAndWaiting() const {
    // A game the solver finished is no win of the player's.
    return TheGame->Running() && TheGame->WinNoticed() && TheGame->GoalCardCount() == kTotalCards && !Advisor->GaveUp();
}

void frmMain::ShowFinishGame() {
    FinishQueued = false;
    if (IsClosed)
        return;
    Board->LandFlights();
    CancelDrag();
    // The game may have ended meanwhile, or the winning move been taken back.
    if (!WonAndWaiting())
        return;
    StopReplay();
    frmFinishGame dialog(
        *TheGame, [this](const QString &key) { RunCommand(key); }, this);
    ExecDialog(dialog);
}

void frmMain::closeEvent(QCloseEvent *event) {
    event->accept();
    if (IsClosed)
        return;
    IsClosed = true;
    SaveWindowPlace();
    tmrMain.stop();
    tmrTime.stop();
    StopReplay();
    // No search holds the end of the program up.
    Advisor->Stop();
    Solver->CancelAll();
    if (!ExitingAtOnce) {
        Board->LandFlights();
        CancelDrag();
        // Closing the window during a game counts it as lost; a game whose cards all lie on
        // the goal piles is won, although its dialog had no time to open.
        if (WonAndWaiting())
            TheGame->EndGame(1, TheGame->GameScore());
        else if (TheGame->Running())
            TheGame->EndGame(0);
    }
    // The program ends with its window: the help window goes too, and nothing still waiting
    // in the event queue acts any more.
    if (Help)
        Help->close();
    QCoreApplication::quit();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (IsInput(event->type())) {
        if (IsClosed)
            return true;
        if (Board->Flying())
            Board->LandFlights();
        Advisor->InputArrived();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tabloo
