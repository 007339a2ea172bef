// Play without dragging. From the keyboard: a frame marks the pile in focus, the arrow keys
// move it (Left and Right along a row, Up and Down between the row of reserve and goal
// piles and the home row), Shift+Up and Shift+Down take one card more or less of a run in
// a home pile, Space or Enter lifts the chosen cards and lays them on the pile in focus,
// Escape puts them back (a pile that does not take them sends them back too, and the focus
// goes with them). With the mouse: a double-click sends a card that may be lifted
// alone up to a goal pile, else down to the first empty reserve pile. Every move is the
// game's own PlayMove, as a drag's drop is. The board tells assistive technology which pile
// is in focus and what lies there.
#pragma once

#include "Game.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace tabloo {

class cBoardView;
class cFocusFrame;

class cKeyboardPlay : public QObject {
    Q_OBJECT
public:
    cKeyboardPlay(Game &game, cBoardView &board, QObject *parent = nullptr);
    ~cKeyboardPlay() override;

    // The pile in focus, and how many cards of it are chosen (from the top card down).
    PileRef Focus() const { return mFocus; }
    int Chosen() const { return mChosen; }
    // The card lifted by key, or -1.
    int LiftedCard() const { return mLifted ? mLifted->PicID : -1; }
    bool FrameShown() const;
    // What the board tells assistive technology: "Ten of hearts on home pile 3".
    QString Description() const;

    // Lifted cards go back where the table has them, and the focus with them, silently (a command, a press of the
    // mouse or the end of the game takes over).
    void Cancel();
    // Brings the focus, the frame and the description in line with the table (a move, an
    // undo or a new deal changes the piles).
    void Refresh();
    // The double-click's move; false, with nothing changed, when the card goes nowhere.
    bool SendAway(int picId);

signals:
    // The player lifts cards: whatever plays by itself (a replay) stops.
    void PlayerTakesOver();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Lift {
        std::int16_t PicID = -1, Riding = 0;
        PileRef From;
    };

    bool KeyPressed(int key, bool shift);
    // The piles of the home row, or of the row of reserve and goal piles, from the left.
    std::vector<PileRef> Row(bool home) const;
    void MoveAlongRow(int step);
    void ChangeRow();
    void Choose(int step);
    void LiftOrDrop();
    // The longest run the pick-up rule lets the player lift from the pile in focus.
    int MostChosen() const;
    // Lifted cards hang over the pile in focus, a little raised.
    void HangLifted();
    void PlaceLiftedBack();
    // Where a card lies in the pile in focus, in words.
    QString CardName(std::int16_t picId) const;
    QString PileName(PileRef pile) const;

    Game &TheGame;
    cBoardView &Board;
    cFocusFrame *Frame = nullptr;
    PileRef mFocus{kHome, 0};
    int mChosen = 1;
    std::optional<Lift> mLifted;
    // The frame shows once the keys are used, until the mouse presses a card.
    bool mShown = false;
};

} // namespace tabloo
