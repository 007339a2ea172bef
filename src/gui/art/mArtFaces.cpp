// The faces: the white card, the pips of the ace to the ten, and the corner index. The
// court figures are painted in mArtCourt.cpp.
#include "mArtTools.h"

#include <QPainter>

#include <vector>

namespace tabloo::mArt {

namespace {

// The pip height of the pip cards; diamonds are slimmer and get a little more height.
qreal PipSize(int suit) { return suit == 2 ? 13.5 : 12.0; }

} // namespace

void PaintPips(QPainter &p, int suit, int num, const QColor &ink, qreal scale, qreal top) {
    constexpr qreal left = 23.5, centre = kMidX, right = kW - 23.5;
    // The top row stays clear of the corner index, which runs across the top edge.
    const qreal bottom = kH - top, mid = kMidY;
    const qreal q1 = top + (bottom - top) / 3.0, q2 = top + 2.0 * (bottom - top) / 3.0;
    // The classic layouts, column by column; the centre column of the seven, eight and ten
    // sits between the rows of the side columns.
    std::vector<QPointF> at;
    at.reserve(10);
    auto column = [&](qreal x, std::initializer_list<qreal> rows) {
        for (qreal y : rows)
            at.emplace_back(x, y);
    };
    auto sides = [&](std::initializer_list<qreal> rows) {
        column(left, rows);
        column(right, rows);
    };
    switch (num + 1) {
    case 2:
        column(centre, {top, bottom});
        break;
    case 3:
        column(centre, {top, mid, bottom});
        break;
    case 4:
        sides({top, bottom});
        break;
    case 5:
        sides({top, bottom});
        column(centre, {mid});
        break;
    case 6:
        sides({top, mid, bottom});
        break;
    case 7:
        sides({top, mid, bottom});
        column(centre, {(top + mid) / 2});
        break;
    case 8:
        sides({top, mid, bottom});
        column(centre, {(top + mid) / 2, (mid + bottom) / 2});
        break;
    case 9:
        sides({top, q1, q2, bottom});
        column(centre, {mid});
        break;
    case 10:
        sides({top, q1, q2, bottom});
        column(centre, {(top + q1) / 2, (q2 + bottom) / 2});
        break;
    default:
        break;
    }
    // Pips below the middle are turned upside down.
    const QPainterPath &shape = Shapes().Suit[suit];
    for (QPointF pip : at)
        FillShape(p, shape, pip, PipSize(suit) * scale, pip.y() > mid + 0.1, ink);
}

namespace {

void PaintAce(QPainter &p, int suit, const QColor &ink) {
    const QPainterPath &shape = Shapes().Suit[suit];
    const QPointF c(kMidX, kMidY);
    if (suit == 1) {
        // The ace of spades is the showpiece of the pack: a larger spade in a fine ring.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGoldDark, 0.8));
        p.drawEllipse(c, 23.0, 23.0);
        p.setPen(QPen(ink, 0.6));
        p.drawEllipse(c, 21.5, 21.5);
        FillShape(p, shape, c, 34.0, false, ink);
        FillShape(p, shape, c + QPointF(0, -2.5), 9.0, false, Qt::white);
        FillShape(p, shape, c + QPointF(0, -2.5), 6.0, false, ink);
        return;
    }
    FillShape(p, shape, c, suit == 2 ? 32.0 : 28.0, false, ink);
}

void PaintIndex(QPainter &p, int suit, int num, const QColor &ink) {
    // Rank and suit side by side along the top edge, so that both still show on a card that
    // the next one in a fanned pile covers all but a strip of.
    BothWaysUp(p, [&] {
        p.fillPath(SetText(Lettering().Rank[num], 8.0, 13.0, 10.5, 12.0), ink);
        FillShape(p, Shapes().Suit[suit], QPointF(19.0, 9.5), suit == 2 ? 9.0 : 8.0, false, ink);
    });
}

} // namespace

void PaintFace(QPainter &p, int suit, int num, cFaceLook look) {
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(Qt::white);
    p.drawPath(CardShape(0.5));
    const QColor ink = SuitInk(suit, look.FourColours);
    if (look.Faces == cFaceLook::kLargePrint) {
        PaintLargePrintFace(p, suit, num, ink);
        return;
    }
    if (num == 0)
        PaintAce(p, suit, ink);
    else if (num <= 9)
        PaintPips(p, suit, num, ink, 1.0, 21.5);
    else
        PaintCourt(p, suit, num, ink);
    PaintIndex(p, suit, num, ink);
}

} // namespace tabloo::mArt
