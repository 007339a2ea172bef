// "Select Game": the player designs the variant (home piles and their order, the goal
// piles' order, base card and starting cards, the free cells and their starting cards, runs
// and the Ace-King wrap) and chooses who plays. "Play" stores every choice and deals a new
// game with a random number; closing the dialog any other way stores nothing.
#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tabloo {

class Game;

class frmSelect : public QDialog {
    Q_OBJECT

public:
    frmSelect(Game &game, QWidget *owner = nullptr);

    // The player number that "Play" stores as the current player.
    std::int16_t PlayerNumber() const { return SelectedPlayer; }

private:
    void FillLists();
    void FillResCards(int resPiles, int selectValue);
    void FillPlayers();
    void Play();

    Game &G;
    std::int16_t SelectedPlayer = 1;

    QComboBox *imcHomePiles = nullptr;
    QComboBox *imcHorder = nullptr;
    QCheckBox *chkMulti = nullptr;
    QCheckBox *chkHomeAK = nullptr;
    QComboBox *imcGorder = nullptr;
    QComboBox *imcGoalBase = nullptr;
    QComboBox *imcGoalCards = nullptr;
    QComboBox *imcResPiles = nullptr;
    QComboBox *imcResCards = nullptr;
    QComboBox *imcPlayer = nullptr;
    QPushButton *cmdPlay = nullptr;
};

} // namespace tabloo
