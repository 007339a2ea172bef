#include "mAppIcon.h"

#include "cCardArt.h"

#include <QPainter>
#include <QPainterPath>

namespace tabloo::mAppIcon {

namespace {

constexpr int kAceOfHearts = 1, kAceOfSpades = 14;

// The large icon: the two cards fanned, back to front, in a 256 x 256 square.
struct cPlacement {
    int Id;
    QPointF Centre;
    qreal Angle; // degrees, clockwise
};
constexpr cPlacement kFanned[] = {{kAceOfHearts, {96, 124}, -14}, {kAceOfSpades, {162, 136}, 10}};
constexpr qreal kCardHeight = 190;

// Sizes up to this one get upright cards on whole pixels instead, or they blur.
constexpr int kSmall = 24;

QPainterPath CardOutline(const QRectF &r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A card of the game's pack filling a rectangle, with an outline that parts it from a white
// background or from the card behind.
void PaintCard(QPainter &p, int id, const QRectF &r, qreal outline, qreal radius) {
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / cCardArt::kWidth, r.height() / cCardArt::kHeight);
    cCardArt::Paint(p, id);
    p.restore();
    const qreal half = outline / 2;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), outline));
    p.drawPath(CardOutline(r.adjusted(half, half, -half, -half), radius));
}

void PaintLarge(QPainter &p, int size) {
    const qreal unit = size / 256.0; // icon pixels per unit of the square
    const qreal height = kCardHeight, width = height * cCardArt::kWidth / cCardArt::kHeight;
    const QRectF card(-width / 2, -height / 2, width, height);
    const qreal radius = 4.5 * height / cCardArt::kHeight;
    p.scale(unit, unit);
    for (const cPlacement &c : kFanned) {
        p.save();
        p.translate(c.Centre);
        p.rotate(c.Angle);
        p.fillPath(CardOutline(card.translated(3, 4), radius), QColor(0, 0, 0, 60)); // a soft shadow
        PaintCard(p, c.Id, card, 1.0 / unit, radius);
        p.restore();
    }
}

void PaintSmall(QPainter &p, int size) {
    const int height = qRound(size * 0.8);
    const int width = qRound(height * qreal(cCardArt::kWidth) / cCardArt::kHeight);
    const int left = qMax(0, (size - width) / 8);
    const QRect back(left, 0, width, height);
    const QRect front(size - left - width, size - height, width, height);
    PaintCard(p, kAceOfHearts, back, 1.0, 1.0);
    PaintCard(p, kAceOfSpades, front, 1.0, 1.0);
}

} // namespace

void Paint(QPainter &p, int size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (size <= kSmall)
        PaintSmall(p, size);
    else
        PaintLarge(p, size);
    p.restore();
}

QImage Render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint(p, size);
    return image;
}

QIcon Icon() {
    QIcon icon;
    for (int size : kSizes)
        if (size <= kLargestWindowIcon)
            icon.addPixmap(QPixmap::fromImage(Render(size)));
    return icon;
}

} // namespace tabloo::mAppIcon
