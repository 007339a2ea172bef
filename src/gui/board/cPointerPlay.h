// Play with the pointer: a press on a card lifts it, with the run of cards riding on it in a
// home pile; moving carries them, one fan step apart; the release drops them on the pile they
// overlap, through the game's own PlayMove, and a pile that does not take them (or none at
// all) sends them back where they were lifted. A board that changed under the lifted cards
// puts every card back where the table has it.
#pragma once

#include "Game.h"

#include <QObject>

#include <cstdint>

namespace tabloo {

class cBoardView;

class cPointerPlay : public QObject {
    Q_OBJECT
public:
    cPointerPlay(Game &game, cBoardView &board, QObject *parent = nullptr);

    bool Dragging() const { return Drag.Dragging; }
    // A drag in progress ends: the lifted cards go back where the table has them (a command,
    // a replay step or the end of the game takes over).
    void Cancel();

signals:
    // A card is pressed: whatever the keys lifted goes back first.
    void Pressing();
    // The player lifts cards: whatever plays by itself (a replay) stops.
    void PlayerTakesOver();

private:
    void Pressed(int picId, double x, double y);
    void Moved(int picId, double x, double y);
    void Released(int picId);
    void DropCard(int picId);
    void SnapBack(int picId);
    void PlaceCardsFromTable();

    struct DragState {
        // Twips; a card dragged over a wide window may go far past the board's own width.
        int GrabX = 0, GrabY = 0;
        int StartLeft = 0, StartTop = 0;
        std::int16_t RidingCount = 0;
        bool Dragging = false;
        // Where the pressed card lay at the press.
        std::int16_t Cell = -1, Pile = -1, Pos = -1;
    };

    Game &TheGame;
    cBoardView &Board;
    DragState Drag;
};

} // namespace tabloo
