// Every picture is painted in logical card coordinates (71 x 96) on an image that carries the
// device pixel ratio, so QPainter scales the vector drawing to the physical pixels itself.
#include "cCardArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>
#include <vector>

namespace tabloo {

namespace {

constexpr qreal kW = cCardArt::kWidth;
constexpr qreal kH = cCardArt::kHeight;
constexpr qreal kMidX = kW / 2.0;
constexpr qreal kMidY = kH / 2.0;
constexpr qreal kCornerRadius = 4.5;

const QColor kRedInk(204, 18, 42);
const QColor kBlackInk(24, 24, 28);
const QColor kGold(222, 172, 48);
const QColor kGoldDark(150, 104, 16);
const QColor kSkin(248, 219, 186);
const QColor kOutline(70, 44, 30);
const QColor kChalk(255, 255, 255, 200);

bool IsRedSuit(int suit) { return suit == 0 || suit == 2; }

// ---------------------------------------------------------------------------------------------
// Shapes in a unit box centred on the origin (x and y from -0.5 to 0.5, y pointing down).

QPainterPath HeartShape() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.12, 0.3, -0.5, 0.12, -0.5, -0.2);
    p.cubicTo(-0.5, -0.38, -0.38, -0.5, -0.25, -0.5);
    p.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
    p.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
    p.cubicTo(0.38, -0.5, 0.5, -0.38, 0.5, -0.2);
    p.cubicTo(0.5, 0.12, 0.12, 0.3, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath SpadeShape() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.3, 0.46, -0.14, 0.46, 0.1);
    p.cubicTo(0.46, 0.26, 0.35, 0.35, 0.23, 0.35);
    p.cubicTo(0.13, 0.35, 0.06, 0.3, 0.03, 0.24);
    p.cubicTo(0.04, 0.36, 0.1, 0.46, 0.2, 0.5);
    p.lineTo(-0.2, 0.5);
    p.cubicTo(-0.1, 0.46, -0.04, 0.36, -0.03, 0.24);
    p.cubicTo(-0.06, 0.3, -0.13, 0.35, -0.23, 0.35);
    p.cubicTo(-0.35, 0.35, -0.46, 0.26, -0.46, 0.1);
    p.cubicTo(-0.46, -0.14, -0.12, -0.3, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath DiamondShape() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.2, -0.2, 0.4, 0);
    p.quadTo(0.2, 0.2, 0, 0.5);
    p.quadTo(-0.2, 0.2, -0.4, 0);
    p.quadTo(-0.2, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

// Path set operations flatten curves at a fixed tolerance in path units, so shapes that need
// them are built large and scaled down afterwards.
constexpr qreal kBuildScale = 1000.0;

QPainterPath ClubShape() {
    constexpr qreal k = kBuildScale, r = 0.22 * k;
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    leaves.addEllipse(QPointF(0, -0.5 * k + r), r, r);
    leaves.addEllipse(QPointF(-0.5 * k + r + 0.01 * k, 0.06 * k), r, r);
    leaves.addEllipse(QPointF(0.5 * k - r - 0.01 * k, 0.06 * k), r, r);
    leaves.addEllipse(QPointF(0, 0.02 * k), 0.16 * k, 0.16 * k);
    QPainterPath stem;
    stem.moveTo(-0.04 * k, 0.0);
    stem.lineTo(0.04 * k, 0.0);
    stem.cubicTo(0.045 * k, 0.3 * k, 0.1 * k, 0.44 * k, 0.2 * k, 0.5 * k);
    stem.lineTo(-0.2 * k, 0.5 * k);
    stem.cubicTo(-0.1 * k, 0.44 * k, -0.045 * k, 0.3 * k, -0.04 * k, 0.0);
    stem.closeSubpath();
    return QTransform::fromScale(1 / k, 1 / k).map(leaves.united(stem));
}

// A five-pointed star of outer radius 0.5.
QPainterPath StarShape() {
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal r = (i % 2 == 0) ? 0.5 : 0.2;
        const QPointF pt(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

// ---------------------------------------------------------------------------------------------
// Lettering: outlines of DejaVu Sans Bold, scaled so that a capital is 1 tall, baseline at y 0.

QPainterPath TextOutline(const QString &text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(200);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

struct cLettering {
    std::array<QPainterPath, 13> Rank;
    QPainterPath Redeal, Refill, Stop;
};

const cLettering &Lettering() {
    static const cLettering lettering = [] {
        cLettering l;
        const qreal cap = -TextOutline(QStringLiteral("H")).boundingRect().top();
        const QTransform norm = QTransform::fromScale(1.0 / cap, 1.0 / cap);
        static const char *const names[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        for (int i = 0; i < 13; ++i) {
            if (i == 9) {
                // The two digits of the ten set close together, so that it fits the index column.
                QPainterPath one = TextOutline(QStringLiteral("1"));
                QPainterPath zero = TextOutline(QStringLiteral("0"));
                const qreal gap = 0.04 * cap;
                zero.translate(one.boundingRect().right() + gap - zero.boundingRect().left(), 0);
                one.addPath(zero);
                l.Rank[i] = norm.map(one);
            } else {
                l.Rank[i] = norm.map(TextOutline(QString::fromLatin1(names[i])));
            }
        }
        l.Redeal = norm.map(TextOutline(QStringLiteral("Redeal")));
        l.Refill = norm.map(TextOutline(QStringLiteral("Refill")));
        l.Stop = norm.map(TextOutline(QStringLiteral("STOP")));
        return l;
    }();
    return lettering;
}

struct cShapes {
    std::array<QPainterPath, 4> Suit; // hearts, spades, diamonds, clubs
    QPainterPath Star;
};

const cShapes &Shapes() {
    static const cShapes shapes = [] {
        cShapes s;
        s.Suit = {HeartShape(), SpadeShape(), DiamondShape(), ClubShape()};
        s.Star = StarShape();
        return s;
    }();
    return shapes;
}

// A lettering outline with capitals capHeight tall, centred on centreX, sitting on baseline,
// narrowed when it would be wider than maxWidth.
QPainterPath SetText(const QPainterPath &unit, qreal centreX, qreal baseline, qreal capHeight, qreal maxWidth) {
    const QRectF b = unit.boundingRect();
    qreal sx = capHeight;
    if (b.width() * sx > maxWidth)
        sx = maxWidth / b.width();
    QTransform t;
    t.translate(centreX - b.center().x() * sx, baseline);
    t.scale(sx, capHeight);
    return t.map(unit);
}

void FillShape(QPainter &p, const QPainterPath &unit, QPointF centre, qreal size, bool upsideDown,
               const QBrush &brush) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (upsideDown)
        t.rotate(180);
    t.scale(size, size);
    p.fillPath(t.map(unit), brush);
}

// Turns the painter half a turn about the middle of the card.
void TurnAbout(QPainter &p) {
    p.translate(kW, kH);
    p.rotate(180);
}

QPainterPath CardShape(qreal inset) {
    QPainterPath p;
    p.addRoundedRect(QRectF(inset, inset, kW - 2 * inset, kH - 2 * inset), kCornerRadius - inset,
                     kCornerRadius - inset);
    return p;
}

// ---------------------------------------------------------------------------------------------
// Faces

// The pip height of the pip cards; diamonds are slimmer and get a little more height.
qreal PipSize(int suit) { return suit == 2 ? 13.5 : 12.0; }

void PaintPips(QPainter &p, int suit, int num, const QColor &ink) {
    constexpr qreal left = 23.5, centre = kMidX, right = kW - 23.5;
    // The top row stays clear of the corner index, which runs across the top edge.
    constexpr qreal top = 21.5, bottom = kH - 21.5, mid = kMidY;
    constexpr qreal q1 = top + (bottom - top) / 3.0, q2 = top + 2.0 * (bottom - top) / 3.0;
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
        FillShape(p, shape, pip, PipSize(suit), pip.y() > mid + 0.1, ink);
}

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

// ---- court cards

struct cCourtColours {
    QColor Ink, Robe, RobeDark, Lining, Jewel;
};

QPainterPath Robe() {
    QPainterPath robe;
    robe.moveTo(19.5, 49);
    robe.lineTo(19.5, 41.5);
    robe.cubicTo(19.5, 37.5, 23.5, 35.3, 30, 34.8);
    robe.lineTo(41, 34.8);
    robe.cubicTo(47.5, 35.3, 51.5, 37.5, 51.5, 41.5);
    robe.lineTo(51.5, 49);
    robe.closeSubpath();
    return robe;
}

void PaintBody(QPainter &p, const cCourtColours &c, int num) {
    constexpr qreal cx = kMidX;
    // The robe with a lining showing at the neck and a gold hem along the opening.
    QLinearGradient robeFill(19.5, 0, 51.5, 0);
    robeFill.setColorAt(0, c.RobeDark);
    robeFill.setColorAt(0.35, c.Robe);
    robeFill.setColorAt(0.65, c.Robe);
    robeFill.setColorAt(1, c.RobeDark);
    p.setPen(QPen(c.RobeDark.darker(160), 0.6));
    p.setBrush(robeFill);
    p.drawPath(Robe());

    QPainterPath vee;
    vee.moveTo(30.5, 34.8);
    vee.lineTo(cx, 43);
    vee.lineTo(40.5, 34.8);
    vee.closeSubpath();
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

    if (num == 12) {
        // The king's ermine collar.
        QPainterPath collar;
        collar.moveTo(20.3, 42);
        collar.cubicTo(21, 37.8, 25, 35.5, 30.5, 34.8);
        collar.lineTo(40.5, 34.8);
        collar.cubicTo(46, 35.5, 50, 37.8, 50.7, 42);
        collar.lineTo(47, 41);
        collar.cubicTo(45.5, 39, 43.5, 38.4, 40, 38.4);
        collar.lineTo(31, 38.4);
        collar.cubicTo(27.5, 38.4, 25.5, 39, 24, 41);
        collar.closeSubpath();
        p.setPen(QPen(QColor(150, 150, 150), 0.4));
        p.setBrush(QColor(250, 250, 246));
        p.drawPath(collar);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlackInk);
        for (QPointF tail : {QPointF(22.6, 39.6), QPointF(27, 37.2), QPointF(44, 37.2), QPointF(48.4, 39.6)})
            p.drawEllipse(tail, 0.55, 0.9);
    } else {
        // Gold shoulder trim.
        QPainterPath trim;
        trim.moveTo(20.2, 44);
        trim.lineTo(20.2, 41.5);
        trim.cubicTo(20.2, 38, 24, 36, 30.5, 35.5);
        trim.moveTo(50.8, 44);
        trim.lineTo(50.8, 41.5);
        trim.cubicTo(50.8, 38, 47, 36, 40.5, 35.5);
        p.setPen(QPen(kGold, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trim);
    }
}

// The heads sit a little higher than drawn below, leaving the robes room.
constexpr qreal kHeadLift = 1.8;

void PaintHead(QPainter &p) {
    constexpr qreal cx = kMidX;
    p.setPen(QPen(kOutline, 0.5));
    p.setBrush(kSkin);
    p.drawRect(QRectF(cx - 2, 32, 4, 5.5));
    p.drawEllipse(QPointF(cx, 28.5), 5.0, 6.0);
}

void PaintFaceFeatures(QPainter &p, bool beard) {
    constexpr qreal cx = kMidX;
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

void PaintKing(QPainter &p, const cCourtColours &c) {
    constexpr qreal cx = kMidX;
    // Sceptre, held to the right.
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

    PaintBody(p, c, 12);
    p.save();
    p.translate(0, -kHeadLift);
    PaintHead(p);

    // Hair and a full beard.
    const QColor beardColour(236, 232, 222);
    QPainterPath hair;
    hair.moveTo(cx - 5.2, 24);
    hair.cubicTo(cx - 6.5, 27, cx - 6, 30, cx - 5.2, 31);
    hair.lineTo(cx - 4.4, 25);
    hair.closeSubpath();
    hair.moveTo(cx + 5.2, 24);
    hair.cubicTo(cx + 6.5, 27, cx + 6, 30, cx + 5.2, 31);
    hair.lineTo(cx + 4.4, 25);
    hair.closeSubpath();
    QPainterPath beard;
    beard.moveTo(cx - 5.1, 28.5);
    beard.cubicTo(cx - 5.4, 35, cx - 3, 39.5, cx, 40.2);
    beard.cubicTo(cx + 3, 39.5, cx + 5.4, 35, cx + 5.1, 28.5);
    beard.cubicTo(cx + 4, 31.5, cx + 2.5, 30.8, cx, 31);
    beard.cubicTo(cx - 2.5, 30.8, cx - 4, 31.5, cx - 5.1, 28.5);
    beard.closeSubpath();
    p.setPen(QPen(QColor(140, 130, 120), 0.5));
    p.setBrush(beardColour);
    p.drawPath(hair);
    p.drawPath(beard);
    PaintFaceFeatures(p, true);
    p.setPen(QPen(QColor(140, 130, 120), 0.5));
    p.setBrush(beardColour);
    QPainterPath moustache;
    moustache.moveTo(cx, 31.2);
    moustache.cubicTo(cx - 1.5, 30.4, cx - 3.5, 31.2, cx - 4, 33);
    moustache.cubicTo(cx - 2.5, 32.3, cx - 1, 32.6, cx, 32.6);
    moustache.cubicTo(cx + 1, 32.6, cx + 2.5, 32.3, cx + 4, 33);
    moustache.cubicTo(cx + 3.5, 31.2, cx + 1.5, 30.4, cx, 31.2);
    p.drawPath(moustache);

    // The crown.
    QPainterPath crown;
    crown.moveTo(cx - 6.2, 24.2);
    crown.lineTo(cx - 6.8, 15.8);
    crown.lineTo(cx - 3.3, 19.6);
    crown.lineTo(cx, 13.8);
    crown.lineTo(cx + 3.3, 19.6);
    crown.lineTo(cx + 6.8, 15.8);
    crown.lineTo(cx + 6.2, 24.2);
    crown.closeSubpath();
    QLinearGradient gold(cx - 7, 0, cx + 7, 0);
    gold.setColorAt(0, kGold.lighter(125));
    gold.setColorAt(1, kGold.darker(115));
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(gold);
    p.drawPath(crown);
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

    p.restore();

    // The hand on the sceptre.
    PaintHand(p, QPointF(47, 41.5));
}

void PaintQueen(QPainter &p, const cCourtColours &c) {
    constexpr qreal cx = kMidX;
    // A rose, held to the left.
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

    // Long hair behind the head.
    const QColor hairColour(150, 82, 36);
    QPainterPath hair;
    hair.moveTo(cx, 21.3);
    hair.cubicTo(cx - 7, 21.3, cx - 7.8, 27, cx - 7.6, 32);
    hair.cubicTo(cx - 7.5, 36, cx - 9, 39, cx - 10, 41);
    hair.lineTo(cx + 10, 41);
    hair.cubicTo(cx + 9, 39, cx + 7.5, 36, cx + 7.6, 32);
    hair.cubicTo(cx + 7.8, 27, cx + 7, 21.3, cx, 21.3);
    hair.closeSubpath();
    p.save();
    p.translate(0, -kHeadLift);
    p.setPen(QPen(hairColour.darker(150), 0.5));
    p.setBrush(hairColour);
    p.drawPath(hair);
    p.restore();

    PaintBody(p, c, 11);
    p.save();
    p.translate(0, -kHeadLift);
    PaintHead(p);
    // Hair parted over the forehead.
    QPainterPath fringe;
    fringe.moveTo(cx - 5.3, 28);
    fringe.cubicTo(cx - 5.6, 23, cx - 3, 22.3, cx, 22.3);
    fringe.cubicTo(cx + 3, 22.3, cx + 5.6, 23, cx + 5.3, 28);
    fringe.cubicTo(cx + 4.5, 25.5, cx + 2.5, 24.6, cx, 24.2);
    fringe.cubicTo(cx - 2.5, 24.6, cx - 4.5, 25.5, cx - 5.3, 28);
    fringe.closeSubpath();
    p.setPen(QPen(hairColour.darker(150), 0.5));
    p.setBrush(hairColour);
    p.drawPath(fringe);
    PaintFaceFeatures(p, false);

    // The tiara: a slim gold band with three points and a jewel.
    QPainterPath tiara;
    tiara.moveTo(cx - 6.0, 23.2);
    tiara.cubicTo(cx - 4, 21.2, cx + 4, 21.2, cx + 6.0, 23.2);
    tiara.lineTo(cx + 6.0, 21.6);
    tiara.lineTo(cx + 3.6, 19.6);
    tiara.lineTo(cx + 2.2, 20.0);
    tiara.lineTo(cx, 16.6);
    tiara.lineTo(cx - 2.2, 20.0);
    tiara.lineTo(cx - 3.6, 19.6);
    tiara.lineTo(cx - 6.0, 21.6);
    tiara.closeSubpath();
    p.setPen(QPen(kGoldDark, 0.5));
    p.setBrush(kGold);
    p.drawPath(tiara);
    p.setPen(Qt::NoPen);
    p.setBrush(c.Jewel);
    p.drawEllipse(QPointF(cx, 20.4), 1.0, 1.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx - 3.6, 21.4), 0.55, 0.55);
    p.drawEllipse(QPointF(cx + 3.6, 21.4), 0.55, 0.55);

    p.restore();

    // The hand with the rose.
    PaintHand(p, QPointF(24.4, 40.5));
}

void PaintJack(QPainter &p, const cCourtColours &c) {
    constexpr qreal cx = kMidX;
    // A halberd, held to the left.
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
    p.setPen(QPen(QColor(90, 96, 110), 0.5));
    p.setBrush(QColor(200, 206, 216));
    p.drawPath(blade);

    PaintBody(p, c, 10);
    p.save();
    p.translate(0, -kHeadLift);
    PaintHead(p);
    // Short hair at the sides.
    const QColor hairColour(92, 58, 30);
    QPainterPath hair;
    hair.moveTo(cx - 5.3, 24);
    hair.cubicTo(cx - 6.3, 27, cx - 5.8, 29.5, cx - 4.8, 31);
    hair.lineTo(cx - 4.4, 25);
    hair.closeSubpath();
    hair.moveTo(cx + 5.3, 24);
    hair.cubicTo(cx + 6.3, 27, cx + 5.8, 29.5, cx + 4.8, 31);
    hair.lineTo(cx + 4.4, 25);
    hair.closeSubpath();
    p.setPen(QPen(hairColour.darker(140), 0.4));
    p.setBrush(hairColour);
    p.drawPath(hair);
    PaintFaceFeatures(p, false);

    // A feather in a soft cap with a gold band.
    QPainterPath feather;
    feather.moveTo(cx + 4.5, 21);
    feather.cubicTo(cx + 6.5, 17, cx + 9, 14.5, cx + 12.5, 13.2);
    feather.cubicTo(cx + 11, 16.5, cx + 8.5, 20, cx + 6, 22.5);
    feather.closeSubpath();
    p.setPen(QPen(c.Jewel.darker(140), 0.4));
    p.setBrush(c.Jewel.lighter(150));
    p.drawPath(feather);
    p.setPen(QPen(c.Jewel.darker(140), 0.5));
    p.drawLine(QPointF(cx + 5, 21.8), QPointF(cx + 12, 13.6));

    QPainterPath cap;
    cap.moveTo(cx - 6.4, 24.6);
    cap.cubicTo(cx - 7.8, 17.5, cx + 0.5, 14.8, cx + 7.2, 18.6);
    cap.cubicTo(cx + 8.8, 19.6, cx + 7.4, 23, cx + 6.4, 24.6);
    cap.closeSubpath();
    p.setPen(QPen(c.RobeDark.darker(160), 0.5));
    p.setBrush(c.Robe);
    p.drawPath(cap);
    p.setPen(QPen(kGoldDark, 0.4));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(cx - 6.6, 22.4, 13.2, 2.4), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(c.Jewel);
    p.drawEllipse(QPointF(cx, 23.6), 0.8, 0.8);

    p.restore();

    // The hand on the shaft.
    PaintHand(p, QPointF(23.5, 41));
}

void PaintCourt(QPainter &p, int suit, int num, const QColor &ink) {
    const bool red = IsRedSuit(suit);
    cCourtColours c;
    c.Ink = ink;
    c.Robe = red ? QColor(214, 30, 50) : QColor(44, 46, 58);
    c.RobeDark = red ? QColor(150, 12, 30) : QColor(14, 14, 20);
    c.Lining = red ? QColor(255, 236, 200) : QColor(232, 232, 240);
    c.Jewel = red ? QColor(40, 90, 200) : QColor(210, 30, 50);

    // The panel starts below the corner index; the figures, drawn for a panel reaching up to
    // kOldTop, are shrunk towards the middle of the card to fit.
    constexpr qreal kOldTop = 7.5;
    constexpr qreal kTop = 15.5, kShrink = (kMidY - kTop) / (kMidY - kOldTop);
    constexpr qreal kLeft = kMidX - (kMidX - 15.5) * 0.9;
    const QRectF panel(kLeft, kTop, kW - 2 * kLeft, kH - 2 * kTop);
    const qreal shrink = kShrink;
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
        h.scale(shrink, shrink);
        h.translate(-kMidX, -kMidY);
        switch (num) {
        case 10:
            PaintJack(h, c);
            break;
        case 11:
            PaintQueen(h, c);
            break;
        default:
            PaintKing(h, c);
            break;
        }
        h.restore();
        // The suit and the rank in the panel's upper corners.
        FillShape(h, Shapes().Suit[suit], QPointF(panel.left() + 4.5, panel.top() + 4.5), 5.5, false, ink);
        h.fillPath(SetText(Lettering().Rank[num], panel.right() - 4.5, panel.top() + 7.3, 5.5, 6.5), ink);
    }
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1)
            TurnAbout(p);
        p.drawImage(QPointF(0, 0), half);
        p.restore();
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.0));
    p.drawLine(QPointF(panel.left() + 1, kMidY), QPointF(panel.right() - 1, kMidY));
    p.setPen(QPen(kGold, 0.8));
    p.drawRect(panel.adjusted(1.4, 1.4, -1.4, -1.4));
    p.setPen(QPen(ink, 1.0));
    p.drawRect(panel);
}

void PaintIndex(QPainter &p, int suit, int num, const QColor &ink) {
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1)
            TurnAbout(p);
        // Rank and suit side by side along the top edge, so that both still show on a card
        // that the next one in a fanned pile covers all but a strip of.
        p.fillPath(SetText(Lettering().Rank[num], 8.0, 13.0, 10.5, 12.0), ink);
        FillShape(p, Shapes().Suit[suit], QPointF(19.0, 9.5), suit == 2 ? 9.0 : 8.0, false, ink);
        p.restore();
    }
}

