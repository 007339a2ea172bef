// The court cards: a King, a Queen and a Jack, each a half figure in a cream panel, set down
// twice, the second time turned about the middle of the card. The three figures are one
// figure (a robe, a head, a hand) told apart by what they hold, their hair and what they wear
// on the head.
#include "mArtTools.h"

#include <QImage>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace tabloo::mArt {

namespace {

const QColor kSkin(248, 219, 186);
const QColor kOutline(70, 44, 30);

struct cCourtColours {
    QColor Robe, RobeDark, Lining, Jewel;
};

// The figures are drawn about the middle of the card, x = cx; the helpers below take the
// points of the left half as distances from it and mirror them to the right.
constexpr qreal cx = kMidX;

QPointF Left(QPointF at) { return QPointF(cx - at.x(), at.y()); }
QPointF Right(QPointF at) { return QPointF(cx + at.x(), at.y()); }

// A band across the face, the same either side: from the left tip along one curve through
// (cx, aMid) to the right tip, and back along another through (cx, bMid). A closed band's
// outline starts at the left tip; an open one's starts and ends at (cx, bMid), where its two
// ends meet.
QPainterPath Band(QPointF tip, QPointF a1, QPointF a2, qreal aMid, QPointF b1, QPointF b2, qreal bMid,
                  bool closed = true) {
    QPainterPath band;
    band.moveTo(closed ? Left(tip) : QPointF(cx, bMid));
    if (!closed)
        band.cubicTo(Left(b2), Left(b1), Left(tip));
    band.cubicTo(Left(a1), Left(a2), QPointF(cx, aMid));
    band.cubicTo(Right(a2), Right(a1), Right(tip));
    band.cubicTo(Right(b1), Right(b2), QPointF(cx, bMid));
    if (closed) {
        band.cubicTo(Left(b2), Left(b1), Left(tip));
        band.closeSubpath();
    }
    return band;
}

// A lock of hair at each side of the face: from `from` out through c1 and c2 down to `to`,
// and straight back up to `back`.
QPainterPath SideLocks(QPointF from, QPointF c1, QPointF c2, QPointF to, QPointF back) {
    QPainterPath hair;
    for (auto side : {Left, Right}) {
        hair.moveTo(side(from));
        hair.cubicTo(side(c1), side(c2), side(to));
        hair.lineTo(side(back));
        hair.closeSubpath();
    }
    return hair;
}

// Draws a path in a fill with an outline.
void DrawIn(QPainter &p, const QPainterPath &path, const QPen &pen, const QBrush &brush) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath Robe() {
    return Outline({{19.5, 49},
                    {19.5, 41.5},
                    {{19.5, 37.5}, {23.5, 35.3}, {30, 34.8}},
                    {41, 34.8},
                    {{47.5, 35.3}, {51.5, 37.5}, {51.5, 41.5}},
                    {51.5, 49}});
}

// The robe with a lining showing at the neck and a gold hem along the opening; the king's
// has an ermine collar, the others' a gold trim on the shoulders.
void PaintBody(QPainter &p, const cCourtColours &c, bool ermine) {
    QLinearGradient robeFill(19.5, 0, 51.5, 0);
    robeFill.setColorAt(0, c.RobeDark);
    robeFill.setColorAt(0.35, c.Robe);
    robeFill.setColorAt(0.65, c.Robe);
    robeFill.setColorAt(1, c.RobeDark);
    DrawIn(p, Robe(), QPen(c.RobeDark.darker(160), 0.6), robeFill);

    const QPainterPath vee = Outline({{30.5, 34.8}, {cx, 43}, {40.5, 34.8}});
    p.setPen(Qt::NoPen);
    p.setBrush(c.Lining);
    p.drawPath(vee);
    // A gold placket down the front, with buttons.
    p.setBrush(kGold);
    p.drawRect(QRectF(cx - 1.3, 43, 2.6, 6));
    p.setBrush(kGoldDark);
    p.drawEllipse(QPointF(cx, 45.2), 0.6, 0.6);
    p.setPen(QPen(kGold, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30.5, 34.8), QPointF(cx, 43));
    p.drawLine(QPointF(40.5, 34.8), QPointF(cx, 43));
    // Seams where the arms hang.
    p.setPen(QPen(c.RobeDark.darker(130), 0.5));
    p.drawLine(QPointF(24.5, 37.5), QPointF(24.5, 48));
    p.drawLine(QPointF(46.5, 37.5), QPointF(46.5, 48));

    if (ermine) {
        const QPainterPath collar = Outline({{20.3, 42},
                                             {{21, 37.8}, {25, 35.5}, {30.5, 34.8}},
                                             {40.5, 34.8},
                                             {{46, 35.5}, {50, 37.8}, {50.7, 42}},
                                             {47, 41},
                                             {{45.5, 39}, {43.5, 38.4}, {40, 38.4}},
                                             {31, 38.4},
                                             {{27.5, 38.4}, {25.5, 39}, {24, 41}}});
        DrawIn(p, collar, QPen(QColor(150, 150, 150), 0.4), QColor(250, 250, 246));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlackInk);
        for (QPointF tail : {QPointF(22.6, 39.6), QPointF(27, 37.2), QPointF(44, 37.2), QPointF(48.4, 39.6)})
            p.drawEllipse(tail, 0.55, 0.9);
    } else {
        QPainterPath trim;
        trim.moveTo(20.2, 44);
        trim.lineTo(20.2, 41.5);
        trim.cubicTo(20.2, 38, 24, 36, 30.5, 35.5);
        trim.moveTo(50.8, 44);
        trim.lineTo(50.8, 41.5);
        trim.cubicTo(50.8, 38, 47, 36, 40.5, 35.5);
        DrawIn(p, trim, QPen(kGold, 0.9), Qt::NoBrush);
    }
}

