#include "cMenuDisplays.h"

#include "Game.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>

namespace tabloo {

cMenuDisplays::cMenuDisplays(QMenuBar &bar) : Bar(bar) {
    Corner = new QWidget(&bar);
    auto *row = new QHBoxLayout(Corner);
    row->setContentsMargins(0, 0, 12, 0);
    row->setSpacing(28);
    const char *names[3] = {"mScore", "mTime", "mMoves"};
    for (int i = 0; i < 3; ++i) {
        Labels[i] = new QLabel(Corner);
        Labels[i]->setObjectName(names[i]);
        Labels[i]->setMinimumWidth(i == 1 ? 110 : 90);
        row->addWidget(Labels[i]);
    }
    bar.setCornerWidget(Corner, Qt::TopRightCorner);
}

void cMenuDisplays::Show(const Game &game) {
    if (game.GameRunning) {
        Labels[0]->setText(QString("Score :%1").arg(game.GameScore()));
        Labels[1]->setText(QString("Time :%1").arg(QString::fromStdString(Game::FormatElapsed(game.ElapsedSeconds()))));
        Labels[2]->setText(QString("Moves :%1").arg(game.Trans.GetTransID()));
    } else {
        for (QLabel *d : Labels)
            d->setText(QString());
    }
}

void cMenuDisplays::Fit(int windowWidth) {
    // The bar's own wish is the menus' width, with the displays beside them when shown.
    const int menus = Bar.sizeHint().width() - (Corner->isVisible() ? Corner->sizeHint().width() : 0);
    const int room = windowWidth - menus;
    auto *row = static_cast<QHBoxLayout *>(Corner->layout());
    const int margins = row->contentsMargins().left() + row->contentsMargins().right();
    auto need = [&](std::initializer_list<int> shown) {
        int w = margins;
        for (int i : shown)
            w += Labels[i]->minimumWidth() + (w > margins ? row->spacing() : 0);
        return w;
    };
    const bool all = need({0, 1, 2}) <= room, two = need({1, 2}) <= room, one = need({1}) <= room;
    Labels[0]->setVisible(all);
    Labels[2]->setVisible(all || two);
    Labels[1]->setVisible(all || two || one);
    // The bar lays its menus out again round the corner's new width.
    Corner->adjustSize();
    Bar.setCornerWidget(Corner, Qt::TopRightCorner);
}

} // namespace tabloo
