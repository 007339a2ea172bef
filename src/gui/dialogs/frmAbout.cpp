#include "frmAbout.h"

#include "cCardArt.h"
#include "mDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabloo {

namespace {

constexpr int kPictureWidth = 150, kPictureHeight = 130;

} // namespace

QPixmap frmAbout::Picture(qreal devicePixelRatio) {
    QPixmap pixmap(QSize(kPictureWidth, kPictureHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The baize.
    QPainterPath baize;
    baize.addRoundedRect(QRectF(0.5, 0.5, kPictureWidth - 1, kPictureHeight - 1), 10, 10);
    QLinearGradient green(0, 0, 0, kPictureHeight);
    green.setColorAt(0, QColor(0, 128, 64));
    green.setColorAt(1, QColor(0, 80, 40));
    p.fillPath(baize, green);
    p.setPen(QPen(QColor(0, 50, 25), 1));
    p.drawPath(baize);

    // A back and three aces, fanned from a point below the middle.
    const int cards[] = {101, 1, 14, 27};
    const qreal angles[] = {-24, -8, 8, 24};
    for (int i = 0; i < 4; ++i) {
        const QImage card = cCardArt::Render(cards[i], devicePixelRatio);
        p.save();
        p.translate(kPictureWidth / 2.0, kPictureHeight - 8);
        p.rotate(angles[i]);
        p.drawImage(QRectF(-cCardArt::kWidth / 2.0, -cCardArt::kHeight - 8, cCardArt::kWidth, cCardArt::kHeight), card);
        p.restore();
    }
    return pixmap;
}

frmAbout::frmAbout(QWidget *owner) : QDialog(owner) {
    SetUpDialog(*this, "frmAbout", tr("About Tabloo 3.0"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Picture(devicePixelRatioF()));
    Image1->setFixedSize(kPictureWidth, kPictureHeight);

    lblProduct = new QLabel(QStringLiteral("Tabloo"), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont big = lblProduct->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    lblProduct->setFont(big);

    lblVersion = new QLabel(tr("Version 3.0"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblAbout = new QLabel(tr("A patience game of many variants:\n"
                             "bring every card home to the goal piles."),
                          this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));

    lblLicense = new QLabel(tr("Tabloo is free software: you may share and change it\n"
                               "under the GNU General Public License, version 3 or later.\n"
                               "It comes with no warranty."),
                            this);
    lblLicense->setObjectName(QStringLiteral("lblLicense"));

    cmdOK = NewButton(this, "cmdOK", tr("OK"), true);

    auto *text = new QVBoxLayout;
    text->addWidget(lblProduct);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblAbout);
    text->addSpacing(8);
    text->addWidget(lblLicense);
    text->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(text);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::accept);
}

} // namespace tabloo