// The heads sit a little higher than drawn below, leaving the robes room.
constexpr qreal kHeadLift = 1.8;

void PaintHead(QPainter &p) {
    p.setPen(QPen(kOutline, 0.5));
    p.setBrush(kSkin);
    p.drawRect(QRectF(cx - 2, 32, 4, 5.5));
    p.drawEllipse(QPointF(cx, 28.5), 5.0, 6.0);
}

// Eyes, brows and nose; a mouth unless a beard hides it.
void PaintFaceFeatures(QPainter &p, bool beard) {
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(cx - 2.0, 28.0), 0.65, 0.75);
    p.drawEllipse(QPointF(cx + 2.0, 28.0), 0.65, 0.75);
    p.setPen(QPen(kOutline, 0.5));
    p.drawLine(QPointF(cx - 3.0, 26.2), QPointF(cx - 1.2, 26.0));
    p.drawLine(QPointF(cx + 3.0, 26.2), QPointF(cx + 1.2, 26.0));
    p.drawLine(QPointF(cx, 28.5), QPointF(cx - 0.4, 30.5));
    if (!beard) {
        p.setPen(QPen(QColor(200, 70, 70), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 1.1, 32.2), QPointF(cx + 1.1, 32.2));
    }
}

// A hand coming out of a gold cuff.
void PaintHand(QPainter &p, QPointF at) {
    p.setPen(QPen(kGoldDark, 0.4));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(at.x() - 2.4, at.y() + 1.2, 4.8, 1.8), 0.8, 0.8);
    p.setPen(QPen(kOutline, 0.5));
    p.setBrush(kSkin);
    p.drawEllipse(at, 1.9, 1.6);
}

// ---- What sets the King apart: a sceptre, a white beard and a crown.

const QColor kKingHair(236, 232, 222);
const QPen kKingHairLine(QColor(140, 130, 120), 0.5);

void PaintSceptre(QPainter &p, const cCourtColours &) {
    p.setPen(QPen(kGoldDark, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, 46), QPointF(47, 24.5));
    p.setPen(QPen(kGold, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, 46), QPointF(47, 24.5));
    p.setPen(QPen(kGoldDark, 0.5));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(47, 22.6), 2.1, 2.1);
    p.setPen(QPen(kGoldDark, 0.7));
    p.drawLine(QPointF(47, 18.2), QPointF(47, 20.5));
    p.drawLine(QPointF(45.9, 19.2), QPointF(48.1, 19.2));
}

