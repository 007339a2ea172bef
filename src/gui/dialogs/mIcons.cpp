// The list icons are drawn here, at one and two times their size, so that they stay crisp
// on screens of either density.
#include "mIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <functional>

namespace tabloo::mIcons {

namespace {

const QColor kInk(40, 40, 48);
const QColor kIconRed(200, 30, 40);
const QColor kBlack(25, 25, 30);
const QColor kGrey(120, 120, 128);
const QColor kBack(40, 80, 170);

// Draws the picture once per scale into a transparent pixmap, on a 16 x 16 grid.
QIcon Make(const std::function<void(QPainter &)> &draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kIconSize * scale, kIconSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Card(QPainter &p, const QRectF &r, const QColor &fill) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
}

// An arrow from `from` to `to` with a head at `to`, and at `from` as well when both.
void Arrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, bool both) {
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap));
    const double dir = to.y() < from.y() ? -1.0 : 1.0;
    const double head = 4.0;
    QPointF shaftFrom = both ? from + QPointF(0, dir * head * 0.8) : from;
    p.drawLine(shaftFrom, to - QPointF(0, dir * head * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    auto tip = [&](QPointF at, double d) {
        QPolygonF tri;
        tri << at << at - QPointF(3.0, d * head) << at - QPointF(-3.0, d * head);
        p.drawPolygon(tri);
    };
    tip(to, dir);
    if (both)
        tip(from, -dir);
}

} // namespace

QIcon CountIcon(int count) {
    return Make([count](QPainter &p) {
        if (count <= 0) {
            p.setPen(QPen(kGrey, 0.9, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1.5, 1.5);
            return;
        }
        // One small upright card per unit, in rows of up to five, so that every count from
        // 1 to 10 has its own picture.
        const int rows = count > 5 ? 2 : 1;
        const double w = 2.4, h = 6.2, step = 3.1;
        p.setPen(Qt::NoPen);
        p.setBrush(kBack);
        for (int i = 0; i < count && i < 10; ++i) {
            const int row = i / 5, col = i % 5;
            const int inRow = row == 0 ? std::min(count, 5) : count - 5;
            const double left = (kIconSize - (inRow * step - (step - w))) / 2.0;
            const double top = rows == 1 ? (kIconSize - h) / 2.0 : 1.0 + row * (h + 1.6);
            p.drawRoundedRect(QRectF(left + col * step, top, w, h), 0.6, 0.6);
        }
    });
}

QIcon OrderIcon(int order) {
    return Make([order](QPainter &p) {
        if (order == 6) {
            // Any card: a star of three strokes.
            p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
            const QPointF c(8, 8);
            for (int i = 0; i < 3; ++i) {
                p.save();
                p.translate(c);
                p.rotate(i * 60.0);
                p.drawLine(QPointF(0, -5.5), QPointF(0, 5.5));
                p.restore();
            }
            return;
        }
        const bool both = order >= 7;
        const bool up = order < 3;
        const int suitRule = both ? order - 7 : order % 3;
        QColor left = kIconRed, right = kIconRed;
        if (suitRule == 1)
            right = kBlack;
        else if (suitRule == 2)
            left = right = kGrey;
        const double top = 2.0, bottom = 14.0;
        for (int i = 0; i < 2; ++i) {
            const double x = i == 0 ? 4.5 : 11.5;
            QPointF from(x, up ? bottom : top), to(x, up ? top : bottom);
            Arrow(p, from, to, i == 0 ? left : right, both);
        }
    });
}

QIcon RankIcon(int rank) {
    static const char *const kLetters[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return Make([rank](QPainter &p) {
        const QRectF r(2.5, 0.5, 11, 15);
        const bool random = rank < 0 || rank > 12;
        Card(p, r, random ? kBack : QColor(Qt::white));
        QFont font;
        font.setPixelSize(rank == 9 ? 7 : 9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(random ? QColor(Qt::white) : kBlack);
        p.drawText(r, Qt::AlignCenter, random ? QStringLiteral("?") : QString::fromLatin1(kLetters[rank]));
    });
}

QIcon PlayerIcon() {
    return Make([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 140));
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        QPainterPath body;
        body.moveTo(1.5, 15);
        body.cubicTo(1.5, 9.5, 4.5, 8.5, 8, 8.5);
        body.cubicTo(11.5, 8.5, 14.5, 9.5, 14.5, 15);
        body.closeSubpath();
        p.drawPath(body);
    });
}

} // namespace tabloo::mIcons
