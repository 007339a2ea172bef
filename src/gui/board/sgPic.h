// A pile marker: the card-sized picture that stands where a pile is empty. Mode 0..17
// chooses the picture (0..12 a rank, 13 a suit emblem, 14 the plain frame, 15 Redeal,
// 16 Refill, 17 a stop sign).
#pragma once

#include <QGraphicsItem>
#include <QPixmap>

namespace tabloo {

class cPixmapCache;

class sgPic : public QGraphicsItem {
public:
    static constexpr int kDefaultMode = 14;

    // Takes its pictures from `pictures`, which outlives it.
    explicit sgPic(cPixmapCache &pictures, qreal dpr = 1.0);

    int Mode() const { return mMode; }
    // Shows marker picture Mode + 201.
    void SetMode(int mode);
    int ImageId() const { return mMode + 201; }
    void SetArtRatio(qreal dpr);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void UsePicture();

    cPixmapCache &mPictures;
    int mMode = kDefaultMode;
    qreal mDpr = 1.0;
    QPixmap mPixmap;
};

} // namespace tabloo
