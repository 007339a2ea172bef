#include "cMenuDisplays.h"

#include "Game.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <QCoreApplication>

#include <algorithm>

namespace tabloo {

namespace {
// The widest each display shows in a game of an ordinary length, so that nothing moves as
// the figures grow.
const char *const kWidest[3] = {QT_TRANSLATE_NOOP("tabloo::cMenuDisplays", "Score :-9999"),
                                QT_TRANSLATE_NOOP("tabloo::cMenuDisplays", "Time :9:59:59"),
                                QT_TRANSLATE_NOOP("tabloo::cMenuDisplays", "Moves :9999")};
QString Tr(const char *text) { return QCoreApplication::translate("tabloo::cMenuDisplays", text); }
} // namespace

cMenuDisplays::cMenuDisplays(QMenuBar &bar, QStatusBar &status) : Bar(bar), Status(status) {
    Corner = new QWidget(&bar);
    auto *row = new QHBoxLayout(Corner);
    row->setContentsMargins(0, 0, 12, 0);
    row->setSpacing(20);
    const char *names[3] = {"mScore", "mTime", "mMoves"};
    for (int i = 0; i < 3; ++i) {
        Labels[i] = new QLabel(Corner);
        Labels[i]->setObjectName(names[i]);
        Labels[i]->setMinimumWidth(Labels[i]->fontMetrics().horizontalAdvance(Tr(kWidest[i])) + 4);
        row->addWidget(Labels[i]);
    }
    bar.setCornerWidget(Corner, Qt::TopRightCorner);
}

void cMenuDisplays::Show(const Game &game) {
    if (game.Running()) {
        Labels[0]->setText(QCoreApplication::translate("tabloo::cMenuDisplays", "Score :%1").arg(game.GameScore()));
        Labels[1]->setText(QCoreApplication::translate("tabloo::cMenuDisplays", "Time :%1")
                               .arg(QString::fromStdString(Game::FormatElapsed(game.ElapsedSeconds()))));
        Labels[2]->setText(QCoreApplication::translate("tabloo::cMenuDisplays", "Moves :%1").arg(game.MovesInForce()));
    } else {
        for (QLabel *d : Labels)
            d->setText(QString());
    }
}

void cMenuDisplays::SetRoom(bool inBar) {
    if (inBar == InBar)
        return;
    InBar = inBar;
    auto *row = static_cast<QHBoxLayout *>(Corner->layout());
    if (inBar) {
        Status.removeWidget(Corner);
        row->setContentsMargins(0, 0, 12, 0);
        row->setSpacing(20);
        Bar.setCornerWidget(Corner, Qt::TopRightCorner);
    } else {
        Bar.setCornerWidget(nullptr, Qt::TopRightCorner);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(10);
        Status.addPermanentWidget(Corner);
    }
    Corner->show();
}

void cMenuDisplays::Fit(int windowWidth) {
    // The bar's own wish is the menus' width, with the displays beside them when shown there.
    const int menus = Bar.sizeHint().width() - (InBar && Corner->isVisible() ? Corner->sizeHint().width() : 0);
    int need = 12 + 2 * 20;
    for (QLabel *l : Labels)
        need += l->minimumWidth();
    SetRoom(need <= windowWidth - menus);
    if (InBar) {
        // The bar lays its menus out again round the corner's new width.
        Corner->adjustSize();
        Bar.setCornerWidget(Corner, Qt::TopRightCorner);
    }
}

} // namespace tabloo
