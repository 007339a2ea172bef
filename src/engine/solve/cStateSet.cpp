#include "cStateSet.h"

#include <algorithm>

namespace tabloo {

namespace {
constexpr std::size_t kFirstSlots = 1 << 10;
constexpr int kNowhere = 127;
} // namespace

StateKey MakeKey(const Position &p, Alike alike) {
    std::uint8_t under[56];
    std::fill(std::begin(under), std::end(under), std::uint8_t(kNowhere));
    int at = 0;
    for (int pile = 0; pile < Position::kPiles; ++pile) {
        int below = BottomCode(pile, alike);
        for (int i = 0; i < p.Len[pile]; ++i) {
            const int card = p.Card[at + i];
            under[card] = static_cast<std::uint8_t>(below);
            below = card;
        }
        at += p.Len[pile];
    }
    // Nine cards to a word, the tenth split across two words.
    StateKey k{};
    for (int c = 0; c < 52; ++c) {
        const int bit = c * 7, word = bit >> 6, shift = bit & 63;
        k.W[word] |= std::uint64_t(under[c]) << shift;
        if (shift > 57)
            k.W[word + 1] |= std::uint64_t(under[c]) >> (64 - shift);
    }
    return k;
}

Position FromKey(const StateKey &key, const Position &rules, Alike alike) {
    std::int8_t above[52];
    std::fill(std::begin(above), std::end(above), std::int8_t(-1));
    // The bottom cards of the piles, by pile (alike: by area, in card order).
    std::int8_t bottom[Position::kPiles];
    std::fill(std::begin(bottom), std::end(bottom), std::int8_t(-1));
    int next[3] = {Position::kHome0, Position::kReserve0, Position::kGoal0};
    // The 364 bits of the key, read 7 at a time.
    unsigned __int128 bits = key.W[0];
    int have = 64, word = 1;
    for (int c = 0; c < 52; ++c) {
        if (have < 7) {
            bits |= static_cast<unsigned __int128>(key.W[word++]) << have;
            have += 64;
        }
        const int u = static_cast<int>(bits & 127);
        bits >>= 7;
        have -= 7;
        if (u < 52)
            above[u] = static_cast<std::int8_t>(c);
        else if (u != kNowhere)
            bottom[u >= 100                                             ? next[u - 100]++
                   : alike == kAllAlike                                 ? next[u - 52]++
                   : alike == kGoalsAlike && u - 52 == Position::kGoal0 ? next[2]++
                                                                        : u - 52] = static_cast<std::int8_t>(c);
    }
    Position p = rules;
    int at = 0;
    for (int pile = 0; pile < Position::kPiles; ++pile) {
        p.Len[pile] = 0;
        for (int c = bottom[pile]; c >= 0; c = above[c]) {
            p.Card[at++] = static_cast<std::uint8_t>(c);
            ++p.Len[pile];
        }
    }
    std::fill(p.Card + at, p.Card + 52, std::uint8_t(0));
    return p;
}

void cStateSet::Reset() {
    Count = 0;
    if (Table.size() != kFirstSlots)
        std::vector<std::uint64_t>(kFirstSlots).swap(Table);
    else
        std::fill(Table.begin(), Table.end(), 0);
    // Keep a few chunks for the next search; give the rest back.
    Nodes.resize(std::min<std::size_t>(Nodes.size(), 4));
}

std::uint64_t cStateSet::Hash(const StateKey &k) {
    // Six products side by side, then one mix.
    std::uint64_t h = (k.W[0] * 0x9E3779B97F4A7C15ull) ^ (k.W[1] * 0xBF58476D1CE4E5B9ull) ^
                      (k.W[2] * 0x94D049BB133111EBull) ^ (k.W[3] * 0xD6E8FEB86659FD93ull) ^
                      (k.W[4] * 0xC2B2AE3D27D4EB4Full) ^ (k.W[5] * 0x165667B19E3779F9ull);
    h ^= h >> 31;
    h *= 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

std::uint64_t cStateSet::Probe(const StateKey &key, std::uint64_t hash) const {
    const std::uint64_t tag = hash >> 32, n = Table.size();
    for (std::uint64_t i = (tag * n) >> 32;; i = i + 1 == n ? 0 : i + 1) {
        const std::uint64_t e = Table[i];
        if (e == 0 || ((e >> 32) == tag && Key(static_cast<std::uint32_t>(e) - 1) == key))
            return i;
    }
}

std::uint32_t cStateSet::Insert(const StateKey &key, std::uint64_t hash, std::uint32_t parent, std::uint16_t move,
                                bool &added) {
    if ((Count + 1) * 5ull > Table.size() * 3ull) // at most 60 % full
        Grow();
    const std::uint64_t i = Probe(key, hash);
    added = Table[i] == 0;
    if (!added)
        return static_cast<std::uint32_t>(Table[i]) - 1;
    const std::uint32_t index = Count++;
    if ((index >> kChunkBits) == Nodes.size())
        Nodes.push_back(std::make_unique_for_overwrite<Node[]>(std::size_t(1) << kChunkBits));
    const std::uint32_t depth = parent == kNone ? 0 : std::min<std::uint32_t>(Depth(parent) + 1, 0xFFFF);
    Nodes[index >> kChunkBits][index & kChunkMask] = {key, parent, static_cast<std::uint16_t>(depth), move};
    Table[i] = (hash >> 32) << 32 | (index + 1ull);
    return index;
}

bool cStateSet::Contains(const StateKey &key, std::uint64_t hash) const { return Table[Probe(key, hash)] != 0; }

void cStateSet::Grow() {
    std::vector<std::uint64_t> old(Table.size() * 2);
    old.swap(Table);
    const std::uint64_t n = Table.size();
    for (std::uint64_t e : old)
        if (e != 0)
            for (std::uint64_t i = ((e >> 32) * n) >> 32;; i = i + 1 == n ? 0 : i + 1)
                if (Table[i] == 0) {
                    Table[i] = e;
                    break;
                }
}

} // namespace tabloo
