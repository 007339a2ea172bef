// The window's commands: one table gives each its key, menu item, shortcut and toolbar
// button; the menus and the toolbar are built from it.
#include "frmMain.h"

#include "cAdvisor.h"
#include "cBoardView.h"
#include "cKeyboardPlay.h"
#include "cMenuDisplays.h"
#include "frmAbout.h"
#include "frmStatistics.h"
#include "mToolbarIcons.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace tabloo {

// The window's commands. A line: key, menu, caption, shortcut, flags, toolbar button (place,
// caption, icon, tip), what it does.
// clang-format off
const frmMain::Command frmMain::kCommands[] = {
    {"F1",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&New Game"),       Qt::Key_F2,                       kEndsGame,                {11, QT_TRANSLATE_NOOP("tabloo::frmMain", "New"), "New", QT_TRANSLATE_NOOP("tabloo::frmMain", "New Game")},                                 [](frmMain &w) { w.DealRandomGame(); }},
    {"F2",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Select Game"),    Qt::Key_F3,                       kEndsGame,                {12, QT_TRANSLATE_NOOP("tabloo::frmMain", "Select"), "Select", QT_TRANSLATE_NOOP("tabloo::frmMain", "Select Game")},                        [](frmMain &w) { w.SelectGame(); }},
    {"F4",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Restart Game"),   Qt::CTRL | Qt::Key_F2,            kEndsGame | kLineAbove,   {13, QT_TRANSLATE_NOOP("tabloo::frmMain", "Restart"), "Restart", QT_TRANSLATE_NOOP("tabloo::frmMain", "Restart Game")},                     [](frmMain &w) { w.RestartGame(); }},
    {"F5",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Close Game"),     Qt::Key_F12,                      kEndsGame,                {},                                                             [](frmMain &w) { w.CloseGame(); }},
    {"F7",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "Select a Number"), Qt::CTRL | Qt::Key_F12,           kEndsGame | kLineAbove,   {},                                                             [](frmMain &w) { w.ChooseNumber(); }},
    {"F9",  mnuFile,   QT_TRANSLATE_NOOP("tabloo::frmMain", "E&xit"),           {},                               kLineAbove,               {},                                                             [](frmMain &w) { w.ExitAtOnce(); }},
    {"G1",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Undo"),           Qt::CTRL | Qt::Key_Z,             0,                        {31, QT_TRANSLATE_NOOP("tabloo::frmMain", "Undo"), "Undo", QT_TRANSLATE_NOOP("tabloo::frmMain", "Undo")},                                   [](frmMain &w) { w.TheGame->Undo(w.Store.UndoSpeed()); }},
    {"G2",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Redo"),           Qt::CTRL | Qt::Key_X,             0,                        {32, QT_TRANSLATE_NOOP("tabloo::frmMain", "Redo"), "Redo", QT_TRANSLATE_NOOP("tabloo::frmMain", "Redo")},                                   [](frmMain &w) { w.TheGame->Redo(w.Store.UndoSpeed()); }},
    {"G4",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "Autoplay"),        Qt::Key_F7,                       kTicked | kLineAbove,     {21, QT_TRANSLATE_NOOP("tabloo::frmMain", "Autoplay"), "Autoplay", QT_TRANSLATE_NOOP("tabloo::frmMain", "Autoplay")},                       [](frmMain &w) { w.SwitchAutoplay(); }},
    {"G6",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "U&ndo All"),       Qt::CTRL | Qt::Key_C,             kLineAbove,               {},                                                             [](frmMain &w) { w.TheGame->UndoAll(w.Store.UndoallSpeed()); }},
    {"G7",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "R&edo All"),       Qt::CTRL | Qt::Key_V,             0,                        {},                                                             [](frmMain &w) { w.TheGame->RedoAll(w.Store.UndoallSpeed()); }},
    {"G10", mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Hint"),           Qt::CTRL | Qt::Key_H,             kLineAbove,               {33, QT_TRANSLATE_NOOP("tabloo::frmMain", "Hint"), "Hint", QT_TRANSLATE_NOOP("tabloo::frmMain", "Hint: the first move of a winning line")}, [](frmMain &w) { w.Advisor->Hint(); }},
    {"G11", mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Show Solution"),  Qt::CTRL | Qt::SHIFT | Qt::Key_H, 0,                        {},                                                             [](frmMain &w) { w.StopReplay(); w.Advisor->ShowSolution(); }},
    {"G9",  mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "View Toolbar"),    {},                               kTicked | kLineAbove,     {},                                                             [](frmMain &w) { w.SwitchToolbar(); }},
    {"G12", mnuGame,   QT_TRANSLATE_NOOP("tabloo::frmMain", "&Full Screen"),    Qt::Key_F11,                      kTicked,                  {},                                                             [](frmMain &w) { w.SwitchFullScreen(); }},
    {"R1",  mnuReplay, QT_TRANSLATE_NOOP("tabloo::frmMain", "&Forward"),        Qt::SHIFT | Qt::Key_F1,           0,                        {43, QT_TRANSLATE_NOOP("tabloo::frmMain", "Forward"), "Forward", QT_TRANSLATE_NOOP("tabloo::frmMain", "Replay Forward")},                   [](frmMain &w) { w.StartReplay(true); }},
    {"R2",  mnuReplay, QT_TRANSLATE_NOOP("tabloo::frmMain", "&Back"),           Qt::SHIFT | Qt::Key_F2,           0,                        {41, QT_TRANSLATE_NOOP("tabloo::frmMain", "Back"), "Back", QT_TRANSLATE_NOOP("tabloo::frmMain", "Replay Back")},                            [](frmMain &w) { w.StartReplay(false); }},
    {"R4",  mnuReplay, QT_TRANSLATE_NOOP("tabloo::frmMain", "Replay &All"),     {},                               kLineAbove,               {},                                                             [](frmMain &w) { w.TheGame->UndoAll(1); w.StartReplay(true); }},
    {"R6",  mnuReplay, QT_TRANSLATE_NOOP("tabloo::frmMain", "Sto&p"),           {},                               kLineAbove | kOffAtFirst, {42, QT_TRANSLATE_NOOP("tabloo::frmMain", "Stop"), "ReplayStop", QT_TRANSLATE_NOOP("tabloo::frmMain", "Replay Stop")},                      [](frmMain &w) { w.StopReplay(); }},
    {"T1",  mnuTools,  QT_TRANSLATE_NOOP("tabloo::frmMain", "Customize"),       Qt::CTRL | Qt::Key_U,             0,                        {},                                                             [](frmMain &w) { w.Customize(); }},
    {"T3",  mnuTools,  QT_TRANSLATE_NOOP("tabloo::frmMain", "Players"),         Qt::CTRL | Qt::Key_L,             kLineAbove,               {},                                                             [](frmMain &w) { w.ShowPlayers(); }},
    {"T5",  mnuTools,  QT_TRANSLATE_NOOP("tabloo::frmMain", "Statistics"),      Qt::Key_F4,                       kLineAbove,               {51, QT_TRANSLATE_NOOP("tabloo::frmMain", "Statistics"), "Statistics", QT_TRANSLATE_NOOP("tabloo::frmMain", "Statistics")},                 [](frmMain &w) { frmStatistics d(*w.TheGame, &w); w.ExecDialog(d); }},
    {"H1",  mnuHelp,   QT_TRANSLATE_NOOP("tabloo::frmMain", "Contents"),        Qt::Key_F1,                       0,                        {61, QT_TRANSLATE_NOOP("tabloo::frmMain", "Help"), "Help", QT_TRANSLATE_NOOP("tabloo::frmMain", "Help")},                                   [](frmMain &w) { w.ShowHelp(); }},
    {"H5",  mnuHelp,   QT_TRANSLATE_NOOP("tabloo::frmMain", "About Tabloo..."), {},                               kLineAbove,               {},                                                             [](frmMain &w) { frmAbout d(&w); w.ExecDialog(d); }},
};
// clang-format on

QAction *frmMain::action(const QString &key) const {
    auto it = Actions.find(key);
    return it == Actions.end() ? nullptr : it->second;
}

void frmMain::BuildMenus() {
    QMenuBar *bar = menuBar();
    // In the order of MenuOf: the object name and the caption.
    const char *const menus[][2] = {{"mnuFile", QT_TR_NOOP("&File")},
                                    {"mnuGame", QT_TR_NOOP("&Game")},
                                    {"mnuReplay", QT_TR_NOOP("&Replay")},
                                    {"mnuTools", QT_TR_NOOP("&Tools")},
                                    {"mnuHelp", QT_TR_NOOP("&Help")}};
    QMenu *menuOf[std::size(menus)];
    for (std::size_t i = 0; i < std::size(menus); ++i) {
        menuOf[i] = bar->addMenu(tr(menus[i][1]));
        menuOf[i]->setObjectName(menus[i][0]);
    }
    for (const Command &c : kCommands) {
        QMenu *menu = menuOf[c.Menu];
        if (c.Flags & kLineAbove)
            menu->addSeparator();
        QAction *a = menu->addAction(tr(c.Caption));
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
        a->setIconText(tr(b.Caption));
        a->setToolTip(tr(b.Tip));
        a->setIcon(ToolbarIcon(b.Icon));
        // A ticked item shows its tick in the menu, not the button's picture.
        if (a->isCheckable())
            a->setIconVisibleInMenu(false);
        Toolbar1->addAction(a);
    }
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

} // namespace tabloo
