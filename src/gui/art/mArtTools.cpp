// The suit shapes, the lettering and the helpers that set them on a card.
#include "mArtTools.h"

#include <QFont>
#include <QTransform>
#include <QtMath>

#include <cmath>

namespace tabloo::mArt {

namespace {

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

} // namespace

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

const cShapes &Shapes() {
    static const cShapes shapes = [] {
        cShapes s;
        s.Suit = {HeartShape(), SpadeShape(), DiamondShape(), ClubShape()};
        s.Star = StarShape();
        return s;
    }();
    return shapes;
}

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

void TurnAbout(QPainter &p) {
    p.translate(kW, kH);
    p.rotate(180);
}

QPainterPath Outline(std::initializer_list<cStep> steps) {
    QPainterPath path;
    path.moveTo(steps.begin()->To);
    for (auto step = steps.begin() + 1; step != steps.end(); ++step)
        if (step->Curve)
            path.cubicTo(step->C1, step->C2, step->To);
        else
            path.lineTo(step->To);
    path.closeSubpath();
    return path;
}

QPainterPath CardShape(qreal inset) {
    QPainterPath p;
    p.addRoundedRect(QRectF(inset, inset, kW - 2 * inset, kH - 2 * inset), kCornerRadius - inset,
                     kCornerRadius - inset);
    return p;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor &a, const QColor &b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

} // namespace tabloo::mArt