void PaintFace(QPainter &p, int suit, int num) {
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(Qt::white);
    p.drawPath(CardShape(0.5));
    const QColor ink = IsRedSuit(suit) ? kRedInk : kBlackInk;
    if (num == 0)
        PaintAce(p, suit, ink);
    else if (num <= 9)
        PaintPips(p, suit, num, ink);
    else
        PaintCourt(p, suit, num, ink);
    PaintIndex(p, suit, num, ink);
}

// ---------------------------------------------------------------------------------------------
// Backs: a pattern or a small picture inside a white or cream frame.

// A small deterministic generator for scattering stars.
struct cScatter {
    quint32 State;
    qreal Next() {
        State = State * 1664525u + 1013904223u;
        return (State >> 8) / qreal(1 << 24);
    }
};

void BackLattice(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(26, 70, 140));
    const qreal step = 7.0;
    const QPointF c = r.center();
    p.setPen(QPen(QColor(130, 176, 230), 1.6));
    for (int n = -20; n <= 20; ++n) {
        const qreal d = n * step;
        p.drawLine(c + QPointF(d - 60, -60), c + QPointF(d + 60, 60));
        p.drawLine(c + QPointF(d + 60, -60), c + QPointF(d - 60, 60));
    }
    p.setPen(QPen(QColor(26, 70, 140), 0.5));
    for (int n = -20; n <= 20; ++n) {
        const qreal d = n * step;
        p.drawLine(c + QPointF(d - 60, -60), c + QPointF(d + 60, 60));
        p.drawLine(c + QPointF(d + 60, -60), c + QPointF(d - 60, 60));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 248, 255));
    for (int i = -12; i <= 12; ++i)
        for (int j = -14; j <= 14; ++j)
            if ((i + j) % 2 == 0)
                p.drawEllipse(c + QPointF(i * step / 2, j * step / 2), 1.0, 1.0);
}

