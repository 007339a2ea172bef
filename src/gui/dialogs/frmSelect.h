// "Select Game": the player designs the variant (home piles and their order, the goal
// piles' order, base card and starting cards, the free cells and their starting cards, runs
// and the Ace-King wrap) and chooses who plays. "Play" stores every choice and deals a new
// game with a random number; closing the dialog any other way stores nothing.
#pragma once

#include "cGames.h"
#include "cRegistry.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tabloo {

class Game;
class cOdds;
class cSolveService;

class frmSelect : public QDialog {
    Q_OBJECT

public:
    // With a solve service, the dialog shows how often the variant as chosen can be won.
    frmSelect(Game &game, QWidget *owner = nullptr, cSolveService *service = nullptr);

    // Deals the new game once "Play" has stored the choices; by default at once, with a
    // random number.
    std::function<void()> DealNew;
    // The odds shown, while the dialog has a solve service.
    cOdds *Odds() const { return OddsCount; }

    // The player number that "Play" stores as the current player.
    std::int16_t PlayerNumber() const { return SelectedPlayer; }

private:
    void FillLists();
    void FillResCards(int resPiles, int selectValue);
    void FillPlayers();
    void Play();
    // The variant as the lists stand now.
    Variant ChosenVariant() const;
    void ShowOdds();

    Game &TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
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
    QCheckBox *chkWinnable = nullptr;
    QLabel *lblOdds = nullptr;
    cOdds *OddsCount = nullptr;
    QPushButton *cmdPlay = nullptr;
};

} // namespace tabloo
