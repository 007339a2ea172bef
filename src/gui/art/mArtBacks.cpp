// The backs: a pattern or a small picture inside a white or cream frame. The ten patterns
// are here, the six pictures in mArtPictures.cpp.
#include "mArtTools.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace tabloo::mArt {

namespace {

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
    const QPainterPath cell = Outline({{0, -h / 2}, {w / 2, 0}, {0, h / 2}, {-w / 2, 0}});
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

// Backs 101 to 110.
void (*const kPatterns[])(QPainter &p, const QRectF &r) = {
    BackLattice, BackChecks, BackWaves,   BackHarlequin, BackStripes,
    BackDots,    BackScales, BackRosette, BackBasket,    BackHoneycomb,
};

} // namespace

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
    if (picture)
        PaintPicture(p, index - 10, area);
    else
        kPatterns[index](p, area);
    p.restore();
    // A fine line finishing the edge of the picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 2.2, 2.2);
}

} // namespace tabloo::mArt