void BackChecks(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(255, 253, 248));
    const QColor band(196, 26, 44, 115);
    const qreal step = 7.0, w = 3.5;
    const QPointF c = r.center();
    for (int n = -10; n <= 10; ++n) {
        p.fillRect(QRectF(c.x() + n * step - w / 2, r.top(), w, r.height()), band);
        p.fillRect(QRectF(r.left(), c.y() + n * step - w / 2, r.width(), w), band);
    }
}

void BackWaves(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(10, 78, 98));
    const QPointF c = r.center();
    const qreal step = 5.5;
    for (int n = -9; n <= 9; ++n) {
        QPainterPath wave;
        const qreal y0 = c.y() + n * step;
        for (qreal x = r.left() - 2; x <= r.right() + 2; x += 1.0) {
            const qreal y = y0 + 1.7 * std::sin((x - c.x()) * 2 * M_PI / 14.0);
            if (x == r.left() - 2)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        p.setPen(QPen(n % 2 == 0 ? QColor(232, 250, 248) : QColor(90, 190, 200), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
}

void BackHarlequin(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(18, 96, 56));
    const QPointF c = r.center();
    const qreal w = r.width() / 6.0, h = r.height() / 6.0;
    QPainterPath cell;
    cell.moveTo(0, -h / 2);
    cell.lineTo(w / 2, 0);
    cell.lineTo(0, h / 2);
    cell.lineTo(-w / 2, 0);
    cell.closeSubpath();
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            const QPointF at = c + QPointF(i * w, j * h);
            p.fillPath(cell.translated(at), QColor(44, 148, 86));
        }
    p.setPen(QPen(QColor(232, 196, 90), 0.7));
    for (int m = -15; m <= 15; m += 2) {
        // The edges lie on the lines 2x/w + 2y/h = m and 2x/w - 2y/h = m.
        const qreal y1 = -60, y2 = 60;
        p.drawLine(c + QPointF(w / 2 * (m - 2 * y1 / h), y1), c + QPointF(w / 2 * (m - 2 * y2 / h), y2));
        p.drawLine(c + QPointF(w / 2 * (m + 2 * y1 / h), y1), c + QPointF(w / 2 * (m + 2 * y2 / h), y2));
    }
}

void BackStripes(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(108, 22, 48));
    p.save();
    p.translate(r.center());
    p.rotate(-45);
    for (int n = -12; n <= 12; ++n) {
        p.fillRect(QRectF(n * 8.0 - 2.2, -70, 4.4, 140), QColor(176, 58, 92));
        p.fillRect(QRectF(n * 8.0 + 3.6, -70, 0.8, 140), QColor(236, 196, 100));
    }
    p.restore();
}

