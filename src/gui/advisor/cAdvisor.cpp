#include "cAdvisor.h"

#include "Game.h"
#include "cBoardView.h"
#include "cSolver.h"
#include "sgCard.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QPen>

#include <atomic>
#include <chrono>

namespace tabloo {

namespace {

// A hint stays this long unless the player does something first.
constexpr int kHintMs = 1500;
// A search that answers this soon shows no thinking sign at all.
constexpr int kThinkingMs = 250;
// The search for a winnable deal gives up after this long and deals the last number drawn.
constexpr auto kFindFor = std::chrono::milliseconds(2000);
// A drawn number's search is kept short, so that a rarely winnable variant still tries many.
constexpr std::uint64_t kFindStates = 200'000;

std::chrono::steady_clock::time_point RealNow() { return std::chrono::steady_clock::now(); }
std::atomic<std::chrono::steady_clock::time_point (*)()> FindNow{RealNow};

} // namespace

cAdvisor::cAdvisor(Game &game, cBoardView &board, cSolveService &service, QLabel &line, cStepPlayer &steps,
                   QObject *parent)
    : QObject(parent), TheGame(game), Store(game.Settings), Board(board), Service(service), Line(line), Steps(steps) {
    ThinkingTimer.setSingleShot(true);
    ThinkingTimer.setInterval(kThinkingMs);
    connect(&ThinkingTimer, &QTimer::timeout, this, &cAdvisor::ShowLine);
    HintTimer.setSingleShot(true);
    HintTimer.setInterval(kHintMs);
    connect(&HintTimer, &QTimer::timeout, this, &cAdvisor::ClearHint);
    connect(&Steps, &cStepPlayer::Stopped, this, [this](cStepPlayer::Line ended) {
        if (ended != cStepPlayer::Line::Solution)
            return;
        Solution.clear();
        emit SolutionStateChanged();
    });
    for (QGraphicsRectItem *&mark : HintMarks) {
        mark = Board.scene()->addRect(QRectF(0, 0, sgCard::kWidth, sgCard::kHeight));
        // Light blue: the keyboard's focus frame is yellow.
        QPen pen(QColor(40, 200, 255), 4);
        pen.setJoinStyle(Qt::RoundJoin);
        mark->setPen(pen);
        mark->setZValue(1e9);
        mark->setVisible(false);
    }
}

cAdvisor::~cAdvisor() { Stop(); }

void cAdvisor::Stop() {
    cSolveService::Cancel(Search);
    cSolveService::Cancel(Finder);
    if (SolutionPlaying())
        Steps.Stop();
    ThinkingTimer.stop();
    Wanted = Waiting::Nothing;
}

// ---- the verdict ----

void cAdvisor::Refresh() { Look(false); }

void cAdvisor::Look(bool asked) {
    const bool running = TheGame.Running();
    const Position now = running ? TheGame.CurrentPosition() : Position{};
    if (!running || now.Won()) {
        cSolveService::Cancel(Search);
        Searched.reset();
        Wanted = Waiting::Nothing;
    } else if (!Searched || !(*Searched == now)) {
        // A hint or a solution asked for another position lapses with it.
        Wanted = Waiting::Nothing;
        // Searches only when someone wants the answer: the line, a hint or a solution.
        if (Store.ShowVerdict() != 0 || asked)
            StartSearch(now);
        else {
            cSolveService::Cancel(Search);
            Searched.reset();
        }
    }
    ShowLine();
}

void cAdvisor::StartSearch(const Position &p) {
    cSolveService::Cancel(Search);
    Searched = p;
    Answered = false;
    Winning.clear();
    ThinkingTimer.start();
    Search = Service.Run([this, p](cSolveService::cJob &job) {
        cSolver solver;
        SolveResult r = solver.Solve(p, &job.CancelFlag());
        job.Post([this, p, outcome = r.Outcome, moves = std::move(r.Moves)]() mutable {
            Solved(p, outcome, std::move(moves));
        });
    });
}

void cAdvisor::Solved(const Position &p, tabloo::Verdict outcome, std::vector<Move> moves) {
    if (!Searched || !(*Searched == p) || outcome == tabloo::Verdict::Cancelled)
        return;
    Search.reset();
    Answered = true;
    Outcome = outcome;
    Winning = std::move(moves);
    ThinkingTimer.stop();
    ShowLine();
    const Waiting what = Wanted;
    Wanted = Waiting::Nothing;
    Act(what);
}

void cAdvisor::ShowLine() {
    Verdict v = Verdict::None;
    if (Finding())
        v = Verdict::Thinking;
    else if (TheGame.Running() && Searched && Store.ShowVerdict() != 0) {
        // A quick answer replaces the last one without a flicker; the last game's verdict
        // is no word about a new deal, so a deal clears the line at once.
        if (!Answered)
            v = !ThinkingTimer.isActive()          ? Verdict::Thinking
                : ShownDeal == TheGame.DealCount() ? Shown
                                                   : Verdict::None;
        else
            v = Outcome == tabloo::Verdict::Winnable     ? Verdict::Winnable
                : Outcome == tabloo::Verdict::Unwinnable ? Verdict::NotWinnable
                                                         : Verdict::CantTell;
    }
    Shown = v;
    ShownDeal = TheGame.DealCount();
    Line.setText(LineText());
}

QString cAdvisor::LineText() const {
    if (Finding())
        return tr("Looking for a winnable deal\u2026");
    QString text;
    switch (Shown) {
    case Verdict::None:
        break;
    case Verdict::Thinking:
        text = QStringLiteral("\u2026");
        break;
    case Verdict::Winnable:
        text = tr("Winnable");
        break;
    case Verdict::NotWinnable:
        text = tr("Not winnable");
        break;
    case Verdict::CantTell:
        text = tr("Can't tell");
        break;
    }
    if (TheGame.Running() && NoteDeal == TheGame.DealCount()) {
        const QString note = tr("no winnable deal turned up in 2 s");
        text = text.isEmpty() || Shown == Verdict::Thinking ? note : text + QStringLiteral(" \u2014 ") + note;
    }
    if (GaveUp() && TheGame.GoalCardCount() == kTotalCards)
        text = tr("Won by Show Solution: the game counts as lost");
    return text;
}

// ---- hint and solution ----

void cAdvisor::Hint() { Ask(Waiting::Hint); }

void cAdvisor::ShowSolution() { Ask(Waiting::Solution); }

void cAdvisor::Ask(Waiting what) {
    ClearHint();
    StopSolution();
    if (!TheGame.Running())
        return;
    // At once when the position on the table has its answer, else when the search gives it.
    Look(true);
    Wanted = what;
    if (Answered && Searched && *Searched == TheGame.CurrentPosition()) {
        Wanted = Waiting::Nothing;
        Act(what);
    }
}

void cAdvisor::Act(Waiting what) {
    if (what == Waiting::Nothing || !TheGame.Running())
        return;
    if (Outcome != tabloo::Verdict::Winnable) {
        if (Tell)
            Tell(Outcome == tabloo::Verdict::Unwinnable ? tr("No move leads to a win from here.")
                                                        : tr("No winning line found."));
        return;
    }
    if (Winning.empty())
        return;
    if (what == Waiting::Hint) {
        HighlightMove(Winning.front());
        return;
    }
    Solution = Winning;
    SolutionAt = *Searched;
    Steps.Play(cStepPlayer::Line::Solution, [this] { return SolutionStep(); });
    emit SolutionStateChanged();
}

void cAdvisor::HighlightMove(const Move &m) {
    const Position p = TheGame.CurrentPosition();
    const LegalMove lm = TheGame.ToLegalMove(p, m);
    if (lm.PicID < 0)
        return;
    HintCard = lm.PicID;
    // Where the table has the card, even while the cards of the last move still fly there.
    const cCard &card = TheGame.Card(lm.PicID);
    const QPoint from(TheGame.PlaceX(card.Cell, card.Pile, card.Pos), TheGame.PlaceY(card.Cell, card.Pile, card.Pos));
    const std::int16_t top = TheGame.TopPos(lm.Target.Cell, lm.Target.Pile);
    const std::int16_t pos = lm.Target.Cell == kHome && top > 0 ? top : 0;
    const QPointF to(TheGame.PlaceX(lm.Target.Cell, lm.Target.Pile, pos),
                     TheGame.PlaceY(lm.Target.Cell, lm.Target.Pile, pos));
    // The lifted card with its riders, and the place it goes to.
    const qreal riders = lm.Riding * double(kFanStep) / kTwipsPerPixel;
    const QSizeF size(sgCard::kWidth, sgCard::kHeight);
    HintMarks[0]->setRect(QRectF(QPointF(from) / kTwipsPerPixel, size + QSizeF(0, riders)).adjusted(-2, -2, 2, 2));
    HintMarks[1]->setRect(QRectF(to / kTwipsPerPixel, size).adjusted(-2, -2, 2, 2));
    for (QGraphicsRectItem *mark : HintMarks)
        mark->setVisible(true);
    HintTimer.start();
}

void cAdvisor::ClearHint() {
    HintCard = -1;
    HintTimer.stop();
    for (QGraphicsRectItem *mark : HintMarks)
        mark->setVisible(false);
}

void cAdvisor::StopSolution() {
    if (Wanted == Waiting::Solution)
        Wanted = Waiting::Nothing;
    if (SolutionPlaying())
        Steps.Stop();
}

bool cAdvisor::GaveUp() const { return TheGame.Running() && TheGame.HandedOver(); }

bool cAdvisor::SolutionStep() {
    const Position now = TheGame.CurrentPosition();
    if (Solution.empty() || !TheGame.Running() || !(now == SolutionAt))
        return false;
    const Move m = Solution.front();
    Solution.erase(Solution.begin());
    const LegalMove lm = TheGame.ToLegalMove(now, m);
    Play(SolutionAt, m);
    // From the first move on, the game is the solver's: it counts as lost.
    TheGame.GiveUp();
    return TheGame.PlayMove(lm.PicID, lm.Target) && !Solution.empty();
}

// ---- winnable deals ----

void cAdvisor::SetFindClock(std::chrono::steady_clock::time_point (*now)()) { FindNow = now ? now : RealNow; }

void cAdvisor::FindWinnableDeal(const Variant &variant, std::function<void(double, bool)> done) {
    cSolveService::Cancel(Finder);
    Finder = Service.Run([this, variant, done](cSolveService::cJob &job) {
        const auto until = FindNow.load()() + kFindFor;
        cDealer dealer(variant);
        cSolver solver(kFindStates);
        double gameNo = dealer.RandomGameNo();
        bool found = false;
        while (!job.Cancelled()) {
            found = solver.Solve(dealer.Deal(gameNo), &job.CancelFlag()).Outcome == tabloo::Verdict::Winnable;
            if (found || FindNow.load()() >= until)
                break;
            gameNo = dealer.RandomGameNo();
        }
        job.Post([this, done, gameNo, found] {
            Finder.reset();
            ShowLine();
            done(gameNo, found);
        });
    });
    ShowLine();
}

void cAdvisor::CancelFinding() {
    cSolveService::Cancel(Finder);
    ShowLine();
}

void cAdvisor::NoteNoWinnableDeal() {
    NoteDeal = TheGame.DealCount();
    ShowLine();
}

void cAdvisor::InputArrived() {
    ClearHint();
    StopSolution();
    Wanted = Waiting::Nothing;
}

} // namespace tabloo
