#include "frmMain.h"

#include "NumText.h"
#include "cAdvisor.h"
#include "cBoardView.h"
#include "cDealer.h"
#include "cKeyboardPlay.h"
#include "cPointerPlay.h"
#include "cSolveService.h"
#include "cStepPlayer.h"
#include "frmAbout.h"
#include "frmChooseGame.h"
#include "frmFinishGame.h"
#include "frmHelp.h"
#include "frmOptions.h"
#include "frmPlayers.h"
#include "frmSelect.h"
#include "frmStatistics.h"
#include "mColors.h"
#include "mScreenPlace.h"
#include "mSounds.h"
#include "mToolbarIcons.h"

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

// The window's commands. A line: key, menu, caption, shortcut, flags, toolbar button (place,
// caption, icon, tip), what it does.
// clang-format off
const frmMain::Command frmMain::kCommands[] = {
    {"F1",  mnuFile,   "&New Game",       Qt::Key_F2,                       kEndsGame,                {11, "New", "New", "New Game"},                                 [](frmMain &w) { w.DealRandomGame(); }},
    {"F2",  mnuFile,   "&Select Game",    Qt::Key_F3,                       kEndsGame,                {12, "Select", "Select", "Select Game"},                        [](frmMain &w) { w.SelectGame(); }},
    {"F4",  mnuFile,   "&Restart Game",   Qt::CTRL | Qt::Key_F2,            kEndsGame | kLineAbove,   {13, "Restart", "Restart", "Restart Game"},                     [](frmMain &w) { w.RestartGame(); }},
    {"F5",  mnuFile,   "&Close Game",     Qt::Key_F12,                      kEndsGame,                {},                                                             [](frmMain &w) { w.CloseGame(); }},
    {"F7",  mnuFile,   "Select a Number", Qt::CTRL | Qt::Key_F12,           kEndsGame | kLineAbove,   {},                                                             [](frmMain &w) { w.ChooseNumber(); }},
    {"F9",  mnuFile,   "E&xit",           {},                               kLineAbove,               {},                                                             [](frmMain &w) { w.ExitAtOnce(); }},
    {"G1",  mnuGame,   "&Undo",           Qt::CTRL | Qt::Key_Z,             0,                        {31, "Undo", "Undo", "Undo"},                                   [](frmMain &w) { w.TheGame->Undo(w.Store.UndoSpeed()); }},
    {"G2",  mnuGame,   "&Redo",           Qt::CTRL | Qt::Key_X,             0,                        {32, "Redo", "Redo", "Redo"},                                   [](frmMain &w) { w.TheGame->Redo(w.Store.UndoSpeed()); }},
    {"G4",  mnuGame,   "Autoplay",        Qt::Key_F7,                       kTicked | kLineAbove,     {21, "Autoplay", "Autoplay", "Autoplay"},                       [](frmMain &w) { w.SwitchAutoplay(); }},
    {"G6",  mnuGame,   "U&ndo All",       Qt::CTRL | Qt::Key_C,             kLineAbove,               {},                                                             [](frmMain &w) { w.TheGame->UndoAll(w.Store.UndoallSpeed()); }},
    {"G7",  mnuGame,   "R&edo All",       Qt::CTRL | Qt::Key_V,             0,                        {},                                                             [](frmMain &w) { w.TheGame->RedoAll(w.Store.UndoallSpeed()); }},
    {"G10", mnuGame,   "&Hint",           Qt::CTRL | Qt::Key_H,             kLineAbove,               {33, "Hint", "Hint", "Hint: the first move of a winning line"}, [](frmMain &w) { w.Advisor->Hint(); }},
    {"G11", mnuGame,   "&Show Solution",  Qt::CTRL | Qt::SHIFT | Qt::Key_H, 0,                        {},                                                             [](frmMain &w) { w.StopReplay(); w.Advisor->ShowSolution(); }},
    {"G9",  mnuGame,   "View Toolbar",    {},                               kTicked | kLineAbove,     {},                                                             [](frmMain &w) { w.SwitchToolbar(); }},
    {"G12", mnuGame,   "&Full Screen",    Qt::Key_F11,                      kTicked,                  {},                                                             [](frmMain &w) { w.SwitchFullScreen(); }},
    {"R1",  mnuReplay, "&Forward",        Qt::SHIFT | Qt::Key_F1,           0,                        {43, "Forward", "Forward", "Replay Forward"},                   [](frmMain &w) { w.StartReplay(true); }},
    {"R2",  mnuReplay, "&Back",           Qt::SHIFT | Qt::Key_F2,           0,                        {41, "Back", "Back", "Replay Back"},                            [](frmMain &w) { w.StartReplay(false); }},
    {"R4",  mnuReplay, "Replay &All",     {},                               kLineAbove,               {},                                                             [](frmMain &w) { w.TheGame->UndoAll(1); w.StartReplay(true); }},
    {"R6",  mnuReplay, "Sto&p",           {},                               kLineAbove | kOffAtFirst, {42, "Stop", "ReplayStop", "Replay Stop"},                      [](frmMain &w) { w.StopReplay(); }},
    {"T1",  mnuTools,  "Customize",       Qt::CTRL | Qt::Key_U,             0,                        {},                                                             [](frmMain &w) { w.Customize(); }},
    {"T3",  mnuTools,  "Players",         Qt::CTRL | Qt::Key_L,             kLineAbove,               {},                                                             [](frmMain &w) { w.ShowPlayers(); }},
    {"T5",  mnuTools,  "Statistics",      Qt::Key_F4,                       kLineAbove,               {51, "Statistics", "Statistics", "Statistics"},                 [](frmMain &w) { frmStatistics d(*w.TheGame, &w); w.ExecDialog(d); }},
    {"H1",  mnuHelp,   "Contents",        Qt::Key_F1,                       0,                        {61, "Help", "Help", "Help"},                                   [](frmMain &w) { w.ShowHelp(); }},
    {"H5",  mnuHelp,   "About Tabloo...", {},                               kLineAbove,               {},                                                             [](frmMain &w) { frmAbout d(&w); w.ExecDialog(d); }},
};
// clang-format on