void BackDots(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(30, 48, 116));
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    for (int j = -9; j <= 9; ++j)
        for (int i = -6; i <= 6; ++i) {
            const bool odd = (j % 2) != 0;
            const QPointF at = c + QPointF(i * 7.0 + (odd ? 3.5 : 0.0), j * 6.0);
            p.setBrush(odd ? QColor(250, 226, 120) : QColor(245, 248, 255));
            p.drawEllipse(at, 1.8, 1.8);
        }
}

void BackScales(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(70, 30, 110));
    const QPointF c = r.center();
    const qreal rad = 4.4;
    p.setPen(QPen(QColor(214, 186, 240), 0.8));
    for (int j = 12; j >= -12; --j)
        for (int i = -5; i <= 5; ++i) {
            const QPointF at = c + QPointF(i * 8.0 + ((j % 2) != 0 ? 4.0 : 0.0), j * 4.4);
            QRadialGradient g(at + QPointF(0, 1.5), rad);
            g.setColorAt(0, QColor(150, 96, 200));
            g.setColorAt(1, QColor(92, 46, 140));
            p.setBrush(g);
            p.drawEllipse(at, rad, rad);
        }
}

void BackRosette(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(14, 48, 96));
    const QPointF c = r.center();
    p.setPen(QPen(QColor(60, 110, 170), 0.6));
    for (int i = 0; i < 48; ++i) {
        const qreal a = qDegreesToRadians(7.5 * i);
        p.drawLine(c, c + QPointF(80 * std::cos(a), 80 * std::sin(a)));
    }
    auto rosette = [&](QPointF at, qreal size, int petals) {
        p.setPen(QPen(kGoldDark, 0.5));
        p.setBrush(QColor(14, 48, 96));
        p.drawEllipse(at, size, size);
        p.setBrush(QColor(240, 200, 96, 200));
        for (int i = 0; i < petals; ++i) {
            p.save();
            p.translate(at);
            p.rotate(360.0 / petals * i);
            p.drawEllipse(QPointF(size * 0.48, 0), size * 0.46, size * 0.15);
            p.restore();
        }
        p.setBrush(QColor(250, 236, 180));
        p.drawEllipse(at, size * 0.18, size * 0.18);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 200, 96), 0.8));
        p.drawEllipse(at, size * 1.12, size * 1.12);
    };
    rosette(c, 20, 16);
    for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        rosette(corner, 12, 12);
}

