// The solver at the table: whether the deal on the board can still be won (a line under the
// board), a hint (the first move of a winning line, shown on the board), the rest of a
// winning line played out move by move, and the search for a winnable deal. Every search
// runs in the background on a copy of the position; a result for a position the board has
// left since is dropped.
#pragma once

#include "Position.h"
#include "cDealer.h"
#include "cRegistry.h"
#include "cSolveService.h"
#include "cSolver.h"
#include "cStepPlayer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class QGraphicsRectItem;
class QLabel;

namespace tabloo {

class Game;
class cBoardView;

class cAdvisor : public QObject {
    Q_OBJECT
public:
    enum class Verdict { None, Thinking, Winnable, NotWinnable, CantTell };

    cAdvisor(Game &game, cBoardView &board, cSolveService &service, QLabel &line, cStepPlayer &steps,
             QObject *parent = nullptr);
    ~cAdvisor() override;

    // How the advisor tells the player something short ("No winning line found.").
    std::function<void(const QString &text)> Tell;

    // The board may have changed: a new search when the position did (the last one, if
    // still running, is cancelled).
    void Refresh();
    // The verdict for the position on the table (None: nothing to say). The line keeps the
    // last verdict a moment while a new search runs, so that a quick answer does not flicker.
    Verdict Current() const { return Searched && !Answered && Shown != Verdict::None ? Verdict::Thinking : Shown; }
    // The search for the position last looked at has answered.
    bool Knows() const { return Searched && Answered; }
    QString LineText() const;

    // Highlights the card that the first move of a winning line lifts and the pile it goes
    // to, for about 1.5 s or until the next input.
    void Hint();
    // The card the hint shows, or -1.
    int HintedCard() const { return HintCard; }
    void ClearHint();

    // Plays the rest of a winning line, one move per replay tick; any input stops it.
    void ShowSolution();
    void StopSolution();
    bool SolutionPlaying() const { return Steps.Playing() == cStepPlayer::Line::Solution; }
    // Show Solution has played a move of the game in play: the game counts as lost.
    bool GaveUp() const;

    // Draws random game numbers under `variant` until the solver calls one winnable, for
    // about 2 s at most; `done` gets the number, and whether it is a winnable one.
    void FindWinnableDeal(const Variant &variant, std::function<void(double gameNo, bool found)> done);
    void CancelFinding();
    // The game just dealt is the last number drawn: no winnable one turned up in time.
    void NoteNoWinnableDeal();
    bool Finding() const { return bool(Finder); }
    // The clock the search for a winnable deal is timed by (for tests; null puts the real
    // one back).
    static void SetFindClock(std::chrono::steady_clock::time_point (*now)());

    // The player did something: the hint goes and a solution being played stops.
    void InputArrived();
    // The window is closing: every search stops now.
    void Stop();

    // The replay tick the solution is played at (tests set 0).
    void SetSolutionInterval(int ms) { Steps.SetInterval(ms); }

signals:
    // Show Solution started or stopped.
    void SolutionStateChanged();

private:
    enum class Waiting { Nothing, Hint, Solution };
    void Ask(Waiting what);
    // Refresh; `asked`: a hint or a solution wants the answer, whatever the line's setting.
    void Look(bool asked);
    void StartSearch(const Position &p);
    void Solved(const Position &p, tabloo::Verdict outcome, std::vector<Move> moves);
    void Act(Waiting what);
    void ShowLine();
    void HighlightMove(const Move &m);
    // One move of the solution; false when the line ends.
    bool SolutionStep();

    Game &TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
    cBoardView &Board;
    cSolveService &Service;
    QLabel &Line;

    // The position the last search was for, and what it found once it has.
    std::optional<Position> Searched;
    bool Answered = false;
    tabloo::Verdict Outcome = tabloo::Verdict::Unknown;
    std::vector<Move> Winning;
    Verdict Shown = Verdict::None;
    // The deal the shown verdict was for.
    std::uint32_t ShownDeal = 0;
    cSolveService::Ticket Search;
    Waiting Wanted = Waiting::Nothing;
    QTimer ThinkingTimer;

    int HintCard = -1;
    QGraphicsRectItem *HintMarks[2] = {};
    QTimer HintTimer;

    std::vector<Move> Solution;
    Position SolutionAt;
    cStepPlayer &Steps;

    cSolveService::Ticket Finder;
    // The deal for which no winnable number turned up.
    std::uint32_t NoteDeal = 0;
};

} // namespace tabloo
