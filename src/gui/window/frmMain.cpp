#include "frmMain.h"

#include "NumText.h"
#include "cAdvisor.h"
#include "cBoardView.h"
#include "cDealer.h"
#include "cKeyboardPlay.h"
#include "cPointerPlay.h"
#include "cSolveService.h"
#include "frmAbout.h"
#include "frmChooseGame.h"
#include "frmFinishGame.h"
#include "frmHelp.h"
#include "frmOptions.h"
#include "frmPlayers.h"
#include "frmSelect.h"
#include "frmStatistics.h"
#include "mColors.h"
#include "mSounds.h"
#include "mToolbarIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

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

// The commands that end the running game or deal another.
bool EndsTheGame(const QString &key) { return key == "F1" || key == "F2" || key == "F4" || key == "F5" || key == "F7"; }

} // namespace

frmMain::frmMain(ISettingsBackend &settings, QWidget *parent) : QMainWindow(parent) {
    setWindowTitle("Tabloo 3.0");
    ExecDialog = [this](QDialog &d) {
        // Centred over the window, whatever the window manager would do.
        d.adjustSize();
        d.move(frameGeometry().center() - d.rect().center());
        return d.exec();
    };
    AskYesNo = [this](const QString &question) {
        return QMessageBox::question(this, QStringLiteral("Tabloo"), question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };
    Tell = [this](const QString &text) { QMessageBox::information(this, QStringLiteral("Tabloo"), text); };
    Board = new cBoardView(this);
    setCentralWidget(Board);
    TheGame = std::make_unique<Game>(settings, Clock, Random, *Board);
    Board->SetGame(*TheGame);
    Sounds = std::make_unique<cSounds>(TheGame->Registry);
    Sounds->LoadSounds();

    // The verdict line, under the board; it is there from the start, so that nothing moves
    // when it speaks.
    VerdictLine = new QLabel(statusBar());
    VerdictLine->setObjectName(QStringLiteral("lblVerdict"));
    statusBar()->addWidget(VerdictLine, 1);
    Solver = std::make_unique<cSolveService>(2);
    Advisor = std::make_unique<cAdvisor>(*TheGame, *Board, *Solver, *VerdictLine);
    Advisor->Tell = [this](const QString &text) { statusBar()->showMessage(text, 5000); };

    BuildMenus();
    BuildToolbar();
    connect(Advisor.get(), &cAdvisor::SolutionStateChanged, this, &frmMain::UpdateMenuStates);

    connect(Board, &cBoardView::TitleRequested, this, &QWidget::setWindowTitle);
    connect(Board, &cBoardView::SoundRequested, Sounds.get(), &cSounds::PlaySound);
    // The end-of-game dialog opens when the winning move and its cascade have returned.
    connect(Board, &cBoardView::GameWonNoticed, this, [this] {
        if (FinishQueued)
            return;
        FinishQueued = true;
        QMetaObject::invokeMethod(
            this, [this] { ShowFinishGame(); }, Qt::QueuedConnection);
    });
    Pointer = new cPointerPlay(*TheGame, *Board, this);
    connect(Pointer, &cPointerPlay::PlayerTakesOver, this, &frmMain::StopReplay);
    connect(Pointer, &cPointerPlay::Dropped, Advisor.get(), &cAdvisor::Refresh);
    Keys = new cKeyboardPlay(*TheGame, *Board, this);
    connect(Pointer, &cPointerPlay::Pressing, Keys, &cKeyboardPlay::Cancel);
    connect(Keys, &cKeyboardPlay::PlayerTakesOver, this, &frmMain::StopReplay);
    // A double-click sends the card on at once: its second press lifts nothing.
    connect(Board, &cBoardView::CardDoubleClicked, this, [this](int picId) {
        CancelDrag();
        Keys->SendAway(picId);
    });

    tmrMain.setInterval(100);
    tmrTime.setInterval(1000);
    tmrForward.setInterval(500);
    tmrBackward.setInterval(500);
    connect(&tmrMain, &QTimer::timeout, this, [this] {
        UpdateMenuStates();
        UpdateToolbarStates();
        Advisor->Refresh();
    });
    connect(&tmrTime, &QTimer::timeout, this, &frmMain::UpdateDisplays);
    connect(&tmrForward, &QTimer::timeout, this, &frmMain::ReplayStepForward);
    connect(&tmrBackward, &QTimer::timeout, this, &frmMain::ReplayStepBackward);
    tmrMain.start();
    tmrTime.start();

    // Room for the whole board at its own size, below the menus and the toolbar.
    resize(Board->sizeHint().width(), menuBar()->sizeHint().height() + Toolbar1->sizeHint().height() +
                                          Board->sizeHint().height() + statusBar()->sizeHint().height());
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
    tmrForward.stop();
    tmrBackward.stop();
}

QAction *frmMain::AddItem(QMenu *menu, const QString &key, const QString &caption, const QKeySequence &shortcut) {
    auto *a = menu->addAction(caption);
    a->setObjectName(key);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, [this, key] { RunCommand(key); });
    Actions[key] = a;
    return a;
}

