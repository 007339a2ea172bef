// "Statistics": the totals of every player in use, the game on the board, the current
// player's record and a table of all players. The figures are taken once, when the
// dialog opens; nothing is changed. Slots without a name never count, whatever counts
// they still hold.
#pragma once

#include "cRegistry.h"

#include <QDialog>
#include <QIcon>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace tabloo {

class Game;

class frmStatistics : public QDialog {
    Q_OBJECT

public:
    frmStatistics(Game &game, QWidget *owner = nullptr);

private:
    void FillGeneralTab();
    void Create_PlayerLV();

    Game &TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
    // The picture beside each line of the totals, drawn once for the dialog.
    const QIcon TotalsIcon;
    QTabWidget *SSTab1 = nullptr;
    QListWidget *LVGen = nullptr;
    QGroupBox *frameGame = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblMoves = nullptr;
    QGroupBox *framePlayer = nullptr;
    QLabel *lblPlayer = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblWon = nullptr;
    QLabel *lblLost = nullptr;
    QTreeWidget *lvPlayer = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tabloo
