// The Large print faces: a corner index that fills the strip a fanned pile leaves in sight of
// every card below the top one, the rank and a big suit sign side by side; the classic pips
// on the two to the ten, one big sign on the ace, and plain courts, the rank's letter large
// over a large suit sign.
#include "mArtTools.h"

#include "cGames.h"

#include <QPainter>

namespace tabloo::mArt {

namespace {

// The strip of a card that the next card of a fanned home pile leaves in sight, in card pixels.
constexpr qreal kStrip = double(kFanStep) / kTwipsPerPixel;
// The index stands in it, clear of the card's edge above and of the next card's below.
constexpr qreal kIndexTop = 2.0, kIndexBottom = kStrip - 1.0;
constexpr qreal kIndexCap = kIndexBottom - kIndexTop;

void PaintLargeIndex(QPainter &p, int suit, int num, const QColor &ink) {
    BothWaysUp(p, [&] {
        // The whole letter stands in the strip: the J and the Q, which reach below the line,
        // are set a little smaller and higher.
        const QRectF bounds = Lettering().Rank[num].boundingRect();
        const qreal cap = kIndexCap / qMax<qreal>(1.0, bounds.height());
        p.fillPath(SetText(Lettering().Rank[num], 12.0, kIndexTop - qMin<qreal>(-1.0, bounds.top()) * cap, cap, 19.0),
                   ink);
        // Diamonds are slim: a little more height gives them the weight of the others.
        const qreal sign = suit == 2 ? kIndexCap + 1.0 : kIndexCap;
        FillShape(p, Shapes().Suit[suit], QPointF(31.5, (kIndexTop + kIndexBottom) / 2.0), sign, false, ink);
    });
}

void PaintPlainCourt(QPainter &p, int suit, int num, const QColor &ink) {
    // A framed panel below the index, so that the courts stand out from the pip cards.
    const QRectF panel(9.5, kStrip + 3.0, kW - 19.0, kH - 2.0 * (kStrip + 3.0));
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(253, 248, 234));
    p.drawRect(panel);
    p.setPen(QPen(kGold, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(panel.adjusted(1.6, 1.6, -1.6, -1.6));
    // The J and the Q reach below the line they stand on: the sign keeps clear of them.
    p.fillPath(SetText(Lettering().Rank[num], kMidX, kMidY + 1.0, 22.0, panel.width() - 8.0), ink);
    FillShape(p, Shapes().Suit[suit], QPointF(kMidX, kMidY + 17.5), 15.0, false, ink);
}

} // namespace

void PaintLargePrintFace(QPainter &p, int suit, int num, const QColor &ink) {
    if (num == 0)
        FillShape(p, Shapes().Suit[suit], QPointF(kMidX, kMidY + 3.0), suit == 2 ? 40.0 : 36.0, false, ink);
    else if (num <= 9)
        // The pips keep a little further from the big index than the classic ones do.
        PaintPips(p, suit, num, ink, 0.92, 26.0);
    else
        PaintPlainCourt(p, suit, num, ink);
    PaintLargeIndex(p, suit, num, ink);
}

} // namespace tabloo::mArt
