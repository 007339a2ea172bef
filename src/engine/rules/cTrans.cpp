#include "cTrans.h"

#include "Game.h"

#include <algorithm>

namespace tabloo {

cTrans::cTrans(Game &game) : TheGame(game) { Reset(); }

void cTrans::Reset() {
    Records.assign(kGrowth + 1, TransRecord{});
    Bound = kGrowth;
    Current = 0;
    Last = 0;
}

bool cTrans::SaveTrans(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos,
                       std::int16_t mCards, std::int32_t tMod) {
    if (Current >= kMaxMoves)
        return false;
    // A new move ends the redo chain.
    ++Current;
    Last = Current;
    if (Current > Bound) {
        Bound = static_cast<std::int16_t>(Bound + kGrowth);
        Records.resize(Bound + 1);
    }
    const cCard &card = TheGame.Cards[picId];
    Records[Current] = TransRecord{picId, card.Cell, card.Pile, card.Pos, dCell, dPile, dPos, mCards, tMod};
    TheGame.LogChangedFrom(Current);
    return true;
}

void cTrans::Restore(const std::vector<TransRecord> &records) {
    Reset();
    const std::size_t n = std::min<std::size_t>(records.size(), kMaxMoves);
    Bound = static_cast<std::int16_t>(std::max<std::size_t>(kGrowth, (n + kGrowth - 1) / kGrowth * kGrowth));
    Records.resize(static_cast<std::size_t>(Bound) + 1);
    std::copy(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(n), Records.begin() + 1);
    Last = static_cast<std::int16_t>(n);
}

void cTrans::Truncate(std::int16_t n) {
    if (n < 0 || n >= Last)
        return;
    Last = n;
    if (Current > Last)
        Current = Last;
}

bool cTrans::Undo(std::int16_t speed) {
    if (Current < 1)
        return false;
    if (speed > 3)
        TheGame.View.PlaySound("Undo");
    const TransRecord r = Records[Current];
    TheGame.Array.MoveCard(r.PicID, r.SCell, r.SPile, r.SPos, kUndoRedo, speed, r.mCards, 0);
    if (Current > 0)
        --Current;
    TheGame.SaveRunningGame();
    return true;
}

bool cTrans::Redo(std::int16_t speed) {
    if (Current >= Last)
        return false;
    ++Current;
    if (speed > 3)
        TheGame.View.PlaySound("Redo");
    const TransRecord r = Records[Current];
    TheGame.Array.MoveCard(r.PicID, r.DCell, r.DPile, r.DPos, kUndoRedo, speed, r.mCards, 0);
    TheGame.SaveRunningGame();
    return true;
}

void cTrans::UndoAll(std::int16_t speed) {
    // The store takes the end of it all at once.
    cRegistry::Update update(TheGame.Registry);
    while (Current >= 1)
        Undo(speed);
}

void cTrans::RedoAll(std::int16_t speed) {
    cRegistry::Update update(TheGame.Registry);
    while (Current < Last)
        Redo(speed);
}

} // namespace tabloo
