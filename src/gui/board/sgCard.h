// One playing card on the board: draws the engine's card model (its face, or its back when
// it lies face down, or the negative of its face when it is selected) and passes the
// pointer's press, move, release and double-click on to the board, in twips inside the card.
#pragma once

#include <QGraphicsItem>
#include <QPixmap>

namespace tabloo {

struct cCard;
class cBoardView;

class sgCard : public QGraphicsItem {
public:
    static constexpr qreal kWidth = 71, kHeight = 96; // board pixels

    sgCard(int picId, cBoardView *board);

    int PicID() const { return mPicId; }
    // The picture shown: a face id, a back id, or 0 before the card was drawn.
    int ImageId() const { return mImageId; }
    bool ShowsNegative() const { return mNegative; }

    // Draws the card again from its model, at the given device pixel ratio.
    void RefreshCard(const cCard &card, qreal dpr);
    // Draws the same picture again at another device pixel ratio.
    void SetArtRatio(qreal dpr);
    // Takes its picture afresh from the board's pictures (after the faces changed their look).
    void RedrawPicture();

    // The card's left and top in twips, kept exactly as set (the item stands at twips / 15).
    QPointF PosTwips() const { return mPosTwips; }
    void SetPosTwips(QPointF twips);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    // The second press of a double-click is the double-click alone, not another press.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    // Entering or leaving a card changes nothing on it: no repaint.
    void hoverEnterEvent(QGraphicsSceneHoverEvent *) override {}
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *) override {}

private:
    void UsePicture();
    // A point of the board as twips inside the card.
    QPointF InCard(QPointF scenePoint) const;

    int mPicId;
    cBoardView *mBoard;
    int mImageId = 0;
    bool mNegative = false;
    qreal mDpr = 1.0;
    QPixmap mPixmap;
    QPointF mPosTwips;
};

} // namespace tabloo