void BackBasket(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(84, 50, 22));
    const QPointF c = r.center();
    const qreal cell = 9.0, strip = cell / 3.0;
    for (int i = -5; i <= 5; ++i)
        for (int j = -6; j <= 6; ++j) {
            const QRectF box(c.x() + i * cell - cell / 2, c.y() + j * cell - cell / 2, cell, cell);
            const bool across = ((i + j) % 2) == 0;
            for (int k = 0; k < 3; ++k) {
                QRectF s = across ? QRectF(box.left() + 0.3, box.top() + k * strip + 0.35, cell - 0.6, strip - 0.7)
                                  : QRectF(box.left() + k * strip + 0.35, box.top() + 0.3, strip - 0.7, cell - 0.6);
                QLinearGradient g(s.topLeft(), across ? s.bottomLeft() : s.topRight());
                g.setColorAt(0, QColor(226, 180, 112));
                g.setColorAt(1, QColor(176, 120, 60));
                p.fillRect(s, g);
            }
        }
}

void BackHoneycomb(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(140, 80, 8));
    const QPointF c = r.center();
    const qreal rad = 5.2, dx = std::sqrt(3.0) * rad, dy = 1.5 * rad;
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(30.0 + 60.0 * i);
        hex << QPointF((rad - 0.8) * std::cos(a), (rad - 0.8) * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    for (int j = -10; j <= 10; ++j)
        for (int i = -6; i <= 6; ++i) {
            const QPointF at = c + QPointF(i * dx + ((j % 2) != 0 ? dx / 2 : 0.0), j * dy);
            QRadialGradient g(at + QPointF(-1.2, -1.5), rad * 1.2);
            g.setColorAt(0, QColor(255, 214, 100));
            g.setColorAt(1, QColor(236, 160, 30));
            p.setBrush(g);
            p.drawPolygon(hex.translated(at));
        }
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor &a, const QColor &b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void Cloud(QPainter &p, QPointF at, qreal s, const QColor &colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, 5.0 * s, 2.6 * s);
    p.drawEllipse(at + QPointF(-3.6 * s, 0.8 * s), 3.2 * s, 1.9 * s);
    p.drawEllipse(at + QPointF(3.8 * s, 0.9 * s), 3.4 * s, 1.8 * s);
    p.drawEllipse(at + QPointF(-0.8 * s, -1.8 * s), 2.8 * s, 2.2 * s);
}

void BackSunset(QPainter &p, const QRectF &r) {
    const qreal horizon = 60;
    QLinearGradient sky(0, r.top(), 0, horizon);
    sky.setColorAt(0.0, QColor(44, 32, 96));
    sky.setColorAt(0.45, QColor(196, 70, 96));
    sky.setColorAt(0.8, QColor(246, 136, 70));
    sky.setColorAt(1.0, QColor(255, 200, 110));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), sky);
    QRadialGradient sun(QPointF(kMidX, horizon), 15);
    sun.setColorAt(0, QColor(255, 246, 176));
    sun.setColorAt(1, QColor(255, 196, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(kMidX, horizon + 1), 14, 14);
    // Streaks of cloud across the sun.
    p.setBrush(QColor(150, 60, 100, 200));
    p.drawRoundedRect(QRectF(14, 43, 30, 2.2), 1.1, 1.1);
    p.drawRoundedRect(QRectF(34, 49, 28, 1.8), 0.9, 0.9);
    p.drawRoundedRect(QRectF(8, 30, 22, 1.6), 0.8, 0.8);
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon),
               Vertical(horizon, r.bottom(), QColor(84, 46, 110), QColor(24, 18, 60)));
    // The sun's path on the water.
    for (int k = 0; k < 9; ++k) {
        const qreal y = horizon + 2.5 + k * 3.3, half = 13.0 - k * 1.3;
        p.setBrush(QColor(255, 206, 120, 220 - k * 20));
        p.drawRoundedRect(QRectF(kMidX - half, y, 2 * half, 1.2), 0.6, 0.6);
    }
    // Two birds.
    p.setPen(QPen(QColor(40, 20, 50), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF b : {QPointF(20, 21), QPointF(28, 16)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-3, -0.5));
        bird.quadTo(b + QPointF(-1.5, -1.8), b);
        bird.quadTo(b + QPointF(1.5, -1.8), b + QPointF(3, -0.5));
        p.drawPath(bird);
    }
}

