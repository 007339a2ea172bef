// windowbench SCENARIO: the real game window on the real screen (run it under Xvfb with a
// window manager; tools/measure-window.sh does), on the settings in $XDG_CONFIG_HOME,
// printing what it sees with the milliseconds since it started:
//   deals N    deals N new games and prints how long each took from Play until its last
//              card landed, then the median and the worst;
//   undoall    plays 200 moves of game 123, then Undo All at the slowest speed; prints
//              every change of the clock display and a 100 ms timer's ticks each second,
//              the moment a press arrives and the moment the cards have landed; a second
//              Undo All follows, to be ended by the close box;
//   win        deals a game that the first autoplay wins and prints every sound as it is
//              asked for and handed to the sound output, then the end-of-game dialog;
//   winnable N deals N new games with winnable deals only, under the variant the settings
//              hold, and prints how long each took from the command to the deal and whether
//              the number dealt was a winnable one;
//   verdicts N deals N new games and prints how long each took from the command until the
//              line under the board told whether it can be won, then the median and the worst;
//   moves N    plays N moves of game 123, one each turn of the event loop as drops come,
//              and prints the median and the longest time a move held the window's thread
//              (its cards landed at once), and the longest gap between the ticks of a 1 ms
//              timer meanwhile.
#include "Game.h"
#include "cAdvisor.h"
#include "cBoardView.h"
#include "cQtSettings.h"
#include "frmMain.h"
#include "mSounds.h"

#include <QAction>
#include <QApplication>
#include <QAudioSink>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

QElapsedTimer Since;

void Say(const char *what, const QString &detail = {}) {
    std::printf("%7lld ms  %s %s\n", static_cast<long long>(Since.elapsed()), what, qPrintable(detail));
    std::fflush(stdout);
}

// Notes the presses that reach the program, as the player's clicks arrive.
struct PressWatch : QObject {
    bool eventFilter(QObject *watched, QEvent *e) override {
        // Once per press: as it reaches the window, before the widgets under it.
        if (e->type() == QEvent::MouseButtonPress && watched->isWindowType())
            Say("press");
        return false;
    }
};

// The variant dialog plays at once; the end-of-game dialog is noted and closed.
void AnswerDialogs(tabloo::frmMain &w) {
    w.ExecDialog = [](QDialog &d) {
        Say("dialog", d.windowTitle());
        if (auto *play = d.findChild<QPushButton *>("cmdPlay"))
            play->click();
        else
            d.reject();
        return d.result();
    };
}

// Starts `count` new games one after another, each when the last has `arrived`, and prints
// how long each took from the command until then: the median and the worst, after `title`.
int TimeNewGames(tabloo::frmMain &w, int count, const QString &title, std::function<bool()> arrived,
                 std::function<void(double ms)> noted = {}) {
    auto times = std::make_shared<std::vector<double>>();
    auto next = std::make_shared<std::function<void()>>();
    *next = [&w, times, next, count, title, arrived, noted] {
        if (static_cast<int>(times->size()) == count) {
            std::sort(times->begin(), times->end());
            std::printf("%s: median %.1f ms, worst %.1f ms\n", qPrintable(title), (*times)[times->size() / 2],
                        times->back());
            QCoreApplication::quit();
            return;
        }
        QElapsedTimer t;
        t.start();
        const std::uint32_t deals = w.game().DealCount();
        w.RunCommand("F1");
        // Watch as often as the event loop allows.
        auto *poll = new QTimer(&w);
        QObject::connect(poll, &QTimer::timeout, &w, [&w, t, times, next, poll, deals, arrived, noted] {
            if (w.game().DealCount() == deals || !arrived())
                return;
            times->push_back(t.nsecsElapsed() / 1e6);
            if (noted)
                noted(times->back());
            poll->deleteLater();
            QTimer::singleShot(50, &w, *next);
        });
        poll->start(0);
    };
    QTimer::singleShot(300, &w, *next);
    return QApplication::exec();
}

int Deals(tabloo::frmMain &w, int count) {
    return TimeNewGames(w, count, QStringLiteral("deals %1, Play to last card landed").arg(count),
                        [&w] { return !w.board().Flying(); });
}

