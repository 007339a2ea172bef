#include "sgCard.h"

#include "cBoardView.h"
#include "cCard.h"
#include "cGames.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tabloo {

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

void sgCard::RedrawPicture() {
    UsePicture();
    update();
}

void sgCard::UsePicture() { mPixmap = mImageId > 0 ? mBoard->Pictures().Get(mImageId, mNegative, mDpr) : QPixmap(); }

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