void PaintKingsHair(QPainter &p, const cCourtColours &) {
    DrawIn(p, SideLocks({5.2, 24}, {6.5, 27}, {6, 30}, {5.2, 31}, {4.4, 25}), kKingHairLine, kKingHair);
    p.drawPath(Band({5.1, 28.5}, {5.4, 35}, {3, 39.5}, 40.2, {4, 31.5}, {2.5, 30.8}, 31));
}

void PaintMoustacheAndCrown(QPainter &p, const cCourtColours &c) {
    const bool open = false;
    DrawIn(p, Band({4, 33}, {2.5, 32.3}, {1, 32.6}, 32.6, {3.5, 31.2}, {1.5, 30.4}, 31.2, open), kKingHairLine,
           kKingHair);

    const QPainterPath crown = Outline({{cx - 6.2, 24.2},
                                        {cx - 6.8, 15.8},
                                        {cx - 3.3, 19.6},
                                        {cx, 13.8},
                                        {cx + 3.3, 19.6},
                                        {cx + 6.8, 15.8},
                                        {cx + 6.2, 24.2}});
    QLinearGradient gold(cx - 7, 0, cx + 7, 0);
    gold.setColorAt(0, kGold.lighter(125));
    gold.setColorAt(1, kGold.darker(115));
    DrawIn(p, crown, QPen(kGoldDark, 0.6), gold);
    p.setBrush(kGold.lighter(120));
    for (QPointF tip : {QPointF(cx - 6.8, 15.4), QPointF(cx, 13.2), QPointF(cx + 6.8, 15.4)})
        p.drawEllipse(tip, 1.1, 1.1);
    p.setPen(QPen(kGoldDark, 0.5));
    p.drawLine(QPointF(cx - 6.3, 21.8), QPointF(cx + 6.3, 21.8));
    p.setPen(Qt::NoPen);
    p.setBrush(c.Jewel);
    p.drawEllipse(QPointF(cx, 23.0), 1.1, 0.8);
    p.drawEllipse(QPointF(cx - 3.6, 23.0), 0.7, 0.6);
    p.drawEllipse(QPointF(cx + 3.6, 23.0), 0.7, 0.6);
}

// ---- What sets the Queen apart: a rose, long auburn hair and a tiara.

const QColor kQueenHair(150, 82, 36);
const QPen kQueenHairLine(kQueenHair.darker(150), 0.5);

void PaintRoseAndLongHair(QPainter &p, const cCourtColours &) {
    p.setPen(QPen(QColor(40, 120, 50), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 45), QPointF(24.5, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    QPainterPath leaf;
    leaf.moveTo(24.3, 34);
    leaf.quadTo(20.5, 33.5, 20.5, 31);
    leaf.quadTo(23.5, 31.5, 24.3, 34);
    p.drawPath(leaf);
    p.setPen(QPen(kGoldDark, 0.4));
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 72.0 * i);
        p.drawEllipse(QPointF(24.5 + 1.9 * std::cos(a), 26.5 + 1.9 * std::sin(a)), 1.5, 1.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(24.5, 26.5), 1.2, 1.2);

    // The hair falls behind the shoulders.
    const QPainterPath hair = Outline({{cx, 21.3},
                                       {{cx - 7, 21.3}, {cx - 7.8, 27}, {cx - 7.6, 32}},
                                       {{cx - 7.5, 36}, {cx - 9, 39}, {cx - 10, 41}},
                                       {cx + 10, 41},
                                       {{cx + 9, 39}, {cx + 7.5, 36}, {cx + 7.6, 32}},
                                       {{cx + 7.8, 27}, {cx + 7, 21.3}, {cx, 21.3}}});
    p.save();
    p.translate(0, -kHeadLift);
    DrawIn(p, hair, kQueenHairLine, kQueenHair);
    p.restore();
}

void PaintQueensHair(QPainter &p, const cCourtColours &) {
    // Parted over the forehead.
    DrawIn(p, Band({5.3, 28}, {5.6, 23}, {3, 22.3}, 22.3, {4.5, 25.5}, {2.5, 24.6}, 24.2), kQueenHairLine, kQueenHair);
}

// A slim gold band with three points and a jewel.
void PaintTiara(QPainter &p, const cCourtColours &c) {
    const QPainterPath tiara = Outline({{cx - 6.0, 23.2},
                                        {{cx - 4, 21.2}, {cx + 4, 21.2}, {cx + 6.0, 23.2}},
                                        {cx + 6.0, 21.6},
                                        {cx + 3.6, 19.6},
                                        {cx + 2.2, 20.0},
                                        {cx, 16.6},
                                        {cx - 2.2, 20.0},
                                        {cx - 3.6, 19.6},
                                        {cx - 6.0, 21.6}});
    DrawIn(p, tiara, QPen(kGoldDark, 0.5), kGold);
    p.setPen(Qt::NoPen);
    p.setBrush(c.Jewel);
    p.drawEllipse(QPointF(cx, 20.4), 1.0, 1.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx - 3.6, 21.4), 0.55, 0.55);
    p.drawEllipse(QPointF(cx + 3.6, 21.4), 0.55, 0.55);
}

