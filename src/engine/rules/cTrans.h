// The move log of one game: every play move is recorded before the card leaves its
// place; the log walks back and forth through its records for undo and redo.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tabloo {

struct TransRecord {
    std::int16_t PicID = 0;
    std::int16_t SCell = 0, SPile = 0, SPos = 0;
    std::int16_t DCell = 0, DPile = 0, DPos = 0;
    std::int16_t mCards = 0;
    std::int32_t tMod = 0;
    bool operator==(const TransRecord &) const = default;
};

class cTrans {
public:
    // The table grows by this many records at a time, up to kMaxMoves.
    static constexpr std::int16_t kGrowth = 100;
    static constexpr std::int16_t kMaxMoves = 32700;

    cTrans() { Reset(); }

    // Records a move about to be made; it ends the redo chain. False when the log is full:
    // the move must not be made.
    bool SaveTrans(const TransRecord &record);
    // The record an undo takes back, the current index already one lower; none when no
    // move is in force.
    const TransRecord *StepBack();
    // The record a redo makes again, the current index already one higher; none at the end
    // of the log.
    const TransRecord *StepForward();
    // The number of moves in force.
    std::int16_t GetTransID() const { return Current; }
    bool UndoPossible() const { return Current >= 1; }
    bool RedoPossible() const { return Current < Last; }

    // A new, empty log in place of this one.
    void Reset();

    std::int16_t UpperBound() const { return Bound; }
    std::int16_t LastIndex() const { return Last; }
    // Record i (1 .. LastIndex()).
    const TransRecord &Record(std::int16_t i) const { return Records[i]; }
    // Records 1 .. LastIndex().
    std::span<const TransRecord> Log() const { return {Records.data() + 1, static_cast<std::size_t>(Last)}; }
    // A log of these records (1 ..), none of them in force yet: redo makes them again.
    void Restore(const std::vector<TransRecord> &records);
    // Drops the records after record n (the current index stays at most n).
    void Truncate(std::int16_t n);

private:
    std::vector<TransRecord> Records;
    std::int16_t Bound = kGrowth;
    std::int16_t Current = 0;
    std::int16_t Last = 0;
};

} // namespace tabloo
