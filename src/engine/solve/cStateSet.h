// The positions a search has seen, each kept once as a compact key with the position it
// was reached from and a note of the move that led there. A key names, for every card, what it lies on: the card below
// it or the bottom of a pile. Where the piles of an area are alike the bottom names only the area, so positions that
// differ only by the order of such piles share a key.
#pragma once

#include "Position.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tabloo {

struct StateKey {
    // 52 cards × 7 bits: 0..51 the card below, 52.. a pile's bottom, 127 off the board.
    std::uint64_t W[6];
    bool operator==(const StateKey &) const = default;

    void SetUnder(int card, int under) {
        const int bit = card * 7, word = bit >> 6, shift = bit & 63;
        const auto u = static_cast<std::uint64_t>(under);
        W[word] = (W[word] & ~(std::uint64_t(127) << shift)) | u << shift;
        if (shift > 57)
            W[word + 1] = (W[word + 1] & ~(std::uint64_t(127) >> (64 - shift))) | u >> (64 - shift);
    }
};

// Which piles a key counts as a set, by area: none, the goal piles only, or the piles of
// every area (the home piles, the reserve piles, the goal piles). kSettled counts every
// area as a set too, with bottoms of their own, so that its keys never meet the keys of
// positions whose piles count apart in the same search (see cSolver, "settled").
enum Alike : std::uint8_t { kNoneAlike, kGoalsAlike, kAllAlike, kSettled };

// Does a key count the piles of every area as a set.
constexpr bool EveryAreaAlike(Alike alike) { return alike == kAllAlike || alike == kSettled; }

// What a card lying at the bottom of `pile` lies on, in a key.
inline int BottomCode(int pile, Alike alike) {
    if (EveryAreaAlike(alike))
        return (alike == kSettled ? 100 : 52) + (Position::IsHome(pile) ? 0 : Position::IsReserve(pile) ? 1 : 2);
    return alike == kGoalsAlike && Position::IsGoal(pile) ? 52 + Position::kGoal0 : 52 + pile;
}

// The key of a position, the piles `alike` names counting as sets.
StateKey MakeKey(const Position &p, Alike alike);
// The position of a key, on the rules of `rules` (whose cards are ignored). The piles of
// an area that count as a set are filled from its first pile, in the order of their
// bottom cards. A key of kSettled reads as one whatever `alike` says.
Position FromKey(const StateKey &key, const Position &rules, Alike alike);

class cStateSet {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    // Empties the set.
    void Reset();
    // Adds a key reached from position `parent` by the move noted as `move` (the key's
    // hash at hand); returns its number and whether it is new.
    std::uint32_t Insert(const StateKey &key, std::uint64_t hash, std::uint32_t parent, std::uint16_t move,
                         bool &added);
    static std::uint64_t Hash(const StateKey &k);
    // Is the key in the set.
    bool Contains(const StateKey &key, std::uint64_t hash) const;
    // Starts fetching the slot a key with this hash goes to.
    void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&Table[((hash >> 32) * Table.size()) >> 32]); }
    const StateKey &Key(std::uint32_t i) const { return Nodes[i >> kChunkBits][i & kChunkMask].Key; }
    std::uint32_t Parent(std::uint32_t i) const { return Nodes[i >> kChunkBits][i & kChunkMask].Parent; }
    // How many moves from the start the position was first reached (at most 65,535).
    std::uint32_t Depth(std::uint32_t i) const { return Nodes[i >> kChunkBits][i & kChunkMask].Depth; }
    // The note of the move that first reached the position.
    std::uint16_t MoveTo(std::uint32_t i) const { return Nodes[i >> kChunkBits][i & kChunkMask].Move; }
    std::uint64_t Size() const { return Count; }

private:
    struct Node {
        StateKey Key;
        std::uint32_t Parent;
        std::uint16_t Depth;
        std::uint16_t Move;
    };
    static constexpr int kChunkBits = 14;
    static constexpr std::uint32_t kChunkMask = (1u << kChunkBits) - 1;
    // The slot of the key: where it lies, or the empty slot where it would go.
    std::uint64_t Probe(const StateKey &key, std::uint64_t hash) const;
    void Grow();

    // Nodes in chunks, so that growing never copies them.
    std::vector<std::unique_ptr<Node[]>> Nodes;
    // Open addressing: the high half of a slot is the key's hash, the low half its number + 1.
    std::vector<std::uint64_t> Table;
    std::uint32_t Count = 0;
};

} // namespace tabloo