// ---- What sets the Jack apart: a halberd, short hair and a feathered cap.

void PaintHalberd(QPainter &p, const cCourtColours &) {
    p.setPen(QPen(QColor(120, 78, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23.5, 46), QPointF(23.5, 19.5));
    QPainterPath blade;
    blade.moveTo(23.5, 21);
    blade.cubicTo(20.5, 20.5, 19.3, 22.5, 19.3, 25);
    blade.cubicTo(20.5, 24.6, 22, 25.2, 23.5, 26.5);
    blade.closeSubpath();
    blade.moveTo(23.5, 17);
    blade.lineTo(24.6, 20.5);
    blade.lineTo(22.4, 20.5);
    blade.closeSubpath();
    DrawIn(p, blade, QPen(QColor(90, 96, 110), 0.5), QColor(200, 206, 216));
}

void PaintJacksHair(QPainter &p, const cCourtColours &) {
    const QColor hair(92, 58, 30);
    DrawIn(p, SideLocks({5.3, 24}, {6.3, 27}, {5.8, 29.5}, {4.8, 31}, {4.4, 25}), QPen(hair.darker(140), 0.4), hair);
}

void PaintCap(QPainter &p, const cCourtColours &c) {
    const QPainterPath feather = Outline({{cx + 4.5, 21},
                                          {{cx + 6.5, 17}, {cx + 9, 14.5}, {cx + 12.5, 13.2}},
                                          {{cx + 11, 16.5}, {cx + 8.5, 20}, {cx + 6, 22.5}}});
    DrawIn(p, feather, QPen(c.Jewel.darker(140), 0.4), c.Jewel.lighter(150));
    p.setPen(QPen(c.Jewel.darker(140), 0.5));
    p.drawLine(QPointF(cx + 5, 21.8), QPointF(cx + 12, 13.6));

    const QPainterPath cap = Outline({{cx - 6.4, 24.6},
                                      {{cx - 7.8, 17.5}, {cx + 0.5, 14.8}, {cx + 7.2, 18.6}},
                                      {{cx + 8.8, 19.6}, {cx + 7.4, 23}, {cx + 6.4, 24.6}}});
    DrawIn(p, cap, QPen(c.RobeDark.darker(160), 0.5), c.Robe);
    p.setPen(QPen(kGoldDark, 0.4));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(cx - 6.6, 22.4, 13.2, 2.4), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(c.Jewel);
    p.drawEllipse(QPointF(cx, 23.6), 0.8, 0.8);
}

// ---- The figure

using cPart = void (*)(QPainter &p, const cCourtColours &c);

struct cFigure {
    cPart Behind;   // what the figure holds, painted before the body
    cPart Hair;     // on the head, under the face's features
    cPart Headwear; // over the face
    bool Beard;     // hides the mouth
    bool Ermine;    // the king's collar
    QPointF Hand;   // where the hand holds what the figure holds
};

// The Jack, the Queen and the King.
const cFigure kFigures[3] = {
    {PaintHalberd, PaintJacksHair, PaintCap, false, false, QPointF(23.5, 41)},
    {PaintRoseAndLongHair, PaintQueensHair, PaintTiara, false, false, QPointF(24.4, 40.5)},
    {PaintSceptre, PaintKingsHair, PaintMoustacheAndCrown, true, true, QPointF(47, 41.5)},
};

void PaintFigure(QPainter &p, const cCourtColours &c, const cFigure &figure) {
    figure.Behind(p, c);
    PaintBody(p, c, figure.Ermine);
    p.save();
    p.translate(0, -kHeadLift);
    PaintHead(p);
    figure.Hair(p, c);
    PaintFaceFeatures(p, figure.Beard);
    figure.Headwear(p, c);
    p.restore();
    PaintHand(p, figure.Hand);
}

} // namespace

