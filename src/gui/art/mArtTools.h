// What the painters of the card pictures share: the card's measures and inks, the suit
// shapes and the lettering, and the few ways of setting them on a card. Every picture is
// painted in logical card coordinates (71 x 96); cCardArt chooses the painter by id.
// Used by the artwork only (mArt*.cpp and cCardArt.cpp).
#pragma once

#include "cCardArt.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <initializer_list>

namespace tabloo::mArt {

inline constexpr qreal kW = cCardArt::kWidth;
inline constexpr qreal kH = cCardArt::kHeight;
inline constexpr qreal kMidX = kW / 2.0;
inline constexpr qreal kMidY = kH / 2.0;
inline constexpr qreal kCornerRadius = 4.5;

inline const QColor kRedInk(204, 18, 42);
inline const QColor kBlackInk(24, 24, 28);
inline const QColor kGold(222, 172, 48);
inline const QColor kGoldDark(150, 104, 16);

// The four-colour deck's diamonds and clubs: a clear blue, which every kind of colour
// blindness tells from the red and the black, and a dark green, which differs from the red in
// hue for most players; to those who confuse red and green the two look alike in lightness,
// and the suit signs tell them apart.
inline const QColor kBlueInk(18, 82, 214);
inline const QColor kGreenInk(0, 122, 52);

inline bool IsRedSuit(int suit) { return suit == 0 || suit == 2; }

// The ink a suit prints in: red or black, or with four colours one of its own.
inline QColor SuitInk(int suit, bool fourColours) {
    if (fourColours && suit == 2)
        return kBlueInk;
    if (fourColours && suit == 3)
        return kGreenInk;
    return IsRedSuit(suit) ? kRedInk : kBlackInk;
}

// Path set operations flatten curves at a fixed tolerance in path units, so shapes that need
// them are built large and scaled down afterwards.
inline constexpr qreal kBuildScale = 1000.0;

// Shapes in a unit box centred on the origin (x and y from -0.5 to 0.5, y pointing down).
struct cShapes {
    std::array<QPainterPath, 4> Suit; // hearts, spades, diamonds, clubs
    QPainterPath Star;                // five points, outer radius 0.5
};

// Lettering: outlines of DejaVu Sans Bold, scaled so that a capital is 1 tall, baseline at y 0.
struct cLettering {
    std::array<QPainterPath, 13> Rank;
    QPainterPath Redeal, Refill, Stop;
};

// Both are made once, the first time a picture asks, and never change.
const cShapes &Shapes();
const cLettering &Lettering();

// A lettering outline with capitals capHeight tall, centred on centreX, sitting on baseline,
// narrowed when it would be wider than maxWidth.
QPainterPath SetText(const QPainterPath &unit, qreal centreX, qreal baseline, qreal capHeight, qreal maxWidth);

// Fills a unit shape size tall, centred on centre, upside down when asked.
void FillShape(QPainter &p, const QPainterPath &unit, QPointF centre, qreal size, bool upsideDown, const QBrush &brush);

// Turns the painter half a turn about the middle of the card.
void TurnAbout(QPainter &p);

// Runs paint twice: as the painter stands, then turned half a turn about the middle of the
// card, so that what it paints reads the same either way up.
template <class Paint> void BothWaysUp(QPainter &p, Paint paint) {
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1)
            TurnAbout(p);
        paint();
        p.restore();
    }
}

// One step of an outline: a straight line to a point, or a curve to it through two control
// points.
struct cStep {
    cStep(qreal x, qreal y) : To(x, y) {}
    cStep(QPointF to) : To(to) {}
    cStep(QPointF c1, QPointF c2, QPointF to) : C1(c1), C2(c2), To(to), Curve(true) {}
    QPointF C1, C2, To;
    bool Curve = false;
};

// A closed outline from the first step's point, one step after another.
QPainterPath Outline(std::initializer_list<cStep> steps);

// The card's rounded outline, inset from its edge.
QPainterPath CardShape(qreal inset);

// A gradient from a at top to b at bottom.
QLinearGradient Vertical(qreal top, qreal bottom, const QColor &a, const QColor &b);

// The painters, one a kind of picture; each leaves the painter's pen and brush as it likes.
void PaintFace(QPainter &p, int suit, int num, cFaceLook look);     // mArtFaces.cpp
void PaintCourt(QPainter &p, int suit, int num, const QColor &ink); // mArtCourt.cpp
// The pips of the two to the ten, each `scale` times the classic size, the top row's centres
// `top` below the card's top edge (21.5 on the classic faces).
void PaintPips(QPainter &p, int suit, int num, const QColor &ink, qreal scale, qreal top); // mArtFaces.cpp
// Large print: the big corner index, the plain courts and the ace.
void PaintLargePrintFace(QPainter &p, int suit, int num, const QColor &ink); // mArtLargePrint.cpp
void PaintBack(QPainter &p, int index);                                      // mArtBacks.cpp
void PaintPicture(QPainter &p, int picture, const QRectF &area);             // mArtPictures.cpp
void PaintMarker(QPainter &p, int mode);                                     // mArtMarkers.cpp

} // namespace tabloo::mArt
