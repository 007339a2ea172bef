#include "cPointerPlay.h"

#include "NumText.h"
#include "cBoardView.h"

namespace tabloo {

namespace {

int Twips(double v) { return ClampTo<int>(static_cast<std::int64_t>(RoundHalfEven(v))); }
std::int16_t Twips16(int v) { return ClampTo<std::int16_t>(v); }

} // namespace

cPointerPlay::cPointerPlay(Game &game, cBoardView &board, QObject *parent)
    : QObject(parent), TheGame(game), Board(board) {
    connect(&Board, &cBoardView::CardPressed, this, &cPointerPlay::Pressed);
    connect(&Board, &cBoardView::CardMoved, this, &cPointerPlay::Moved);
    connect(&Board, &cBoardView::CardReleased, this, [this](int picId, double, double) { Released(picId); });
}

void cPointerPlay::Cancel() {
    if (!Drag.Dragging)
        return;
    Drag.Dragging = false;
    PlaceCardsFromTable();
}

void cPointerPlay::PlaceCardsFromTable() {
    // Whatever was lifted goes back where the table has it.
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        const cCard &c = TheGame.Card(id);
        Board.MoveCardTo(id, TheGame.PlaceX(c.Cell, c.Pile, c.Pos), TheGame.PlaceY(c.Cell, c.Pile, c.Pos));
    }
}

void cPointerPlay::Pressed(int picId, double x, double y) {
    // The press has landed every flight already (the window's event filter).
    // A second button pressed during a drag ends that drag.
    emit Pressing();
    Cancel();
    Drag = DragState{};
    if (!TheGame.Running() || TheGame.WinNoticed())
        return;
    Drag.GrabX = Twips(x);
    Drag.GrabY = Twips(y);
    const QPoint at = Board.CardPos(picId);
    const cCard &pressed = TheGame.Card(picId);
    Drag.Cell = pressed.Cell;
    Drag.Pile = pressed.Pile;
    Drag.Pos = pressed.Pos;
    Drag.StartLeft = at.x();
    Drag.StartTop = at.y();
    const std::int16_t riding = TheGame.PickUpCount(static_cast<std::int16_t>(picId));
    if (riding < 0)
        return;
    Drag.RidingCount = riding;
    Drag.Dragging = true;
    // The player takes over: a replay stops, so nothing moves under the lifted cards.
    emit PlayerTakesOver();
    Board.PlaySound("CardDown");
    const cCard &card = TheGame.Card(picId);
    for (std::int16_t i = 1; i <= riding; ++i)
        Board.RaiseCard(TheGame.CardAt(kHome, card.Pile, static_cast<std::int16_t>(card.Pos + i)));
}

void cPointerPlay::Moved(int picId, double x, double y) {
    if (!Drag.Dragging)
        return;
    const QPoint at = Board.CardPos(picId);
    const int left = Twips(at.x() + x - Drag.GrabX), top = Twips(at.y() + y - Drag.GrabY);
    Board.MoveCardTo(picId, left, top);
    Board.RaiseCard(picId);
    Board.HangRiders(picId, Drag.RidingCount, left, top);
}

void cPointerPlay::Released(int picId) {
    if (!Drag.Dragging)
        return;
    Drag.Dragging = false;
    DropCard(picId);
}

void cPointerPlay::DropCard(int picId) {
    const auto id = static_cast<std::int16_t>(picId);
    const cCard &card = TheGame.Card(id);
    if (!TheGame.Running() || card.Cell != Drag.Cell || card.Pile != Drag.Pile || card.Pos != Drag.Pos ||
        TheGame.TopPos(card.Cell, card.Pile) - card.Pos != Drag.RidingCount) {
        // The board changed under the lifted cards: they go back where the table has them.
        PlaceCardsFromTable();
        return;
    }
    // Far off the board the card overlaps no pile, clamped or not.
    const QPoint at = Board.CardPos(picId);
    const PileRef target = TheGame.FindDropTarget(id, Drag.RidingCount, Twips16(at.x()), Twips16(at.y()));
    // The move goes through the game's own drop; a move it refuses puts the cards back.
    if (!target.Valid() || !TheGame.PlayMove(id, target))
        SnapBack(picId);
}

void cPointerPlay::SnapBack(int picId) {
    Board.MoveCardTo(picId, Drag.StartLeft, Drag.StartTop);
    Board.PlaySound("CardUp");
    Board.HangRiders(picId, Drag.RidingCount, Drag.StartLeft, Drag.StartTop);
}

} // namespace tabloo