void BackMountains(QPainter &p, const QRectF &r) {
    p.fillRect(r, Vertical(r.top(), 64, QColor(84, 150, 218), QColor(214, 236, 250)));
    Cloud(p, QPointF(52, 16), 1.0, QColor(255, 255, 255, 230));
    Cloud(p, QPointF(16, 24), 0.7, QColor(255, 255, 255, 200));
    p.setPen(Qt::NoPen);
    // The far range.
    QPainterPath far;
    far.moveTo(r.left(), 66);
    far.lineTo(r.left(), 50);
    far.lineTo(12, 44);
    far.lineTo(20, 50);
    far.lineTo(46, 34);
    far.lineTo(58, 44);
    far.lineTo(64, 40);
    far.lineTo(r.right(), 44);
    far.lineTo(r.right(), 66);
    far.closeSubpath();
    p.setBrush(QColor(150, 170, 200));
    p.drawPath(far);
    p.setBrush(QColor(244, 248, 255));
    QPainterPath farSnow;
    farSnow.moveTo(46, 34);
    farSnow.lineTo(51.5, 37.4);
    farSnow.lineTo(49, 38.5);
    farSnow.lineTo(46.5, 37);
    farSnow.lineTo(43.5, 38.6);
    farSnow.lineTo(41.2, 37);
    farSnow.closeSubpath();
    p.drawPath(farSnow);
    // The near peak, lit from the left.
    QPainterPath near;
    near.moveTo(r.left() - 2, 74);
    near.lineTo(26, 27);
    near.lineTo(56, 74);
    near.closeSubpath();
    p.setBrush(QColor(76, 92, 126));
    p.drawPath(near);
    QPainterPath shade;
    shade.moveTo(26, 27);
    shade.lineTo(56, 74);
    shade.lineTo(30, 74);
    shade.closeSubpath();
    p.setBrush(QColor(56, 68, 98));
    p.drawPath(shade);
    QPainterPath snow;
    snow.moveTo(26, 27);
    snow.lineTo(32.6, 38);
    snow.lineTo(29.8, 36.4);
    snow.lineTo(27.4, 39.4);
    snow.lineTo(24.6, 36.2);
    snow.lineTo(21.6, 39.2);
    snow.lineTo(19.4, 38);
    snow.closeSubpath();
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(snow);
    // Meadow and pines.
    QPainterPath meadow;
    meadow.moveTo(r.left(), 70);
    meadow.cubicTo(20, 66, 44, 74, r.right(), 68);
    meadow.lineTo(r.right(), r.bottom());
    meadow.lineTo(r.left(), r.bottom());
    meadow.closeSubpath();
    p.setBrush(Vertical(66, r.bottom(), QColor(110, 176, 70), QColor(44, 110, 44)));
    p.drawPath(meadow);
    p.setBrush(QColor(26, 80, 40));
    for (QPointF t : {QPointF(50, 74), QPointF(56, 76), QPointF(61, 73), QPointF(12, 80)}) {
        QPolygonF pine;
        pine << t + QPointF(0, -9) << t + QPointF(3.2, 0) << t + QPointF(-3.2, 0);
        p.drawPolygon(pine);
        p.fillRect(QRectF(t.x() - 0.5, t.y(), 1.0, 1.6), QColor(90, 60, 30));
    }
}

