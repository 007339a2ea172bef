// Plays a line of moves out one step a tick, each step once the cards of the step before
// have landed: the replay of the log, forward or back, and Show Solution. One line plays at
// a time; starting one ends the other.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace tabloo {

class cBoardView;

class cStepPlayer : public QObject {
    Q_OBJECT
public:
    enum class Line { None, Forward, Back, Solution };

    explicit cStepPlayer(const cBoardView &board, QObject *parent = nullptr);

    // Plays `line`: at every tick with no card in flight `step` makes one step, and the line
    // ends when it returns false.
    void Play(Line line, std::function<bool()> step);
    // Ends the line playing; nothing when none plays.
    void Stop();
    Line Playing() const { return Current; }
    // The time between two ticks.
    void SetInterval(int ms) { Timer.setInterval(ms); }

signals:
    // A line ended, by itself or stopped.
    void Stopped(tabloo::cStepPlayer::Line line);

private:
    void Tick();

    const cBoardView &Board;
    QTimer Timer;
    Line Current = Line::None;
    std::function<bool()> Step;
};

} // namespace tabloo