void PaintCourt(QPainter &p, int suit, int num, const QColor &ink) {
    const bool red = IsRedSuit(suit);
    cCourtColours c;
    c.Robe = red ? QColor(214, 30, 50) : QColor(44, 46, 58);
    c.RobeDark = red ? QColor(150, 12, 30) : QColor(14, 14, 20);
    c.Lining = red ? QColor(255, 236, 200) : QColor(232, 232, 240);
    c.Jewel = red ? QColor(40, 90, 200) : QColor(210, 30, 50);
    // The four-colour deck dresses the diamonds' and clubs' courts in their suit's colour.
    if (ink == kBlueInk)
        c = {QColor(30, 92, 214), QColor(14, 50, 140), QColor(255, 236, 200), QColor(210, 30, 50)};
    else if (ink == kGreenInk)
        c = {QColor(16, 128, 60), QColor(4, 74, 32), QColor(232, 240, 226), QColor(210, 30, 50)};

    // The panel starts below the corner index; the figures, drawn for a panel reaching up to
    // kOldTop, are shrunk towards the middle of the card to fit.
    constexpr qreal kOldTop = 7.5;
    constexpr qreal kTop = 15.5, kShrink = (kMidY - kTop) / (kMidY - kOldTop);
    constexpr qreal kLeft = kMidX - (kMidX - 15.5) * 0.9;
    const QRectF panel(kLeft, kTop, kW - 2 * kLeft, kH - 2 * kTop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(253, 248, 234));
    p.drawRect(panel);

    // The upper half is painted once and set down a second time turned about the middle, so
    // that the scaled figure reads exactly the same either way up.
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    QImage half(qMax(1, qRound(kW * dpr)), qMax(1, qRound(kMidY * dpr)), QImage::Format_ARGB32_Premultiplied);
    half.setDevicePixelRatio(dpr);
    half.fill(Qt::transparent);
    {
        QPainter h(&half);
        h.setRenderHint(QPainter::Antialiasing);
        h.setClipRect(QRectF(panel.left(), panel.top(), panel.width(), kMidY - panel.top()));
        h.save();
        h.translate(kMidX, kMidY);
        h.scale(kShrink, kShrink);
        h.translate(-kMidX, -kMidY);
        PaintFigure(h, c, kFigures[num - 10]);
        h.restore();
        // The suit and the rank in the panel's upper corners.
        FillShape(h, Shapes().Suit[suit], QPointF(panel.left() + 4.5, panel.top() + 4.5), 5.5, false, ink);
        h.fillPath(SetText(Lettering().Rank[num], panel.right() - 4.5, panel.top() + 7.3, 5.5, 6.5), ink);
    }
    BothWaysUp(p, [&] { p.drawImage(QPointF(0, 0), half); });

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.0));
    p.drawLine(QPointF(panel.left() + 1, kMidY), QPointF(panel.right() - 1, kMidY));
    p.setPen(QPen(kGold, 0.8));
    p.drawRect(panel.adjusted(1.4, 1.4, -1.4, -1.4));
    p.setPen(QPen(ink, 1.0));
    p.drawRect(panel);
}

} // namespace tabloo::mArt