QAction *frmMain::action(const QString &key) const {
    auto it = Actions.find(key);
    return it == Actions.end() ? nullptr : it->second;
}

void frmMain::BuildMenus() {
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    AddItem(file, "F1", "&New Game", Qt::Key_F2);
    AddItem(file, "F2", "&Select Game", Qt::Key_F3);
    file->addSeparator();
    AddItem(file, "F4", "&Restart Game", QKeySequence(Qt::CTRL | Qt::Key_F2));
    AddItem(file, "F5", "&Close Game", Qt::Key_F12);
    file->addSeparator();
    AddItem(file, "F7", "Select a Number", QKeySequence(Qt::CTRL | Qt::Key_F12));
    file->addSeparator();
    AddItem(file, "F9", "E&xit");

    QMenu *gameMenu = bar->addMenu("&Game");
    gameMenu->setObjectName("mnuGame");
    AddItem(gameMenu, "G1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddItem(gameMenu, "G2", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_X));
    gameMenu->addSeparator();
    QAction *autoplay = AddItem(gameMenu, "G4", "Autoplay", Qt::Key_F7);
    autoplay->setCheckable(true);
    // The menu shows a tick, not the toolbar's picture.
    autoplay->setIconVisibleInMenu(false);
    gameMenu->addSeparator();
    AddItem(gameMenu, "G6", "U&ndo All", QKeySequence(Qt::CTRL | Qt::Key_C));
    AddItem(gameMenu, "G7", "R&edo All", QKeySequence(Qt::CTRL | Qt::Key_V));
    gameMenu->addSeparator();
    AddItem(gameMenu, "G10", "&Hint", QKeySequence(Qt::CTRL | Qt::Key_H));
    AddItem(gameMenu, "G11", "&Show Solution", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    gameMenu->addSeparator();
    AddItem(gameMenu, "G9", "View Toolbar")->setCheckable(true);

    QMenu *replay = bar->addMenu("&Replay");
    replay->setObjectName("mnuReplay");
    AddItem(replay, "R1", "&Forward", QKeySequence(Qt::SHIFT | Qt::Key_F1));
    AddItem(replay, "R2", "&Back", QKeySequence(Qt::SHIFT | Qt::Key_F2));
    replay->addSeparator();
    AddItem(replay, "R4", "Replay &All");
    replay->addSeparator();
    AddItem(replay, "R6", "Sto&p")->setEnabled(false);

    QMenu *tools = bar->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    AddItem(tools, "T1", "Customize", QKeySequence(Qt::CTRL | Qt::Key_U));
    tools->addSeparator();
    AddItem(tools, "T3", "Players", QKeySequence(Qt::CTRL | Qt::Key_L));
    tools->addSeparator();
    AddItem(tools, "T5", "Statistics", Qt::Key_F4);

    QMenu *help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    AddItem(help, "H1", "Contents", Qt::Key_F1);
    help->addSeparator();
    AddItem(help, "H5", "About Tabloo...");

    // Score, time and moves at the right of the menu bar.
    auto *corner = new QWidget(bar);
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 12, 0);
    row->setSpacing(28);
    const char *names[3] = {"mScore", "mTime", "mMoves"};
    for (int i = 0; i < 3; ++i) {
        Displays[i] = new QLabel(corner);
        Displays[i]->setObjectName(names[i]);
        Displays[i]->setMinimumWidth(i == 1 ? 110 : 90);
        row->addWidget(Displays[i]);
    }
    bar->setCornerWidget(corner, Qt::TopRightCorner);
}

void frmMain::BuildToolbar() {
    Toolbar1 = addToolBar("Toolbar1");
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    struct Button {
        const char *Caption, *Key, *Command, *Tip;
    };
    const Button buttons[] = {
        {"New", "New", "F1", "New Game"},
        {"Select", "Select", "F2", "Select Game"},
        {"Restart", "Restart", "F4", "Restart Game"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Autoplay", "Autoplay", "G4", "Autoplay"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Undo", "Undo", "G1", "Undo"},
        {"Redo", "Redo", "G2", "Redo"},
        {"Hint", "Hint", "G10", "Hint: the first move of a winning line"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Back", "Back", "R2", "Replay Back"},
        {"Stop", "ReplayStop", "R6", "Replay Stop"},
        {"Forward", "Forward", "R1", "Replay Forward"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Statistics", "Statistics", "T5", "Statistics"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Help", "Help", "H1", "Help"},
    };
    for (const Button &b : buttons) {
        if (!b.Caption) {
            Toolbar1->addSeparator();
            continue;
        }
        QAction *a = Actions.at(b.Command);
        a->setIconText(b.Caption);
        a->setToolTip(b.Tip);
        a->setIcon(ToolbarIcon(b.Key));
        Toolbar1->addAction(a);
    }
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
    if (!TheGame->Saved.Present())
        return false;
    const QString number = QString::fromStdString(TheGame->Saved.GameNo());
    if (!AskYesNo(QStringLiteral("Continue the unfinished game %1?").arg(number))) {
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
        Tell(QStringLiteral("The unfinished game %1 could not be brought back (%2). It counts as lost.")
                 .arg(number, QString::fromStdString(fault)));
    return resumed;
}

void frmMain::StartGameNo(double gameNo) {
    StopReplay();
    TheGame->StartGame(gameNo);
}

void frmMain::DealRandomGame() {
    if (TheGame->Registry.WinnableOnly() == 0) {
        StartGameNo(TheGame->RandomGameNo());
        return;
    }
    Advisor->FindWinnableDeal(cDealer::FromStore(TheGame->Registry), [this](double gameNo, bool found) {
        if (IsClosed)
            return;
        Board->LandFlights();
        CancelDrag();
        StartGameNo(gameNo);
        if (!found)
            Advisor->NoteNoWinnableDeal();
        UpdateMenuStates();
        Advisor->Refresh();
    });
}

bool frmMain::Dragging() const { return Pointer->Dragging(); }

void frmMain::CancelDrag() {
    Keys->Cancel();
    Pointer->Cancel();
}

void frmMain::RunCommand(const QString &key) {
    if (IsClosed)
        return;
    // A command acts on the board as the table has it, with no card still travelling, and
    // moves cards of its own: a drag in progress ends first.
    Board->LandFlights();
    CancelDrag();
    // A won game shows its end-of-game dialog before anything ends it; the dialog's own
    // choices say what comes next.
    if (EndsTheGame(key) && WonAndWaiting()) {
        ShowFinishGame();
        return;
    }
    // A game that ends or another deal leaves no new game still to be found.
    if (EndsTheGame(key))
        Advisor->CancelFinding();
    cRegistry &reg = TheGame->Registry;
    if (key == "F1") {
        DealRandomGame();
    } else if (key == "F2") {
        StopReplay();
        frmSelect dialog(*TheGame, this, Solver.get());
        dialog.DealNew = [this] { DealRandomGame(); };
        ExecDialog(dialog);
    } else if (key == "F4") {
        StopReplay();
        const std::string gameNo = TheGame->CurrentGameNo;
        if (!gameNo.empty())
            TheGame->StartGame(std::string_view(gameNo));
    } else if (key == "F5") {
        StopReplay();
        if (TheGame->GameRunning)
            TheGame->EndGame(0);
    } else if (key == "F7") {
        StopReplay();
        frmChooseGame dialog(*TheGame, this);
        // With winnable deals only, the number offered is a winnable one once it is found.
        if (reg.WinnableOnly() != 0)
            Advisor->FindWinnableDeal(cDealer::FromStore(reg),
                                      [&dialog](double gameNo, bool) { dialog.OfferNumber(gameNo); });
        ExecDialog(dialog);
        Advisor->CancelFinding();
    } else if (key == "F9") {
        // Exit ends the program at once, without the window's closing handling: the game
        // stays in the store as it stands, to be offered at the next start.
        TheGame->SaveRunningGame();
        ExitingAtOnce = true;
        QCoreApplication::quit();
    } else if (key == "G1") {
        TheGame->Trans.Undo(reg.UndoSpeed());
    } else if (key == "G2") {
        TheGame->Trans.Redo(reg.UndoSpeed());
    } else if (key == "G4") {
        if (ReplayRunning() && reg.Autoplay() != 1) {
            // Autoplay now would cut off the moves still to be replayed: it plays when the
            // replay has made the last of them.
            reg.SetAutoplay(1);
            AutoplayAfterReplay = true;
        } else {
            TheGame->ToggleAutoplay();
        }
    } else if (key == "G6") {
        TheGame->Trans.UndoAll(reg.UndoallSpeed());
    } else if (key == "G7") {
        TheGame->Trans.RedoAll(reg.UndoallSpeed());
    } else if (key == "G10") {
        Advisor->Hint();
    } else if (key == "G11") {
        StopReplay();
        Advisor->ShowSolution();
    } else if (key == "G9") {
        reg.SetShowToolbar(reg.ShowToolbar() != 1 ? 1 : 0);
        ArrangeBoard();
    } else if (key == "R1") {
        tmrForward.start();
    } else if (key == "R2") {
        tmrBackward.start();
    } else if (key == "R4") {
        TheGame->Trans.UndoAll(1);
        tmrForward.start();
    } else if (key == "R6") {
        StopReplay();
    } else if (key == "T1") {
        frmOptions dialog(
            *TheGame, Colors, [this](quint32 colour) { Board->SetBoardColor(colour); }, this);
        ExecDialog(dialog);
        ArrangeBoard();
    } else if (key == "T3") {
        frmPlayers dialog(*TheGame, this);
        ExecDialog(dialog);
        // A renamed or deleted current player changes the name in the title.
        if (!TheGame->CurrentGameNo.empty())
            TheGame->SetTitle();
    } else if (key == "T5") {
        frmStatistics dialog(*TheGame, this);
        ExecDialog(dialog);
    } else if (key == "H1") {
        ShowHelp();
    } else if (key == "H5") {
        frmAbout dialog(this);
        ExecDialog(dialog);
    }
    UpdateMenuStates();
    UpdateToolbarStates();
    Advisor->Refresh();
}

void frmMain::UpdateMenuStates() {
    const cRegistry &reg = TheGame->Registry;
    const bool running = TheGame->GameRunning;
    Actions["G9"]->setChecked(reg.ShowToolbar() != 0);
    Actions["F4"]->setEnabled(running);
    Actions["F5"]->setEnabled(running);
    const bool playable = running && !ReplayRunning();
    const bool undo = playable && TheGame->Trans.UndoPossible();
    const bool redo = playable && TheGame->Trans.RedoPossible();
    for (const char *k : {"G1", "G6", "R2"})
        Actions[k]->setEnabled(undo);
    for (const char *k : {"G2", "G7", "R1"})
        Actions[k]->setEnabled(redo);
    Actions["R4"]->setEnabled(undo || redo);
    const bool open = playable && TheGame->Array.TotalGoalCards() < kTotalCards;
    Actions["G10"]->setEnabled(open);
    Actions["G11"]->setEnabled(open && !Advisor->SolutionPlaying());
    Actions["R6"]->setEnabled(ReplayRunning() || Advisor->SolutionPlaying());
    // The keyboard's frame follows the piles as moves, undos and deals change them.
    Keys->Refresh();
}

void frmMain::UpdateToolbarStates() {
    // Menu items and toolbar buttons share their actions, so the enabled states already
    // agree; the Autoplay button and item show the setting.
    Actions["G4"]->setChecked(TheGame->Registry.Autoplay() == 1);
}

void frmMain::UpdateDisplays() {
    if (TheGame->GameRunning) {
        Displays[0]->setText(QString("Score :%1").arg(TheGame->GameScore()));
        Displays[1]->setText(
            QString("Time :%1").arg(QString::fromStdString(Game::FormatElapsed(TheGame->ElapsedSeconds()))));
        Displays[2]->setText(QString("Moves :%1").arg(TheGame->Trans.GetTransID()));
    } else {
        for (QLabel *d : Displays)
            d->setText(QString());
    }
}

void frmMain::ReplayStep(bool forward) {
    // The next step waits while the cards of the last one are still travelling.
    if (IsClosed || Board->Flying())
        return;
    CancelDrag();
    (forward ? tmrBackward : tmrForward).stop();
    Actions["R6"]->setEnabled(true);
    const std::int16_t speed = TheGame->Registry.ReplaySpeed();
    // At either end of the log the replay stops by itself.
    if (forward ? TheGame->Trans.Redo(speed) : TheGame->Trans.Undo(speed)) {
        Advisor->Refresh();
        return;
    }
    const bool autoplay = AutoplayAfterReplay && forward && !TheGame->Trans.RedoPossible();
    StopReplay();
    if (autoplay && TheGame->Registry.Autoplay() == 1)
        TheGame->AutoplayAll();
}

void frmMain::StopReplay() {
    Advisor->StopSolution();
    Actions["R6"]->setEnabled(false);
    tmrBackward.stop();
    tmrForward.stop();
    AutoplayAfterReplay = false;
}

void frmMain::ArrangeBoard() {
    if (isMinimized())
        return;
    Toolbar1->setVisible(TheGame->Registry.ShowToolbar() != 0);
    Board->SetFitToWindow(TheGame->Registry.FitBoard() == 1);
    Board->SetBoardColor(Colors.GetColorEntry(TheGame->Registry.ColorIndex()).Value);
}

void frmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FitDisplays();
}

void frmMain::FitDisplays() {
    // The menus come first: the displays that do not fit beside them are left out, the
    // score first, then the moves, then the time.
    QMenuBar *bar = menuBar();
    QWidget *corner = bar->cornerWidget(Qt::TopRightCorner);
    // The bar's own wish is the menus' width, with the displays beside them when shown.
    const int menus = bar->sizeHint().width() - (corner->isVisible() ? corner->sizeHint().width() : 0);
    const int room = width() - menus;
    auto *row = static_cast<QHBoxLayout *>(corner->layout());
    const int margins = row->contentsMargins().left() + row->contentsMargins().right();
    auto need = [&](std::initializer_list<int> shown) {
        int w = margins;
        for (int i : shown)
            w += Displays[i]->minimumWidth() + (w > margins ? row->spacing() : 0);
        return w;
    };
    const bool all = need({0, 1, 2}) <= room, two = need({1, 2}) <= room, one = need({1}) <= room;
    Displays[0]->setVisible(all);
    Displays[2]->setVisible(all || two);
    Displays[1]->setVisible(all || two || one);
    // The bar lays its menus out again round the corner's new width.
    corner->adjustSize();
    bar->setCornerWidget(corner, Qt::TopRightCorner);
}

void frmMain::ShowHelp() {
    // One help window, beside the game; asking again brings it to the front.
    if (!Help) {
        QList<QAction *> commands;
        for (QMenu *menu : menuBar()->findChildren<QMenu *>())
            commands += menu->actions();
        Help = new frmHelp(commands, this);
    }
    Help->show();
    Help->raise();
    Help->activateWindow();
}

bool frmMain::WonAndWaiting() const {
    // A game the solver finished is no win of the player's.
    return TheGame->GameRunning && TheGame->WinNoticed() && TheGame->Array.TotalGoalCards() == kTotalCards &&
           !Advisor->GaveUp();
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
        else if (TheGame->GameRunning)
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
