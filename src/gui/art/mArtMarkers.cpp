// The markers of empty piles: a pad a shade darker than the board with a soft light outline,
// and on it a rank, the four suits, Redeal, Refill or a stop sign. They are see-through
// shades of black and white, so they suit every board colour.
#include "mArtTools.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace tabloo::mArt {

namespace {

const QColor kChalk(255, 255, 255, 200);

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

} // namespace

void PaintMarker(QPainter &p, int mode) {
    PaintPad(p);
    const cLettering &l = Lettering();
    if (mode <= 12) {
        BothWaysUp(p, [&] { p.fillPath(SetText(l.Rank[mode], 10.5, 17.5, 11.0, 13.0), kChalk); });
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

} // namespace tabloo::mArt
