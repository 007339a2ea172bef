#include "cFlights.h"

#include "cBoardView.h"
#include "sgCard.h"

#include <algorithm>
#include <cmath>

namespace tabloo {

cFlights::cFlights(cBoardView &board) : QObject(&board), Board(board) {
    mTimer.setSingleShot(true);
    mTimer.setTimerType(Qt::PreciseTimer);
    connect(&mTimer, &QTimer::timeout, this, [this] {
        AdvanceFrame();
        Schedule();
    });
    mClock.start();
}

void cFlights::SetFrameInterval(double ms) {
    mFrameMs = ms > 0 ? ms : 0;
    if (mFrameMs == 0)
        LandAll();
}

qint64 cFlights::CardFree(int picId) const {
    return picId >= 0 && picId < static_cast<int>(mCardFree.size()) ? mCardFree[static_cast<std::size_t>(picId)] : 0;
}

void cFlights::Travel(int picId, QPointF target, int steps, bool sideBySide) {
    Item item;
    item.Kind = Item::kTravel;
    item.PicId = picId;
    item.Steps = steps;
    item.Target = target;
    if (steps >= 1) {
        const qint64 after = sideBySide && mChainSideBySide ? mLastSideBySide : mTail;
        item.Due = std::max({mNow, after, CardFree(picId)}) + 1;
        const qint64 landing = item.Due + steps - 1;
        mTail = std::max(mTail, landing);
        mCardFree[static_cast<std::size_t>(picId)] = landing;
        if (sideBySide)
            mLastSideBySide = item.Due;
        mChainSideBySide = sideBySide;
    } else {
        // A jump happens when the travels before it have landed.
        item.Due = std::max({mNow, mTail, CardFree(picId)});
        mTail = item.Due;
        mCardFree[static_cast<std::size_t>(picId)] = item.Due;
        mChainSideBySide = false;
    }
    Add(std::move(item));
}

void cFlights::Look(int picId, const cCard &card) {
    Item item;
    item.Kind = Item::kLook;
    item.PicId = picId;
    item.Card = card;
    item.Due = std::max(mNow, CardFree(picId));
    Add(std::move(item));
}

void cFlights::Front(int picId) {
    Item item;
    item.Kind = Item::kFront;
    item.PicId = picId;
    item.Due = std::max(mNow, CardFree(picId));
    Add(std::move(item));
}

void cFlights::Sound(const QString &name) {
    Item item;
    item.Kind = Item::kSound;
    item.Name = name;
    item.Due = std::max(mNow, mTail);
    mChainSideBySide = false;
    Add(std::move(item));
}

void cFlights::Won() {
    Item item;
    item.Kind = Item::kWon;
    item.Due = std::max(mNow, mTail);
    mChainSideBySide = false;
    Add(std::move(item));
}

void cFlights::Add(Item item) {
    // With no frames to wait for, or nothing before it still to show, it happens now.
    if (mFrameMs <= 0 || item.Due <= mNow) {
        if (item.Kind == Item::kSound)
            emit SoundDue(item.Name);
        else if (item.Kind == Item::kWon)
            emit WonDue();
        else
            Land(item);
        return;
    }
    mItems.push_back(std::move(item));
    Schedule();
}

void cFlights::Land(Item &item) {
    sgCard *card = Board.Card(item.PicId);
    if (!card)
        return;
    switch (item.Kind) {
    case Item::kTravel:
        Board.RaiseCard(item.PicId);
        card->setVisible(true);
        card->SetPosTwips(item.Target);
        Board.viewport()->update();
        break;
    case Item::kLook:
        card->RefreshCard(item.Card, Board.ArtRatio());
        break;
    case Item::kFront:
        Board.RaiseCard(item.PicId);
        break;
    default:
        break;
    }
}

bool cFlights::Apply(Item &item, qint64 now) {
    if (item.Kind != Item::kTravel || item.Steps < 1) {
        Land(item);
        return true;
    }
    sgCard *card = Board.Card(item.PicId);
    if (!card)
        return true;
    const qint64 step = now - item.Due + 1;
    if (step == 1) {
        // The travel starts from where the card stands now, over every other card.
        item.Start = card->PosTwips();
        Board.RaiseCard(item.PicId);
        card->setVisible(true);
    }
    if (step >= item.Steps) {
        card->SetPosTwips(item.Target);
        return true;
    }
    // A straight line in equal steps, the left and top kept in single precision.
    const double x0 = static_cast<float>(item.Start.x()), y0 = static_cast<float>(item.Start.y());
    const double X = item.Target.x(), Y = item.Target.y();
    const double dx = std::abs(X - x0), dy = std::abs(Y - y0);
    const double sx = x0 < X ? 1.0 : -1.0, sy = y0 < Y ? 1.0 : -1.0;
    const double i = static_cast<double>(step), n = item.Steps;
    card->SetPosTwips(QPointF(static_cast<float>(x0 + sx * dx * i / n), static_cast<float>(y0 + sy * dy * i / n)));
    return false;
}

void cFlights::AdvanceFrame() {
    ++mNow;
    QStringList sounds;
    bool won = false;
    bool moved = false;
    for (auto it = mItems.begin(); it != mItems.end();) {
        if (it->Due > mNow) {
            ++it;
            continue;
        }
        bool done = true;
        if (it->Kind == Item::kSound)
            sounds << it->Name;
        else if (it->Kind == Item::kWon)
            won = true;
        else {
            done = Apply(*it, mNow);
            moved = true;
        }
        it = done ? mItems.erase(it) : it + 1;
    }
    if (moved)
        Board.viewport()->update();
    // Told last, so that whatever they set off finds this frame complete.
    for (const QString &name : sounds)
        emit SoundDue(name);
    if (won)
        emit WonDue();
}

void cFlights::LandAll() {
    mTimer.stop();
    bool won = false;
    std::deque<Item> items;
    items.swap(mItems);
    for (Item &item : items) {
        if (item.Kind == Item::kWon)
            won = true;
        else if (item.Kind != Item::kSound)
            Land(item);
    }
    mNow = std::max(mNow, mTail);
    mChainSideBySide = false;
    if (won)
        emit WonDue();
}

void cFlights::Discard() {
    mTimer.stop();
    mItems.clear();
    mNow = std::max(mNow, mTail);
    mChainSideBySide = false;
}

void cFlights::Schedule() {
    if (mTimer.isActive() || mFrameMs <= 0 || mItems.empty())
        return;
    const double now = mClock.nsecsElapsed() / 1e6;
    // The next frame one interval after the last; after a pause, or when more than a frame
    // late, the count starts afresh from now.
    mNextFrameMs += mFrameMs;
    if (mNextFrameMs < now - mFrameMs || mNextFrameMs > now + 2 * mFrameMs)
        mNextFrameMs = now + mFrameMs;
    mTimer.start(std::max(0, static_cast<int>(std::lround(mNextFrameMs - now))));
}

} // namespace tabloo
