// The picture backs: a sunset, mountains, a sailboat, the moon and stars, a tree and
// balloons, each a small landscape inside a cream frame.
#include "mArtTools.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <utility>

namespace tabloo::mArt {

namespace {

// A small deterministic generator for scattering stars.
struct cScatter {
    quint32 State;
    qreal Next() {
        State = State * 1664525u + 1013904223u;
        return (State >> 8) / qreal(1 << 24);
    }
};

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
    const QPainterPath far = Outline({{r.left(), 66},
                                      {r.left(), 50},
                                      {12, 44},
                                      {20, 50},
                                      {46, 34},
                                      {58, 44},
                                      {64, 40},
                                      {r.right(), 44},
                                      {r.right(), 66}});
    p.setBrush(QColor(150, 170, 200));
    p.drawPath(far);
    p.setBrush(QColor(244, 248, 255));
    const QPainterPath farSnow = Outline({{46, 34}, {51.5, 37.4}, {49, 38.5}, {46.5, 37}, {43.5, 38.6}, {41.2, 37}});
    p.drawPath(farSnow);
    // The near peak, lit from the left.
    const QPainterPath near = Outline({{r.left() - 2, 74}, {26, 27}, {56, 74}});
    p.setBrush(QColor(76, 92, 126));
    p.drawPath(near);
    const QPainterPath shade = Outline({{26, 27}, {56, 74}, {30, 74}});
    p.setBrush(QColor(56, 68, 98));
    p.drawPath(shade);
    const QPainterPath snow =
        Outline({{26, 27}, {32.6, 38}, {29.8, 36.4}, {27.4, 39.4}, {24.6, 36.2}, {21.6, 39.2}, {19.4, 38}});
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(snow);
    // Meadow and pines.
    const QPainterPath meadow =
        Outline({{r.left(), 70}, {{20, 66}, {44, 74}, {r.right(), 68}}, r.bottomRight(), r.bottomLeft()});
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
    const QPainterPath main = Outline({{37, 21}, {{44, 32}, {50, 46}, {54, 58}}, {37, 58}});
    p.setBrush(Vertical(21, 58, QColor(255, 255, 255), QColor(222, 226, 232)));
    p.drawPath(main);
    const QPainterPath jib = Outline({{35, 25}, {{30, 36}, {24, 48}, {20, 58}}, {35, 58}});
    p.setBrush(Vertical(25, 58, QColor(255, 250, 236), QColor(236, 226, 200)));
    p.drawPath(jib);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 40, 40));
    QPolygonF flag;
    flag << QPointF(36, 18.6) << QPointF(42, 20.2) << QPointF(36, 21.8);
    p.drawPolygon(flag);
    const QPainterPath hull =
        Outline({{16, 60}, {57, 60}, {{54, 64}, {51, 66.5}, {47, 67}}, {24, 67}, {{20.5, 66}, {18, 63.5}, {16, 60}}});
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
    const QPainterPath back = Outline({{r.left(), 74},
                                       {{18, 64}, {34, 68}, {46, 72}},
                                       {{54, 70}, {62, 66}, {r.right(), 68}},
                                       r.bottomRight(),
                                       r.bottomLeft()});
    p.setBrush(QColor(20, 34, 64));
    p.drawPath(back);
    const QPainterPath front =
        Outline({{r.left(), 84}, {{22, 76}, {42, 80}, {r.right(), 78}}, r.bottomRight(), r.bottomLeft()});
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
    const QPainterPath hill =
        Outline({{r.left(), 78}, {{20, 68}, {48, 68}, {r.right(), 76}}, r.bottomRight(), r.bottomLeft()});
    p.setBrush(Vertical(68, r.bottom(), QColor(120, 190, 74), QColor(54, 124, 44)));
    p.drawPath(hill);
    // Trunk.
    const QPainterPath trunk = Outline(
        {{33.5, 50}, {37.5, 50}, {{37.5, 60}, {38, 68}, {40.5, 73}}, {30.5, 73}, {{33, 68}, {33.5, 60}, {33.5, 50}}});
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

// Backs 111 to 116.
void (*const kPictures[])(QPainter &p, const QRectF &r) = {
    BackSunset, BackMountains, BackSailboat, BackMoonAndStars, BackTree, BackBalloon,
};

} // namespace

void PaintPicture(QPainter &p, int picture, const QRectF &area) { kPictures[picture](p, area); }

} // namespace tabloo::mArt