void BackSailboat(QPainter &p, const QRectF &r) {
    const qreal sea = 62;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), sea - r.top()),
               Vertical(r.top(), sea, QColor(110, 184, 240), QColor(226, 242, 255)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 110));
    p.drawEllipse(QPointF(56, 16), 5, 5);
    Cloud(p, QPointF(18, 18), 0.8, QColor(255, 255, 255, 230));
    p.fillRect(QRectF(r.left(), sea, r.width(), r.bottom() - sea),
               Vertical(sea, r.bottom(), QColor(36, 120, 190), QColor(14, 56, 116)));
    // Waves.
    p.setPen(QPen(QColor(200, 230, 250), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF w : {QPointF(10, 74), QPointF(22, 82), QPointF(48, 78), QPointF(58, 86), QPointF(36, 88),
                      QPointF(12, 88), QPointF(60, 68)}) {
        QPainterPath wave;
        wave.moveTo(w + QPointF(-3, 0.6));
        wave.quadTo(w + QPointF(-1.5, -1), w);
        wave.quadTo(w + QPointF(1.5, -1), w + QPointF(3, 0.6));
        p.drawPath(wave);
    }
    // Mast, sails and flag.
    p.setPen(QPen(QColor(110, 70, 36), 1.0));
    p.drawLine(QPointF(36, 19), QPointF(36, 63));
    p.setPen(QPen(QColor(150, 150, 150), 0.5));
    QPainterPath main;
    main.moveTo(37, 21);
    main.cubicTo(44, 32, 50, 46, 54, 58);
    main.lineTo(37, 58);
    main.closeSubpath();
    p.setBrush(Vertical(21, 58, QColor(255, 255, 255), QColor(222, 226, 232)));
    p.drawPath(main);
    QPainterPath jib;
    jib.moveTo(35, 25);
    jib.cubicTo(30, 36, 24, 48, 20, 58);
    jib.lineTo(35, 58);
    jib.closeSubpath();
    p.setBrush(Vertical(25, 58, QColor(255, 250, 236), QColor(236, 226, 200)));
    p.drawPath(jib);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 40, 40));
    QPolygonF flag;
    flag << QPointF(36, 18.6) << QPointF(42, 20.2) << QPointF(36, 21.8);
    p.drawPolygon(flag);
    QPainterPath hull;
    hull.moveTo(16, 60);
    hull.lineTo(57, 60);
    hull.cubicTo(54, 64, 51, 66.5, 47, 67);
    hull.lineTo(24, 67);
    hull.cubicTo(20.5, 66, 18, 63.5, 16, 60);
    hull.closeSubpath();
    p.setBrush(QColor(170, 46, 36));
    p.drawPath(hull);
    p.fillRect(QRectF(17.5, 61.2, 38.5, 1.0), QColor(250, 240, 220));
    // Its reflection.
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRect(QRectF(22, 68.5, 26, 1.2));
    p.drawRect(QRectF(26, 71, 18, 1.0));
    // A gull.
    p.setPen(QPen(QColor(60, 60, 70), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath gull;
    gull.moveTo(11, 34);
    gull.quadTo(12.5, 32.2, 14, 33.6);
    gull.quadTo(15.5, 32.2, 17, 34);
    p.drawPath(gull);
}

void BackMoonAndStars(QPainter &p, const QRectF &r) {
    p.fillRect(r, Vertical(r.top(), r.bottom(), QColor(6, 10, 36), QColor(36, 56, 120)));
    p.setPen(Qt::NoPen);
    cScatter scatter{12345u};
    for (int i = 0; i < 40; ++i) {
        const QPointF at(r.left() + scatter.Next() * r.width(), r.top() + scatter.Next() * 62);
        const qreal size = scatter.Next();
        p.setBrush(QColor(255, 250, 220, 140 + int(size * 115)));
        p.drawEllipse(at, 0.35 + size * 0.4, 0.35 + size * 0.4);
    }
    const QPainterPath &star = Shapes().Star;
    for (auto [at, size] :
         {std::pair{QPointF(14, 14), 5.5}, std::pair{QPointF(24, 30), 4.0}, std::pair{QPointF(56, 50), 4.5},
          std::pair{QPointF(12, 46), 3.5}, std::pair{QPointF(36, 12), 3.0}})
        FillShape(p, star, at, size, false, QColor(255, 244, 190));
    // The crescent with a soft glow.
    const QPointF moon(46, 28);
    QRadialGradient glow(moon, 20);
    glow.setColorAt(0, QColor(255, 246, 200, 90));
    glow.setColorAt(1, QColor(255, 246, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(moon, 20, 20);
    QPainterPath full;
    full.addEllipse(QPointF(0, 0), 11 * kBuildScale, 11 * kBuildScale);
    QPainterPath bite;
    bite.addEllipse(QPointF(5, -3.5) * kBuildScale, 10 * kBuildScale, 10 * kBuildScale);
    QTransform place;
    place.translate(moon.x(), moon.y());
    place.scale(1 / kBuildScale, 1 / kBuildScale);
    p.setBrush(QColor(255, 242, 176));
    p.drawPath(place.map(full.subtracted(bite)));
    // Hills and a cottage with a lit window.
    QPainterPath back;
    back.moveTo(r.left(), 74);
    back.cubicTo(18, 64, 34, 68, 46, 72);
    back.cubicTo(54, 70, 62, 66, r.right(), 68);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setBrush(QColor(20, 34, 64));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(r.left(), 84);
    front.cubicTo(22, 76, 42, 80, r.right(), 78);
    front.lineTo(r.right(), r.bottom());
    front.lineTo(r.left(), r.bottom());
    front.closeSubpath();
    p.setBrush(QColor(10, 18, 36));
    p.drawPath(front);
    p.setBrush(QColor(10, 18, 36));
    p.drawRect(QRectF(46, 71, 9, 7));
    QPolygonF roof;
    roof << QPointF(44.8, 71.4) << QPointF(50.5, 66.5) << QPointF(56.2, 71.4);
    p.drawPolygon(roof);
    p.setBrush(QColor(255, 210, 100));
    p.drawRect(QRectF(48.2, 73, 2.2, 2.2));
}

void BackTree(QPainter &p, const QRectF &r) {
    p.fillRect(r, Vertical(r.top(), 72, QColor(130, 196, 244), QColor(226, 244, 255)));
    Cloud(p, QPointF(18, 16), 0.9, QColor(255, 255, 255, 235));
    Cloud(p, QPointF(54, 24), 0.6, QColor(255, 255, 255, 210));
    p.setPen(Qt::NoPen);
    QPainterPath hill;
    hill.moveTo(r.left(), 78);
    hill.cubicTo(20, 68, 48, 68, r.right(), 76);
    hill.lineTo(r.right(), r.bottom());
    hill.lineTo(r.left(), r.bottom());
    hill.closeSubpath();
    p.setBrush(Vertical(68, r.bottom(), QColor(120, 190, 74), QColor(54, 124, 44)));
    p.drawPath(hill);
    // Trunk.
    QPainterPath trunk;
    trunk.moveTo(33.5, 50);
    trunk.lineTo(37.5, 50);
    trunk.cubicTo(37.5, 60, 38, 68, 40.5, 73);
    trunk.lineTo(30.5, 73);
    trunk.cubicTo(33, 68, 33.5, 60, 33.5, 50);
    trunk.closeSubpath();
    p.setBrush(QColor(112, 72, 40));
    p.drawPath(trunk);
    // The crown, dark leaves behind and light in front.
    p.setBrush(QColor(40, 110, 46));
    for (auto [c, rad] :
         {std::pair{QPointF(35.5, 36), 15.0}, std::pair{QPointF(24, 44), 9.0}, std::pair{QPointF(47, 44), 9.0},
          std::pair{QPointF(28, 28), 9.0}, std::pair{QPointF(43, 28), 9.0}})
        p.drawEllipse(c, rad, rad);
    p.setBrush(QColor(70, 150, 60));
    for (auto [c, rad] : {std::pair{QPointF(31, 33), 9.0}, std::pair{QPointF(41, 36), 8.0},
                          std::pair{QPointF(26, 42), 5.5}, std::pair{QPointF(35, 25), 6.0}})
        p.drawEllipse(c, rad, rad);
    p.setBrush(QColor(214, 36, 40));
    for (QPointF apple :
         {QPointF(27, 36), QPointF(40, 30), QPointF(45, 42), QPointF(33, 44), QPointF(22, 46), QPointF(36, 35)})
        p.drawEllipse(apple, 1.4, 1.4);
    // A flower or two in the grass.
    p.setBrush(QColor(255, 255, 255));
    for (QPointF f : {QPointF(14, 84), QPointF(52, 86), QPointF(58, 80)})
        p.drawEllipse(f, 1.0, 1.0);
}

void BackBalloon(QPainter &p, const QRectF &r) {
    p.fillRect(r, Vertical(r.top(), r.bottom(), QColor(70, 140, 226), QColor(200, 228, 250)));
    Cloud(p, QPointF(14, 70), 1.1, QColor(255, 255, 255, 230));
    Cloud(p, QPointF(56, 20), 0.7, QColor(255, 255, 255, 210));
    // The envelope: a round top narrowing to the mouth, in nested gores of two colours.
    auto envelope = [](qreal cx, qreal top, qreal halfWidth, qreal height) {
        QPainterPath e;
        const qreal bottom = top + height, mouth = halfWidth * 0.28;
        e.moveTo(cx - mouth, bottom);
        e.cubicTo(cx - halfWidth * 0.6, bottom - height * 0.22, cx - halfWidth, top + height * 0.62, cx - halfWidth,
                  top + height * 0.4);
        e.cubicTo(cx - halfWidth, top + height * 0.12, cx - halfWidth * 0.55, top, cx, top);
        e.cubicTo(cx + halfWidth * 0.55, top, cx + halfWidth, top + height * 0.12, cx + halfWidth, top + height * 0.4);
        e.cubicTo(cx + halfWidth, top + height * 0.62, cx + halfWidth * 0.6, bottom - height * 0.22, cx + mouth,
                  bottom);
        e.closeSubpath();
        return e;
    };
    auto balloon = [&](qreal cx, qreal top, qreal halfWidth, qreal height, const QColor &a, const QColor &b) {
        p.setPen(Qt::NoPen);
        const int gores = 4;
        for (int k = 0; k < gores; ++k) {
            p.setBrush(k % 2 == 0 ? a : b);
            p.drawPath(envelope(cx, top, halfWidth * (1.0 - k / qreal(gores)), height));
        }
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawEllipse(QPointF(cx - halfWidth * 0.45, top + height * 0.3), halfWidth * 0.22, height * 0.16);
        const qreal bottom = top + height, mouth = halfWidth * 0.28, drop = height * 0.28;
        p.setPen(QPen(QColor(90, 60, 40), 0.5));
        p.drawLine(QPointF(cx - mouth, bottom), QPointF(cx - mouth * 0.8, bottom + drop));
        p.drawLine(QPointF(cx + mouth, bottom), QPointF(cx + mouth * 0.8, bottom + drop));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 90, 44));
        p.drawRoundedRect(QRectF(cx - mouth * 0.95, bottom + drop, mouth * 1.9, height * 0.2), 0.8, 0.8);
    };
    balloon(56, 44, 5.5, 13, QColor(40, 90, 200), QColor(250, 250, 250));
    balloon(kMidX - 3, 14, 17, 40, QColor(220, 44, 50), QColor(252, 200, 56));
}

void PaintBack(QPainter &p, int index) {
    const bool picture = index >= 10;
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(picture ? QColor(255, 250, 236) : QColor(255, 255, 255));
    p.drawPath(CardShape(0.5));
    const QRectF area(4, 4, kW - 8, kH - 8);
    QPainterPath window;
    window.addRoundedRect(area, 2.5, 2.5);
    p.save();
    p.setClipPath(window);
    p.setPen(Qt::NoPen);
    switch (index) {
    case 0:
        BackLattice(p, area);
        break;
    case 1:
        BackChecks(p, area);
        break;
    case 2:
        BackWaves(p, area);
        break;
    case 3:
        BackHarlequin(p, area);
        break;
    case 4:
        BackStripes(p, area);
        break;
    case 5:
        BackDots(p, area);
        break;
    case 6:
        BackScales(p, area);
        break;
    case 7:
        BackRosette(p, area);
        break;
    case 8:
        BackBasket(p, area);
        break;
    case 9:
        BackHoneycomb(p, area);
        break;
    case 10:
        BackSunset(p, area);
        break;
    case 11:
        BackMountains(p, area);
        break;
    case 12:
        BackSailboat(p, area);
        break;
    case 13:
        BackMoonAndStars(p, area);
        break;
    case 14:
        BackTree(p, area);
        break;
    default:
        BackBalloon(p, area);
        break;
    }
    p.restore();
    // A fine line finishing the edge of the picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 2.2, 2.2);
}

// ---------------------------------------------------------------------------------------------
// Markers of empty piles: a pad a shade darker than the board with a soft light outline.
// They are see-through shades of black and white, so they suit every board colour.

void PaintPad(QPainter &p) {
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    p.setBrush(Vertical(0, kH, QColor(0, 0, 0, 60), QColor(0, 0, 0, 95)));
    p.drawPath(CardShape(0.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.0));
    p.drawRoundedRect(QRectF(3.5, 3.5, kW - 7, kH - 7), 2.5, 2.5);
}

void PaintCirclingArrows(QPainter &p, QPointF c, qreal radius, const QColor &colour) {
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    for (int k = 0; k < 2; ++k) {
        const qreal start = 40.0 + 180.0 * k, span = 120.0;
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, span);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);
        // The head points on round the circle, counter-clockwise as seen on screen.
        const qreal a = qDegreesToRadians(start + span);
        const QPointF end = c + QPointF(radius * std::cos(a), -radius * std::sin(a));
        const QPointF ahead(-std::sin(a), -std::cos(a)), out(std::cos(a), -std::sin(a));
        QPolygonF head;
        head << end + ahead * 5.5 << end + out * 4.5 << end - out * 4.5;
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(head);
    }
}