int Verdicts(tabloo::frmMain &w, int count) {
    using tabloo::cAdvisor;
    auto seen = std::make_shared<std::map<cAdvisor::Verdict, int>>();
    const int status = TimeNewGames(
        w, count, QStringLiteral("verdicts %1, new game to verdict shown").arg(count),
        [&w] { return w.advisor().Knows(); }, [&w, seen](double) { ++(*seen)[w.advisor().Current()]; });
    const int cantTell = (*seen)[cAdvisor::Verdict::CantTell];
    std::printf("of them winnable: %d, not winnable: %d, can't tell: %d (%.1f %%)\n",
                (*seen)[cAdvisor::Verdict::Winnable], (*seen)[cAdvisor::Verdict::NotWinnable], cantTell,
                100.0 * cantTell / count);
    return status;
}

int Winnable(tabloo::frmMain &w, int count) {
    tabloo::cRegistry(w.game().Settings).SetWinnableOnly(1);
    return TimeNewGames(
        w, count, QStringLiteral("winnable deals %1, new game to the deal and its verdict").arg(count),
        [&w] { return w.advisor().Knows(); },
        [&w](double ms) {
            Say("dealt",
                QString::fromStdString(w.game().GameNo()) +
                    QStringLiteral(" in %1 ms, the line says: %2").arg(ms, 0, 'f', 0).arg(w.advisor().LineText()));
        });
}

int UndoAll(tabloo::frmMain &w) {
    tabloo::Game &g = w.game();
    tabloo::cRegistry(g.Settings).SetAutoplay(0);
    tabloo::cRegistry(g.Settings).SetUndoallSpeed(50);
    g.StartGame(123.0);
    w.board().LandFlights();
    // 200 moves: a card to and fro between two free cells.
    const std::int16_t shuttle = g.TopCard(tabloo::kHome, 5);
    g.PlayMove(shuttle, {tabloo::kReserve, 0});
    while (g.MovesInForce() < 200)
        g.PlayMove(shuttle, {tabloo::kReserve, static_cast<std::int16_t>(1 - g.Card(shuttle).Pile)});
    w.board().LandFlights();
    w.UpdateMenuStates();
    Say("moves", QString::number(g.MovesInForce()));

    static PressWatch presses;
    qApp->installEventFilter(&presses);
    auto ticks = std::make_shared<int>(0);
    auto *tick = new QTimer(&w);
    QObject::connect(tick, &QTimer::timeout, [ticks] { ++*ticks; });
    tick->start(100);
    auto *watch = new QTimer(&w);
    auto clock = std::make_shared<QString>();
    auto flying = std::make_shared<bool>(false);
    auto second = std::make_shared<qint64>(0);
    QObject::connect(watch, &QTimer::timeout, [&w, ticks, clock, flying, second] {
        const QString shown = w.display(1)->text();
        if (shown != *clock)
            Say("clock", *clock = shown);
        if (Since.elapsed() / 1000 != *second) {
            *second = Since.elapsed() / 1000;
            Say("100 ms ticks in the last second", QString::number(std::exchange(*ticks, 0)));
        }
        if (*flying && !w.board().Flying())
            Say("landed", QStringLiteral("moves %1").arg(w.game().MovesInForce()));
        *flying = w.board().Flying();
    });
    watch->start(5);
    Say("undo all");
    w.action("G6")->trigger();
    // Once the first travel is over (or cut short), all of it again: redo, then undo.
    auto *again = new QTimer(&w);
    QObject::connect(again, &QTimer::timeout, [&w, again] {
        if (w.board().Flying())
            return;
        again->stop();
        w.game().RedoAll(0);
        w.board().LandFlights();
        Say("undo all again");
        w.action("G6")->trigger();
    });
    again->start(50);
    return QApplication::exec();
}

