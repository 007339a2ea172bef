#include "frmStatistics.h"

#include "Game.h"
#include "mDialogs.h"
#include "mIcons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace tabloo {

namespace {

// A small bar chart, the mark of each line of totals.
QIcon ChartIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(40, 40, 40));
    p.drawLine(1, 14, 14, 14);
    p.drawLine(1, 1, 1, 14);
    const QColor colours[] = {QColor(200, 60, 50), QColor(60, 140, 60), QColor(50, 90, 190)};
    const int heights[] = {6, 11, 8};
    for (int i = 0; i < 3; ++i)
        p.fillRect(3 + i * 4, 14 - heights[i], 3, heights[i], colours[i]);
    return QIcon(pixmap);
}

QLabel *NewLabel(const char *name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // The player's name comes from the settings file: plain text, whatever it holds.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An average rounded down, toward minus infinity; over no games it is the total itself.
std::int64_t Average(std::int64_t total, std::int64_t games) {
    const double d = games < 1 ? 1.0 : double(games);
    return static_cast<std::int64_t>(std::floor(double(total) / d));
}

} // namespace

frmStatistics::frmStatistics(Game &game, QWidget *owner)
    : QDialog(owner), TheGame(game), Store(game.Settings), TotalsIcon(ChartIcon()) {
    SetUpDialog(*this, "frmStatistics", tr("Statistics"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    // General: the totals on the left, the game and the current player on the right.
    auto *general = new QWidget;
    LVGen = new QListWidget(general);
    LVGen->setObjectName(QStringLiteral("LVGen"));
    LVGen->setSelectionMode(QAbstractItemView::NoSelection);
    LVGen->setFocusPolicy(Qt::NoFocus);
    LVGen->setIconSize(QSize(16, 16));
    LVGen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    frameGame = new QGroupBox(tr("Current Game"), general);
    frameGame->setObjectName(QStringLiteral("frameGame"));
    lblScore = NewLabel("lblScore", frameGame);
    lblMoves = NewLabel("lblMoves", frameGame);
    auto *gameLayout = new QVBoxLayout(frameGame);
    gameLayout->addWidget(lblScore);
    gameLayout->addWidget(lblMoves);

    framePlayer = new QGroupBox(tr("Current Player"), general);
    framePlayer->setObjectName(QStringLiteral("framePlayer"));
    lblPlayer = NewLabel("lblPlayer", framePlayer);
    lblTotal = NewLabel("lblTotal", framePlayer);
    lblWon = NewLabel("lblWon", framePlayer);
    lblLost = NewLabel("lblLost", framePlayer);
    auto *playerLayout = new QVBoxLayout(framePlayer);
    for (QLabel *label : {lblPlayer, lblTotal, lblWon, lblLost})
        playerLayout->addWidget(label);

    auto *right = new QVBoxLayout;
    right->addWidget(frameGame);
    right->addWidget(framePlayer);
    right->addStretch(1);
    auto *generalLayout = new QHBoxLayout(general);
    generalLayout->addWidget(LVGen, 1);
    generalLayout->addLayout(right, 1);
    SSTab1->addTab(general, tr("General"));

    // Players: one row for each player in use.
    auto *players = new QWidget;
    lvPlayer = new QTreeWidget(players);
    lvPlayer->setObjectName(QStringLiteral("lvPlayer"));
    lvPlayer->setHeaderLabels({tr("Player"), tr("Total"), tr("Won"), tr("Lost"), tr("Score"), tr("Moves")});
    lvPlayer->setRootIsDecorated(false);
    lvPlayer->setItemsExpandable(false);
    lvPlayer->setUniformRowHeights(true);
    lvPlayer->setSelectionMode(QAbstractItemView::NoSelection);
    lvPlayer->setFocusPolicy(Qt::NoFocus);
    lvPlayer->header()->setStretchLastSection(false);
    // The names take whatever room the figures leave.
    lvPlayer->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvPlayer->header()->setSectionsMovable(false);
    for (int column = 1; column < lvPlayer->columnCount(); ++column)
        lvPlayer->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    auto *playersLayout = new QVBoxLayout(players);
    playersLayout->addWidget(lvPlayer);
    SSTab1->addTab(players, tr("Players"));

    cmdClose = NewButton(this, "cmdClose", tr("Close"), true);
    QHBoxLayout *buttons = ButtonRow({cmdClose});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    FillGeneralTab();
    Create_PlayerLV();
    resize(480, 300);

    connect(cmdClose, &QPushButton::clicked, this, &frmStatistics::accept);
}

void frmStatistics::FillGeneralTab() {
    const cRegistry &r = Store;
    std::int64_t games = 0, wins = 0, score = 0, moves = 0;
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot) {
        if (r.GetPlayerName(slot).empty())
            continue;
        games += r.GetPlayerGames(slot);
        wins += r.GetPlayerWin(slot);
        score += r.GetPlayerScore(slot);
        moves += r.GetPlayerMoves(slot);
    }
    auto line = [&](const char *label, std::int64_t value) {
        LVGen->addItem(new QListWidgetItem(TotalsIcon, tr(label) + QString::number(value)));
    };
    line(QT_TR_NOOP("Games Played : "), games);
    line(QT_TR_NOOP("Games Won : "), wins);
    line(QT_TR_NOOP("Games Lost : "), games - wins);
    line(QT_TR_NOOP("Total Score : "), score);
    line(QT_TR_NOOP("Total Moves : "), moves);
    line(QT_TR_NOOP("Average Score : "), Average(score, games));
    line(QT_TR_NOOP("Average Moves : "), Average(moves, games));

    lblScore->setText(tr("Score : ") + QString::number(TheGame.GameScore()));
    lblMoves->setText(tr("Moves : ") + QString::number(TheGame.MovesInForce()));
    // Greyed, not hidden, while no game is on the board.
    frameGame->setEnabled(TheGame.Running());
    lblScore->setEnabled(TheGame.Running());
    lblMoves->setEnabled(TheGame.Running());

    const std::int16_t cur = TheGame.CurrentPlayerSlot();
    const std::int64_t curGames = r.GetPlayerGames(cur);
    const std::int64_t curWins = r.GetPlayerWin(cur);
    lblPlayer->setText(tr("Current Player : ") + QString::fromStdString(TheGame.CurrentPlayerName()));
    lblTotal->setText(tr("Total : ") + QString::number(curGames));
    lblWon->setText(tr("Won : ") + QString::number(curWins));
    lblLost->setText(tr("Lost : ") + QString::number(curGames - curWins));
}

void frmStatistics::Create_PlayerLV() {
    const cRegistry &r = Store;
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot) {
        const std::string name = r.GetPlayerName(slot);
        if (name.empty())
            continue;
        const std::int64_t games = r.GetPlayerGames(slot);
        const std::int64_t wins = r.GetPlayerWin(slot);
        auto *item = new QTreeWidgetItem(lvPlayer);
        item->setText(0, QString::fromStdString(name));
        item->setIcon(0, mIcons::PlayerIcon());
        const std::int64_t figures[] = {games, wins, games - wins, r.GetPlayerScore(slot), r.GetPlayerMoves(slot)};
        for (int i = 0; i < 5; ++i) {
            item->setText(i + 1, QString::number(figures[i]));
            item->setTextAlignment(i + 1, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // Every column as wide as its widest text and a gap, so that right-aligned figures
    // never run into their neighbours; the table is wide enough to show them all.
    const QFontMetrics metrics = lvPlayer->fontMetrics();
    int total = 0;
    for (int column = 0; column < lvPlayer->columnCount(); ++column) {
        int widest = metrics.horizontalAdvance(lvPlayer->headerItem()->text(column));
        for (int row = 0; row < lvPlayer->topLevelItemCount(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(lvPlayer->topLevelItem(row)->text(column)));
        const int width = widest + (column == 0 ? 24 + mIcons::kIconSize : 20);
        lvPlayer->setColumnWidth(column, width);
        total += width;
    }
    lvPlayer->setMinimumWidth(total + 2 * lvPlayer->frameWidth() + lvPlayer->verticalScrollBar()->sizeHint().width());
}

} // namespace tabloo
