#include "mToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace tabloo {

namespace {

constexpr double kSize = 24;
const QColor kInk(40, 60, 90);
const QColor kAccent(0, 120, 60);
const QColor kStopRed(200, 40, 40);

// A small card outline at (x, y).
void Card(QPainter &p, double x, double y, double angle = 0) {
    p.save();
    p.translate(x + 6, y + 8);
    p.rotate(angle);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-6, -8, 12, 16), 2, 2);
    p.restore();
}

// A curved arrow turning left (mirror for right).
void CurvedArrow(QPainter &p, bool right) {
    p.save();
    if (right) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(19, 19);
    path.cubicTo(21, 9, 13, 5, 7, 9);
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPolygonF head;
    head << QPointF(3, 10) << QPointF(10, 4) << QPointF(10.5, 13.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(head);
    p.restore();
}

void Triangle(QPainter &p, double x, bool right) {
    QPolygonF t;
    if (right)
        t << QPointF(x, 6) << QPointF(x + 9, 12) << QPointF(x, 18);
    else
        t << QPointF(x + 9, 6) << QPointF(x, 12) << QPointF(x + 9, 18);
    p.drawPolygon(t);
}

void Draw(QPainter &p, const QString &key) {
    if (key == "New") {
        Card(p, 4, 4);
        p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 11), QPointF(17, 21));
        p.drawLine(QPointF(12, 16), QPointF(22, 16));
    } else if (key == "Select") {
        Card(p, 3, 5, -18);
        Card(p, 6, 4);
        Card(p, 9, 5, 18);
    } else if (key == "Restart") {
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
        QPolygonF head;
        head << QPointF(14, 1.5) << QPointF(20.5, 5.5) << QPointF(13.5, 9.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(head);
    } else if (key == "Autoplay") {
        Card(p, 2, 6);
        QPolygonF bolt;
        bolt << QPointF(16, 2) << QPointF(10, 13) << QPointF(14.5, 13) << QPointF(12, 22) << QPointF(21, 9)
             << QPointF(16, 9) << QPointF(19, 2);
        p.setPen(QPen(QColor(150, 100, 0), 0.8));
        p.setBrush(QColor(250, 190, 30));
        p.drawPolygon(bolt);
    } else if (key == "Undo" || key == "Redo") {
        CurvedArrow(p, key == "Redo");
    } else if (key == "Back" || key == "Forward") {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        const bool right = key == "Forward";
        Triangle(p, 3, right);
        Triangle(p, 12, right);
    } else if (key == "ReplayStop") {
        p.setPen(Qt::NoPen);
        p.setBrush(kStopRed);
        p.drawRoundedRect(QRectF(6, 6, 12, 12), 2, 2);
    } else if (key == "Statistics") {
        p.setPen(Qt::NoPen);
        const double heights[3] = {8, 14, 18};
        const QColor colours[3] = {QColor(70, 130, 200), kAccent, QColor(220, 140, 30)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(colours[i]);
            p.drawRect(QRectF(4 + i * 6, 21 - heights[i], 4.5, heights[i]));
        }
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(2.5, 21.5), QPointF(21.5, 21.5));
    } else if (key == "Hint") {
        // A light bulb.
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(255, 215, 60));
        QPainterPath bulb;
        bulb.moveTo(9, 16);
        bulb.cubicTo(9, 13, 5, 12, 5, 8.5);
        bulb.cubicTo(5, 4.5, 8.5, 2, 12, 2);
        bulb.cubicTo(15.5, 2, 19, 4.5, 19, 8.5);
        bulb.cubicTo(19, 12, 15, 13, 15, 16);
        bulb.closeSubpath();
        p.drawPath(bulb);
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(9, 16.5, 6, 4.5), 1, 1);
        p.drawLine(QPointF(10.5, 22.5), QPointF(13.5, 22.5));
    } else if (key == "Help") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 190));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(15);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
    }
}

} // namespace

QIcon ToolbarIcon(const QString &key) {
    QIcon icon;
    for (double dpr : {1.0, 2.0}) {
        QPixmap pixmap(static_cast<int>(kSize * dpr), static_cast<int>(kSize * dpr));
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        Draw(p, key);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tabloo