QAction *frmMain::action(const QString &key) const {
    auto it = Actions.find(key);
    return it == Actions.end() ? nullptr : it->second;
}

void frmMain::BuildMenus() {
    QMenuBar *bar = menuBar();
    // In the order of MenuOf: the object name and the caption.
    const char *const menus[][2] = {{"mnuFile", "&File"},
                                    {"mnuGame", "&Game"},
                                    {"mnuReplay", "&Replay"},
                                    {"mnuTools", "&Tools"},
                                    {"mnuHelp", "&Help"}};
    QMenu *menuOf[std::size(menus)];
    for (std::size_t i = 0; i < std::size(menus); ++i) {
        menuOf[i] = bar->addMenu(menus[i][1]);
        menuOf[i]->setObjectName(menus[i][0]);
    }
    for (const Command &c : kCommands) {
        QMenu *menu = menuOf[c.Menu];
        if (c.Flags & kLineAbove)
            menu->addSeparator();
        QAction *a = menu->addAction(c.Caption);
        const QString key = QString::fromLatin1(c.Key);
        a->setObjectName(key);
        if (c.Shortcut.key() != Qt::Key_unknown)
            a->setShortcut(c.Shortcut);
        a->setCheckable(c.Flags & kTicked);
        a->setEnabled(!(c.Flags & kOffAtFirst));
        connect(a, &QAction::triggered, this, [this, key] { RunCommand(key); });
        Actions[key] = a;
    }

    Displays = std::make_unique<cMenuDisplays>(*bar, *statusBar());
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
    std::vector<const Command *> buttons;
    for (const Command &c : kCommands)
        if (c.Button.Place > 0)
            buttons.push_back(&c);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const Command *a, const Command *b) { return a->Button.Place < b->Button.Place; });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ToolButton &b = buttons[i]->Button;
        if (i > 0 && b.Place / 10 != buttons[i - 1]->Button.Place / 10)
            Toolbar1->addSeparator();
        QAction *a = Actions.at(buttons[i]->Key);
        a->setIconText(b.Caption);
        a->setToolTip(b.Tip);
        a->setIcon(ToolbarIcon(b.Icon));
        // A ticked item shows its tick in the menu, not the button's picture.
        if (a->isCheckable())
            a->setIconVisibleInMenu(false);
        Toolbar1->addAction(a);
    }
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
    if (Store.WinnableOnly() == 0) {
        StartGameNo(TheGame->RandomGameNo());
        return;
    }
    Pending.reset();
    Advisor->FindWinnableDeal(cDealer::FromStore(Store), [this](double gameNo, bool found) {
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

void frmMain::RunCommand(const QString &key) {
    const Command *command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                          [&key](const Command &c) { return key == QLatin1String(c.Key); });
    if (IsClosed || command == std::end(kCommands))
        return;
    // A command acts on the board as the table has it, with no card still travelling, and
    // moves cards of its own: a drag in progress ends first.
    Board->LandFlights();
    CancelDrag();
    if (command->Flags & kEndsGame) {
        // A won game shows its end-of-game dialog before anything ends it; the dialog's own
        // choices say what comes next.
        if (WonAndWaiting()) {
            ShowFinishGame();
            return;
        }
        // A game that ends or another deal leaves no new game still to be found.
        Advisor->CancelFinding();
        Pending.reset();
    }
    command->Run(*this);
    UpdateMenuStates();
    UpdateToolbarStates();
    Advisor->Refresh();
    // A winnable deal found while a dialog was open is dealt now.
    DealPending();
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
        Advisor->FindWinnableDeal(cDealer::FromStore(Store),
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
