#include "sgPic.h"

#include "cPixmapCache.h"
#include "sgCard.h"

#include <QPainter>

namespace tabloo {

sgPic::sgPic(cPixmapCache &pictures, qreal dpr) : mPictures(pictures), mDpr(dpr) {
    setFlag(ItemUsesExtendedStyleOption, false);
    setAcceptedMouseButtons(Qt::NoButton);
    UsePicture();
}

void sgPic::SetMode(int mode) {
    if (mode == mMode && !mPixmap.isNull())
        return;
    mMode = mode;
    UsePicture();
    update();
}

void sgPic::SetArtRatio(qreal dpr) {
    if (qFuzzyCompare(dpr, mDpr))
        return;
    mDpr = dpr;
    UsePicture();
    update();
}

void sgPic::UsePicture() { mPixmap = mPictures.Get(ImageId(), false, mDpr); }

QRectF sgPic::boundingRect() const { return QRectF(0, 0, sgCard::kWidth, sgCard::kHeight); }

void sgPic::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    if (!mPixmap.isNull())
        painter->drawPixmap(QPointF(0, 0), mPixmap);
}

} // namespace tabloo