int Moves(tabloo::frmMain &w, int count) {
    tabloo::Game &g = w.game();
    tabloo::cRegistry(g.Settings).SetAutoplay(0);
    g.StartGame(123.0);
    w.board().LandFlights();
    const std::int16_t shuttle = g.TopCard(tabloo::kHome, 5);
    auto times = std::make_shared<std::vector<double>>();
    auto gap = std::make_shared<double>(0);
    auto probe = std::make_shared<QElapsedTimer>();
    auto *tick = new QTimer(&w);
    QObject::connect(tick, &QTimer::timeout, [gap, probe] {
        if (probe->isValid())
            *gap = std::max(*gap, probe->nsecsElapsed() / 1e6);
        probe->start();
    });
    tick->start(1);
    auto *mover = new QTimer(&w);
    QObject::connect(mover, &QTimer::timeout, [&w, &g, shuttle, times, gap, mover, tick, count] {
        if (static_cast<int>(times->size()) == count) {
            mover->stop();
            tick->stop();
            std::sort(times->begin(), times->end());
            std::printf("moves %d: a move holds the window %.2f ms (median), %.2f ms (longest); longest gap "
                        "between 1 ms ticks %.2f ms\n",
                        count, (*times)[times->size() / 2], times->back(), *gap);
            QCoreApplication::quit();
            return;
        }
        QElapsedTimer t;
        t.start();
        const std::int16_t to = g.Card(shuttle).Cell == tabloo::kReserve ? 1 - g.Card(shuttle).Pile : 0;
        g.PlayMove(shuttle, {tabloo::kReserve, static_cast<std::int16_t>(to)});
        w.board().LandFlights();
        times->push_back(t.nsecsElapsed() / 1e6);
    });
    QTimer::singleShot(300, &w, [mover] { mover->start(5); });
    return QApplication::exec();
}

int Win(tabloo::frmMain &w) {
    tabloo::Game &g = w.game();
    // Goal piles that take any card, each with its base card dealt: the first autoplay after
    // the deal sends every card home, one chime each.
    tabloo::cRegistry(g.Settings).SetAutoplay(1);
    tabloo::cRegistry(g.Settings).SetGoalOrder(6);
    tabloo::cRegistry(g.Settings).SetGoalCards(4);
    // The chimes alone, so that a recording can count them.
    tabloo::cRegistry(g.Settings).SetSoundStart(0);
    tabloo::cRegistry(g.Settings).SetSoundWin(0);
    const auto play = w.sounds().Output;
    w.sounds().Output = [play](const QString &buffer, const QByteArray &wave) {
        Say("sound", buffer);
        play(buffer, wave);
    };
    // How much of each sound the sound server took, stream by stream.
    struct Stream {
        QPointer<QAudioSink> Sink;
        qint64 PlayedUs = 0;
    };
    auto streams = std::make_shared<std::vector<Stream>>();
    auto *watch = new QTimer(&w);
    QObject::connect(watch, &QTimer::timeout, [&w, streams] {
        for (QAudioSink *sink : w.sounds().findChildren<QAudioSink *>()) {
            auto known =
                std::find_if(streams->begin(), streams->end(), [sink](const Stream &s) { return s.Sink == sink; });
            if (known == streams->end())
                known = streams->insert(streams->end(), Stream{sink, 0});
            known->PlayedUs = std::max(known->PlayedUs, sink->processedUSecs());
        }
    });
    watch->start(2);
    w.ExecDialog = [streams](QDialog &d) {
        Say("dialog", d.windowTitle());
        QTimer::singleShot(1500, [streams] {
            const int whole = static_cast<int>(std::count_if(streams->begin(), streams->end(), [](const Stream &s) {
                return s.PlayedUs >= 149000; // a chime is 0.15 s long
            }));
            std::printf("streams %zu, each chime taken whole by the sound server: %d\n", streams->size(), whole);
            QCoreApplication::quit();
        });
        return 0;
    };
    Say("deal");
    g.StartGame(5.0);
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tabloo");
    QApplication::setApplicationName("Tabloo");
    Since.start();
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    tabloo::cQtSettings settings;
    tabloo::frmMain w(settings);
    AnswerDialogs(w);
    w.game().EnsureFirstPlayer();
    w.show();
    Say("shown");
    int status = 2;
    if (scenario == "deals")
        status = Deals(w, argc > 2 ? std::max(1, std::atoi(argv[2])) : 20);
    else if (scenario == "undoall")
        status = UndoAll(w);
    else if (scenario == "win")
        status = Win(w);
    else if (scenario == "winnable")
        status = Winnable(w, argc > 2 ? std::max(1, std::atoi(argv[2])) : 20);
    else if (scenario == "moves")
        status = Moves(w, argc > 2 ? std::max(1, std::atoi(argv[2])) : 100);
    else if (scenario == "verdicts")
        status = Verdicts(w, argc > 2 ? std::max(1, std::atoi(argv[2])) : 100);
    else
        std::fprintf(stderr,
                     "usage: tabloo-windowbench deals [N] | undoall | win | winnable [N] | verdicts [N] | moves [N]\n");
    Say("end");
    return status;
}
