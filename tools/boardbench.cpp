// boardbench [GAMES [WIDTH HEIGHT]] [solving]
// Times the board's card travel: deals games on a shown 1032 x 747 board (offscreen) and
// shows their frames one after another as fast as they come, printing what one frame (move
// every travelling card one step, repaint the whole board) takes, and what a bare repaint
// of the board takes. With "solving", the window's two solver threads search random deals
// of a hard variant all the while, as they would for the odds and the verdict.
#include "Game.h"
#include "cBoardView.h"
#include "cDealer.h"
#include "cFlights.h"
#include "cMemorySettings.h"
#include "cSolveService.h"
#include "cSolver.h"
#include "cSystemClock.h"

#include <QApplication>
#include <QElapsedTimer>

#include <atomic>
#include <cstring>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double Worst(const std::vector<double> &v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool solving = argc > 1 && std::strcmp(argv[argc - 1], "solving") == 0;
    if (solving)
        --argc;
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    tabloo::cMemorySettings settings;
    tabloo::cSystemClock clock;
    tabloo::cUniformRandom random;
    tabloo::cBoardView view;
    int width = tabloo::cBoardView::kBoardPixelWidth, height = tabloo::cBoardView::kBoardPixelHeight;
    if (argc > 3) {
        width = std::max(1, std::atoi(argv[2]));
        height = std::max(1, std::atoi(argv[3]));
    }
    view.resize(width, height);
    view.show();
    QCoreApplication::processEvents();
    tabloo::Game game(settings, clock, random, view);
    view.SetGame(game);
    // The frames are shown here, one after another: the board's own timer never fires.
    view.Flights().SetFrameInterval(1e8);
    game.EnsureFirstPlayer();

    tabloo::cSolveService service(2);
    std::atomic<long> solved{0};
    if (solving)
        for (int j = 0; j < 2; ++j)
            service.Run([&solved](tabloo::cSolveService::cJob &job) {
                // Up-or-down goal piles: the slowest variant to search.
                tabloo::Variant variant;
                variant.Rules.GoalOrder = tabloo::kUpDownSameSuit;
                tabloo::cDealer dealer(variant);
                tabloo::cSolver solver;
                while (!job.Cancelled()) {
                    solver.Solve(dealer.Deal(dealer.RandomGameNo()), &job.CancelFlag());
                    ++solved;
                }
            });

    std::vector<double> all;
    for (int g = 0; g < games; ++g) {
        std::vector<double> steps;
        QElapsedTimer total;
        total.start();
        game.StartGame(123.0 + g);
        const double bookMs = total.nsecsElapsed() / 1e6;
        while (view.Flying()) {
            QElapsedTimer t;
            t.start();
            view.Flights().AdvanceFrame();
            view.viewport()->repaint();
            steps.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("game %d: booked in %.2f ms, %zu frames, step median ms %.3f, step worst ms %.3f\n", 123 + g,
                    bookMs, steps.size(), Median(steps), Worst(steps));
        all.insert(all.end(), steps.begin(), steps.end());
        QCoreApplication::processEvents();
    }

    std::vector<double> frames;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        view.viewport()->repaint();
        frames.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("view %dx%d, board scale %.3f\n", view.viewport()->width(), view.viewport()->height(),
                view.BoardScale());
    std::printf("steps %zu\n", all.size());
    std::printf("step median ms %.3f\n", Median(all));
    std::printf("step worst ms %.3f\n", Worst(all));
    std::printf("frame repaint ms %.3f (worst %.3f)\n", Median(frames), Worst(frames));
    if (solving)
        std::printf("deals searched meanwhile on two threads: %ld\n", solved.load());
    return 0;
}
