#include "frmSplash.h"

#include "cCardArt.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace tabloo {

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setFixedSize(460, 280);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (++Ticks == kTicks)
            Finish();
    });
    Timer1.start();
}

void frmSplash::Finish() {
    if (Done)
        return;
    Done = true;
    Timer1.stop();
    emit Finished();
}

void frmSplash::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient back(0, 0, 0, height());
    back.setColorAt(0, QColor(0, 110, 40));
    back.setColorAt(1, QColor(0, 30, 10));
    p.fillRect(rect(), back);
    p.setPen(QPen(QColor(220, 190, 90), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    // A fanned hand: the royal flush of spades, as a promise of the game.
    const int ids[5] = {23, 24, 25, 26, 14};
    const qreal dpr = devicePixelRatioF();
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(128, 250);
        p.rotate(-32 + i * 16);
        p.translate(-cCardArt::kWidth / 2.0, -cCardArt::kHeight - 60);
        p.drawImage(QPointF(0, 0), cCardArt::Render(ids[i], dpr));
        p.restore();
    }

    QFont title("DejaVu Serif");
    title.setBold(true);
    title.setPixelSize(58);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRect(232, 62, 220, 80), Qt::AlignLeft | Qt::AlignVCenter, "Tabloo");
    p.setPen(QColor(250, 225, 120));
    p.drawText(QRect(229, 59, 220, 80), Qt::AlignLeft | Qt::AlignVCenter, "Tabloo");
    QFont small("DejaVu Sans");
    small.setPixelSize(16);
    p.setFont(small);
    p.setPen(QColor(230, 240, 230));
    p.drawText(QRect(232, 140, 220, 24), Qt::AlignLeft, tr("Version 3.0"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(190, 215, 195));
    p.drawText(QRect(232, 168, 220, 40), Qt::AlignLeft | Qt::TextWordWrap, tr("A patience game of many variants"));
}

} // namespace tabloo
