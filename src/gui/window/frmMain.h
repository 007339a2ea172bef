// The game window: menus, toolbar, the score/time/moves displays, the board, the timers
// and the command dispatcher. It owns the game and the platform pieces it runs on.
#pragma once

#include "Game.h"
#include "cMenuDisplays.h"
#include "cSystemClock.h"
#include "mColors.h"

#include <QDialog>
#include <QKeyCombination>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QLabel;
class QToolBar;

namespace tabloo {

class cAdvisor;
class cBoardView;
class cSolveService;
class cKeyboardPlay;
class cPointerPlay;
class cSounds;
class cStepPlayer;

class ISlotLocks;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window plays on this settings store (the player's own, or a test's).
    explicit frmMain(ISettingsBackend &settings, QWidget *parent = nullptr);
    ~frmMain() override;

    // The start-up load: a first player, the window shown, an unfinished game offered
    // again, else the variant dialog opened.
    void Load();
    // Takes a kept-game slot of its own among the copies of the game running on the same
    // store, before Load (a window without it keeps its game in the first slot). With every
    // slot held, this copy keeps no game.
    void UseSlotLocks(std::unique_ptr<ISlotLocks> locks);

    // Runs the command of a key ("F1", "G4" ...); a key of no command does nothing.
    void RunCommand(const QString &key);

    Game &game() { return *TheGame; }
    cBoardView &board() { return *Board; }
    cKeyboardPlay &keys() { return *Keys; }
    QAction *action(const QString &key) const;
    // The help window while it is open.
    QWidget *helpWindow() const { return Help; }
    QToolBar *toolBar() const { return Toolbar1; }
    QLabel *display(int i) const { return Displays->Display(i); }
    bool ReplayRunning() const;
    bool Dragging() const;

    // How modal dialogs are shown, centred over the window; tests replace it so that nothing
    // waits for a person.
    std::function<int(QDialog &)> ExecDialog;
    // How the window asks a yes-or-no question and tells something, titled "Tabloo".
    std::function<bool(const QString &question)> AskYesNo;
    std::function<void(const QString &text)> Tell;
    // The sounds the game asks for by name; tests catch what would be played.
    cSounds &sounds() { return *Sounds; }
    // The solver at the table: the verdict line, hints, Show Solution, winnable deals.
    cAdvisor &advisor() { return *Advisor; }
    cSolveService &solveService() { return *Solver; }

    // The timers' work, callable by tests without waiting.
    void UpdateMenuStates();
    void UpdateToolbarStates();
    void UpdateDisplays();
    // Replays the log forward or back, one move a tick.
    void StartReplay(bool forward);
    void ReplayStep(bool forward);
    void ReplayStepForward() { ReplayStep(true); }
    void ReplayStepBackward() { ReplayStep(false); }
    void StopReplay();
    void ArrangeBoard();
    // The section of the settings that keeps the window's size and place.
    static constexpr std::string_view kWindowSection = "Window";
    // The window has been closed: the program is ending and nothing acts any more.
    bool Closed() const { return IsClosed; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Input anywhere in the program first lands the cards still travelling.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void StartGameNo(double gameNo);
    // A new game with a random number: with winnable deals only, once the solver has
    // found one (the search runs in the background).
    void DealRandomGame();
    // Deals the winnable game found in the background, once no dialog is open and no won game
    // waits for its own dialog.
    void DealPending();
    // Offers the game a killed or crashed program left unfinished; true when it goes on.
    bool OfferUnfinishedGame();
    void ShowFinishGame();
    // All 52 cards lie on the goal piles and the end-of-game dialog has not opened yet.
    bool WonAndWaiting() const;
    void ShowHelp();

    // What the commands do, beyond a line of the command table.
    void SelectGame();
    void RestartGame();
    void CloseGame();
    void ChooseNumber();
    void ExitAtOnce();
    void SwitchAutoplay();
    void SwitchToolbar();
    // Full screen on, or back to the window as it was (maximised or not).
    void SwitchFullScreen();
    // The window's size and place, kept in a section of their own, are put back when the
    // window is made, and written once, in one update, when it closes.
    void RestoreWindowPlace();
    void SaveWindowPlace();
    // Whether the window opens maximised next time: full screen counts as what it was before.
    bool KeptMaximized() const;
    void Customize();
    void ShowPlayers();
    // Lifted cards, by the pointer or the keys, go back where the table has them.
    void CancelDrag();

    // The menus a command stands in, in the menu bar's order.
    enum MenuOf { mnuFile, mnuGame, mnuReplay, mnuTools, mnuHelp };
    // How a command shows and what it asks of RunCommand.
    enum CommandFlag : unsigned {
        kLineAbove = 1,  // a separator above it in its menu
        kTicked = 2,     // a tick in the menu shows the setting it switches
        kOffAtFirst = 4, // disabled when the window opens
        kEndsGame = 8,   // it ends the running game or deals another
    };
    // A toolbar button: the buttons stand in the order of their place, with a separator
    // wherever the tens change (11 12 13 | 21 | 31 ...).
    struct ToolButton {
        int Place = 0;
        const char *Caption = nullptr, *Icon = nullptr, *Tip = nullptr;
    };
    struct Command {
        const char *Key; // the action's object name
        MenuOf Menu;
        const char *Caption;
        QKeyCombination Shortcut;
        unsigned Flags;
        ToolButton Button; // Place 0: no button
        void (*Run)(frmMain &window);
    };
    // Every command of the window, in menu order; the menus, the toolbar and RunCommand are
    // built from it.
    static const Command kCommands[];

    cSystemClock Clock;
    cUniformRandom Random;
    cBoardView *Board = nullptr;
    // This copy's kept-game slot, let go after everything else.
    std::unique_ptr<ISlotLocks> SlotLocks;
    std::unique_ptr<Game> TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
    // Play with the pointer; from the keyboard and by double-click.
    cPointerPlay *Pointer = nullptr;
    cKeyboardPlay *Keys = nullptr;
    std::unique_ptr<cSounds> Sounds;
    // The workers go after the advisor, which cancels what it asked of them.
    std::unique_ptr<cSolveService> Solver;
    // Plays the replay and Show Solution out, a move a tick.
    std::unique_ptr<cStepPlayer> Steps;
    std::unique_ptr<cAdvisor> Advisor;
    QLabel *VerdictLine = nullptr;

    // The board's colour by number, remembering the last one found; the options dialog
    // shares it.
    cColorTable Colors;
    std::map<QString, QAction *> Actions;
    QToolBar *Toolbar1 = nullptr;
    QPointer<QWidget> Help;
    std::unique_ptr<cMenuDisplays> Displays;
    QTimer tmrMain, tmrTime;
    bool FinishQueued = false;
    struct PendingDeal {
        double GameNo;
        bool Found;
    };
    std::optional<PendingDeal> Pending;
    bool ExitingAtOnce = false;
    bool MaximizedBeforeFullScreen = false;
    bool PlaceSaved = false;
    bool FitAtShow = false;
    bool IsClosed = false;
    // Autoplay was switched on during a replay: it plays when the replay has made the last
    // recorded move, so that no recorded move is lost.
    bool AutoplayAfterReplay = false;
};

} // namespace tabloo
