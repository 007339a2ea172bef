#include "cStepPlayer.h"

#include "cBoardView.h"

namespace tabloo {

namespace {
constexpr int kTickMs = 500;
}

cStepPlayer::cStepPlayer(const cBoardView &board, QObject *parent) : QObject(parent), Board(board) {
    Timer.setInterval(kTickMs);
    connect(&Timer, &QTimer::timeout, this, &cStepPlayer::Tick);
}

void cStepPlayer::Play(Line line, std::function<bool()> step) {
    if (Current != Line::None && Current != line)
        Stop();
    Current = line;
    Step = std::move(step);
    Timer.start();
}

void cStepPlayer::Stop() {
    if (Current == Line::None)
        return;
    const Line ended = Current;
    Current = Line::None;
    Timer.stop();
    Step = nullptr;
    emit Stopped(ended);
}

void cStepPlayer::Tick() {
    // The next step waits while the cards of the last one are still travelling.
    if (Current == Line::None || Board.Flying())
        return;
    // The step may end the line itself, or start another one.
    const Line line = Current;
    const std::function<bool()> step = Step;
    if (!step() && Current == line)
        Stop();
}

} // namespace tabloo
