// Every picture is painted in logical card coordinates (71 x 96) on an image that carries the
// device pixel ratio, so QPainter scales the vector drawing to the physical pixels itself. The
// painters live in mArt*.cpp, one a kind of picture.
#include "cCardArt.h"

#include "mArtTools.h"

#include <QPainter>

namespace tabloo {

bool cCardArt::IsValidId(int id) {
    return (id >= 1 && id <= 52) || (id >= 101 && id <= 116) || (id >= 201 && id <= 218);
}

QImage cCardArt::Render(int id, qreal devicePixelRatio, cFaceLook look) {
    if (!IsValidId(id))
        return {};
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(qMax(1, qRound(kWidth * dpr)), qMax(1, qRound(kHeight * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    Paint(p, id, look);
    p.end();
    return image;
}

void cCardArt::Paint(QPainter &p, int id, cFaceLook look) {
    if (!IsValidId(id))
        return;
    p.save();
    if (id <= 52)
        mArt::PaintFace(p, (id - 1) / 13, (id - 1) % 13, look);
    else if (id <= 116)
        mArt::PaintBack(p, id - 101);
    else
        mArt::PaintMarker(p, id - 201);
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