void PaintMarker(QPainter &p, int mode) {
    PaintPad(p);
    const cLettering &l = Lettering();
    if (mode <= 12) {
        for (int turn = 0; turn < 2; ++turn) {
            p.save();
            if (turn == 1)
                TurnAbout(p);
            p.fillPath(SetText(l.Rank[mode], 10.5, 17.5, 11.0, 13.0), kChalk);
            p.restore();
        }
    } else if (mode == 13) {
        const QColor faint(255, 255, 255, 150);
        const auto &suits = Shapes().Suit;
        FillShape(p, suits[0], QPointF(kMidX - 9, kMidY - 10), 14, false, faint);
        FillShape(p, suits[1], QPointF(kMidX + 9, kMidY - 10), 14, false, faint);
        FillShape(p, suits[3], QPointF(kMidX - 9, kMidY + 10), 14, false, faint);
        FillShape(p, suits[2], QPointF(kMidX + 9, kMidY + 10), 15, false, faint);
    } else if (mode == 15 || mode == 16) {
        PaintCirclingArrows(p, QPointF(kMidX, 40), 13.0, kChalk);
        p.fillPath(SetText(mode == 15 ? l.Redeal : l.Refill, kMidX, 72, 9.0, 54.0), kChalk);
    } else if (mode == 17) {
        QPolygonF octagon, inner;
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
            octagon << QPointF(kMidX + 25.0 * std::cos(a), kMidY + 25.0 * std::sin(a));
            inner << QPointF(kMidX + 22.6 * std::cos(a), kMidY + 22.6 * std::sin(a));
        }
        p.setPen(QPen(QColor(120, 10, 14), 0.8));
        p.setBrush(QColor(250, 250, 250));
        p.drawPolygon(octagon);
        p.setPen(Qt::NoPen);
        QRadialGradient red(QPointF(kMidX - 6, kMidY - 8), 30);
        red.setColorAt(0, QColor(236, 44, 40));
        red.setColorAt(1, QColor(184, 14, 20));
        p.setBrush(red);
        p.drawPolygon(inner);
        p.fillPath(SetText(l.Stop, kMidX, kMidY + 5, 10.0, 34.0), QColor(255, 255, 255));
    }
}

} // namespace

bool cCardArt::IsValidId(int id) {
    return (id >= 1 && id <= 52) || (id >= 101 && id <= 116) || (id >= 201 && id <= 218);
}

QImage cCardArt::Render(int id, qreal devicePixelRatio) {
    if (!IsValidId(id))
        return {};
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(qMax(1, qRound(kWidth * dpr)), qMax(1, qRound(kHeight * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    Paint(p, id);
    p.end();
    return image;
}

void cCardArt::Paint(QPainter &p, int id) {
    if (!IsValidId(id))
        return;
    p.save();
    if (id <= 52)
        PaintFace(p, (id - 1) / 13, (id - 1) % 13);
    else if (id <= 116)
        PaintBack(p, id - 101);
    else
        PaintMarker(p, id - 201);
    p.restore();
}

QImage cCardArt::Negative(const QImage &image) {
    if (image.isNull())
        return {};
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // With premultiplied pixels the inverse of a channel c under alpha a is a - c.
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            line[x] = qRgba(qMax(0, a - qRed(c)), qMax(0, a - qGreen(c)), qMax(0, a - qBlue(c)), a);
        }
    }
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

} // namespace tabloo
