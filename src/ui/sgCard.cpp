#include "sgCard.h"

#include "cBoardView.h"
#include "cCard.h"
#include "cCardArt.h"
#include "cGames.h"

#include <QGraphicsSceneMouseEvent>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tabloo {

namespace {

struct PixKey {
    int Id;
    bool Negative;
    int DprMilli; // the ratio in thousandths, so close ratios share an image
    bool operator==(const PixKey &) const = default;
};

size_t qHash(const PixKey &k, size_t seed = 0) {
    return ::qHash(k.Id * 2 + (k.Negative ? 1 : 0), seed) ^ ::qHash(k.DprMilli, seed + 1);
}

struct PixStore {
    QHash<PixKey, QPixmap> Images;
    // The ratios held, the one used last first.
    std::vector<int> Ratios;
    int Renders = 0;
};

// A window resized by its edge passes through a new scale at every pixel: only the images
// of the last few scales are kept.
constexpr std::size_t kKeptRatios = 3;

PixStore &Store() {
    static PixStore store;
    return store;
}

int ToMilli(qreal dpr) { return qMax(1, static_cast<int>(std::lround((dpr > 0 ? dpr : 1.0) * 1000.0))); }

} // namespace

const QPixmap &cPixmapCache::Get(int id, bool negative, qreal dpr) {
    PixStore &store = Store();
    const PixKey key{id, negative, ToMilli(dpr)};
    auto used = std::find(store.Ratios.begin(), store.Ratios.end(), key.DprMilli);
    if (used != store.Ratios.end()) {
        std::rotate(store.Ratios.begin(), used, used + 1);
    } else {
        if (store.Ratios.size() >= kKeptRatios) {
            const int oldest = store.Ratios.back();
            store.Ratios.pop_back();
            store.Images.removeIf([oldest](const auto &entry) { return entry.key().DprMilli == oldest; });
        }
        store.Ratios.insert(store.Ratios.begin(), key.DprMilli);
    }
    auto it = store.Images.find(key);
    if (it != store.Images.end())
        return it.value();
    const qreal ratio = key.DprMilli / 1000.0;
    QImage image;
    if (ratio >= 1.0) {
        image = cCardArt::Render(id, ratio);
    } else {
        // A board drawn smaller: the full-size picture, shrunk smoothly to the size shown.
        image = cCardArt::Render(id, 1.0);
        if (!image.isNull()) {
            image = image.scaled(qMax(1, qRound(cCardArt::kWidth * ratio)), qMax(1, qRound(cCardArt::kHeight * ratio)),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            image.setDevicePixelRatio(ratio);
        }
    }
    ++store.Renders;
    if (negative && !image.isNull())
        image = cCardArt::Negative(image);
    return store.Images.insert(key, QPixmap::fromImage(image)).value();
}

int cPixmapCache::RenderCount() { return Store().Renders; }

int cPixmapCache::ImageCount() { return static_cast<int>(Store().Images.size()); }

void cPixmapCache::Clear() {
    Store().Images.clear();
    Store().Ratios.clear();
}

sgCard::sgCard(int picId, cBoardView *board) : mPicId(picId), mBoard(board) {
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::AllButtons);
}

void sgCard::RefreshCard(const cCard &card, qreal dpr) {
    // The back when it lies face down (a selected back looks like any other), else the face,
    // as its negative when it is selected.
    const bool back = card.FaceMode == 1;
    const int id = back ? card.DeckIndex + 100 : card.Suit * 13 + card.Num + 1;
    const bool negative = !back && card.Selected;
    if (id == mImageId && negative == mNegative && qFuzzyCompare(dpr, mDpr) && !mPixmap.isNull())
        return;
    mImageId = id;
    mNegative = negative;
    mDpr = dpr;
    UsePicture();
    update();
}

void sgCard::SetArtRatio(qreal dpr) {
    if (qFuzzyCompare(dpr, mDpr))
        return;
    mDpr = dpr;
    UsePicture();
    update();
}

void sgCard::UsePicture() { mPixmap = mImageId > 0 ? cPixmapCache::Get(mImageId, mNegative, mDpr) : QPixmap(); }

void sgCard::SetPosTwips(QPointF twips) {
    mPosTwips = twips;
    setPos(twips / kTwipsPerPixel);
    // The scene refreshes an item's cached placement only when events run; a card moved
    // between two pointer events (a drag) must map the next event from where it is now.
    (void)sceneTransform();
}

QRectF sgCard::boundingRect() const { return QRectF(0, 0, kWidth, kHeight); }

QPainterPath sgCard::shape() const {
    // The rounded corners are see-through: a press there reaches what lies behind.
    QPainterPath path;
    path.addRoundedRect(boundingRect(), 4.5, 4.5);
    return path;
}

void sgCard::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    if (!mPixmap.isNull())
        painter->drawPixmap(QPointF(0, 0), mPixmap);
}

QPointF sgCard::InCard(QPointF scenePoint) const {
    // The card stands on the board itself, so its position is its place in the scene.
    return (scenePoint - pos()) * kTwipsPerPixel;
}

void sgCard::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    event->accept(); // so that the moves and the release come here too
    if (mBoard)
        mBoard->CardPointerEvent(cBoardView::kPointerPress, mPicId, InCard(event->scenePos()));
}

void sgCard::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
    if (mBoard)
        mBoard->CardPointerEvent(cBoardView::kPointerMove, mPicId, InCard(event->scenePos()));
}

void sgCard::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
    if (mBoard)
        mBoard->CardPointerEvent(cBoardView::kPointerRelease, mPicId, InCard(event->scenePos()));
}

void sgCard::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) {
    event->accept(); // the release that follows comes here too, and lifts nothing
    if (mBoard)
        mBoard->CardPointerEvent(cBoardView::kPointerDoubleClick, mPicId, InCard(event->scenePos()));
}

void sgCard::hoverMoveEvent(QGraphicsSceneHoverEvent *event) {
    // A pointer moving over the card with no button down is a move too.
    if (mBoard)
        mBoard->CardPointerEvent(cBoardView::kPointerMove, mPicId, InCard(event->scenePos()));
}

} // namespace tabloo
