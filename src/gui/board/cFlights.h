// Card travel played out on the event loop. The game books every move at once; what the
// player sees follows here: the travels, the looks cards take when they land, the sounds
// between them and the won notice wait in the order they were asked for, and each frame
// (60 a second) shows one more step of every travel that is under way. A travel starts when
// the one asked for before it has landed; the cards of the deal start one frame after one
// another and fly side by side. Nothing here ever waits: the timer brings the next frame.
#pragma once

#include "cCard.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QTimer>

#include <array>
#include <deque>

namespace tabloo {

class cBoardView;

class cFlights : public QObject {
    Q_OBJECT
public:
    static constexpr double kDefaultFrameMs = 1000.0 / 60.0;

    explicit cFlights(cBoardView &board);

    // The time between two frames; 0 lands everything as soon as it is asked for (tests,
    // tools), sounds and the won notice included.
    void SetFrameInterval(double ms);

    // Card picId travels to `target` (its left and top in twips) in `steps` frames; fewer
    // than 1 step places it at once. Side by side: it starts one frame after the travel
    // before it, if that one flew side by side too, instead of after its landing.
    void Travel(int picId, QPointF target, int steps, bool sideBySide);
    // The card takes this look (face, back, selection) when its last travel has landed.
    void Look(int picId, const cCard &card);
    // The card comes to the front when its last travel has landed.
    void Front(int picId);
    // Played when everything asked for before it has landed.
    void Sound(const QString &name);
    void Won();

    // Something is still to be shown.
    bool Busy() const { return !mItems.empty(); }
    // Everything lands now: the cards stand where the table has them, sounds still waiting
    // are dropped, a waiting won notice is told.
    void LandAll();
    // Everything is dropped (the board is taken down).
    void Discard();
    // Shows the next frame: the timer's work; benchmarks and tests drive it themselves.
    void AdvanceFrame();
    // Frames shown so far.
    qint64 Frame() const { return mNow; }

signals:
    void SoundDue(const QString &name);
    void WonDue();

private:
    struct Item {
        enum Kind { kTravel, kLook, kFront, kSound, kWon } Kind = kTravel;
        qint64 Due = 0; // the frame it comes due (a travel: its first step)
        int PicId = -1;
        int Steps = 0;
        QPointF Target;
        QPointF Start; // where the card stood at its first step
        cCard Card;
        QString Name;
    };

    void Add(Item item);
    // Does what the item says; a travel goes to the step due at frame `now`. True when done.
    bool Apply(Item &item, qint64 now);
    void Land(Item &item);
    void Schedule();
    qint64 CardFree(int picId) const;

    cBoardView &Board;
    std::deque<Item> mItems;
    // Frames: the last one shown, the landing of everything asked for so far, the first
    // step of the last side-by-side travel, and each card's last landing.
    qint64 mNow = 0;
    qint64 mTail = 0;
    qint64 mLastSideBySide = -1;
    bool mChainSideBySide = false;
    std::array<qint64, 52> mCardFree{};
    double mFrameMs = kDefaultFrameMs;
    QTimer mTimer;
    QElapsedTimer mClock;
    double mNextFrameMs = 0;
};

} // namespace tabloo
