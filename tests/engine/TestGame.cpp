#include "TestGame.h"

namespace tabloo::test {

namespace {
constexpr std::string_view kRanks = "A23456789TJQK";
constexpr std::string_view kSuits = "HSDC";
} // namespace

std::int16_t TestGame::Id(std::string_view text) const {
    const auto num = kRanks.find(text.at(0)), suit = kSuits.find(text.at(1));
    for (std::int16_t id = 0; id < kTotalCards; ++id)
        if (TheGame.Card(id).Num == static_cast<int>(num) && TheGame.Card(id).Suit == static_cast<int>(suit))
            return id;
    ADD_FAILURE() << "no card " << text;
    return -1;
}

std::string TestGame::Pile(std::int16_t cell, std::int16_t pile) const {
    std::string out;
    for (std::int16_t pos = 0; pos <= TheGame.TopPos(cell, pile); ++pos) {
        const cCard &c = TheGame.Card(TheGame.CardAt(cell, pile, pos));
        out += ' ';
        out += kRanks[c.Num];
        out += kSuits[c.Suit];
    }
    return out;
}

void TestGame::Arrange(std::int16_t homePiles, std::int16_t resPiles,
                       const std::map<std::pair<int, int>, std::string> &piles) {
    Set("Autoplay=0 HomePiles=" + std::to_string(homePiles) + " ResPiles=" + std::to_string(resPiles));
    TheGame.StartGame(1.0);
    cArray &table = TheGame.Array;
    const auto put = [&](std::int16_t id, std::int16_t cell, std::int16_t pile) {
        std::array<bool, cArray::kPositions> turned;
        table.MoveCard(id, cell, pile, static_cast<std::int16_t>(table.GetTop(cell, pile) + 1), 0, kUndoRedo, 0,
                       turned);
    };
    // Everything onto parking pile 0, top cards first.
    for (std::int16_t cell : {kHome, kReserve, kGoal})
        for (std::int16_t p = 0; p < cArray::kPiles; ++p)
            while (table.GetTop(cell, p) >= 0)
                put(table.GetTopPicID(cell, p), kParking, 0);
    for (const auto &[where, cards] : piles) {
        std::istringstream words(cards);
        std::string card;
        while (words >> card) {
            const std::int16_t id = Id(card);
            // Lift what lies on the card onto parking pile 1, place it, put the rest back.
            ASSERT_EQ(TheGame.Card(id).Cell, kParking) << card << " is placed twice";
            while (table.GetTopPicID(kParking, 0) != id)
                put(table.GetTopPicID(kParking, 0), kParking, 1);
            put(id, static_cast<std::int16_t>(where.first), static_cast<std::int16_t>(where.second));
            while (table.GetTop(kParking, 1) >= 0)
                put(table.GetTopPicID(kParking, 1), kParking, 0);
        }
    }
}

void SetAll(cRegistry store, std::string_view pairs) {
    std::istringstream words{std::string(pairs)};
    for (std::string pair; words >> pair;)
        store.Write(cRegistry::kData, pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
}

std::string Record(const cRegistry &store, std::int16_t slot) {
    return "games " + std::to_string(store.GetPlayerGames(slot)) + " won " + std::to_string(store.GetPlayerWin(slot)) +
           " score " + std::to_string(store.GetPlayerScore(slot)) + " moves " +
           std::to_string(store.GetPlayerMoves(slot));
}

bool PlayMoves(Game &g, const std::vector<Move> &moves, std::size_t count) {
    for (std::size_t i = 0; i < moves.size() && i < count; ++i) {
        const Move m = moves[i];
        if (g.WinNoticed() ||
            !g.PlayMove(g.CardAt(AreaOf(m.From), AreaPile(m.From), m.Pos), {AreaOf(m.To), AreaPile(m.To)}))
            return false;
    }
    return true;
}

::testing::AssertionResult Consistent(const Game &g) {
    std::set<int> seen;
    for (std::int16_t cell = 0; cell < cArray::kCells; ++cell)
        for (std::int16_t pile = 0; pile < cArray::kPiles; ++pile) {
            const std::int16_t top = g.TopPos(cell, pile);
            if (top < -1 || top >= cArray::kPositions)
                return ::testing::AssertionFailure() << "pile " << cell << "/" << pile << " has top " << top;
            for (std::int16_t pos = 0; pos <= top; ++pos) {
                const std::int16_t id = g.CardAt(cell, pile, pos);
                if (id < 0 || id >= kTotalCards)
                    return ::testing::AssertionFailure() << "no card at " << cell << "/" << pile << "/" << pos;
                if (!seen.insert(id).second)
                    return ::testing::AssertionFailure() << "card " << id << " lies twice";
                const cCard &c = g.Card(id);
                if (c.Cell != cell || c.Pile != pile || c.Pos != pos)
                    return ::testing::AssertionFailure()
                           << "card " << id << " at " << cell << "/" << pile << "/" << pos << " believes it is at "
                           << c.Cell << "/" << c.Pile << "/" << c.Pos;
            }
        }
    if (seen.size() != static_cast<std::size_t>(kTotalCards))
        return ::testing::AssertionFailure() << seen.size() << " cards on the table";
    return ::testing::AssertionSuccess();
}

int PlayAWhile(Game &g, std::mt19937 &rng, int steps) {
    int i = 0;
    for (; i < steps && !g.WinNoticed(); ++i) {
        const unsigned roll = rng() % 10;
        if (roll == 0) {
            g.Undo(0);
        } else if (roll == 1) {
            g.Redo(0);
        } else {
            const auto moves = g.LegalMoves();
            if (moves.empty())
                break;
            const LegalMove &m = moves[rng() % moves.size()];
            if (!g.PlayMove(m.PicID, m.Target)) {
                ADD_FAILURE() << "a legal move refused at step " << i;
                break;
            }
        }
        if (const auto whole = Consistent(g); !whole) {
            ADD_FAILURE() << whole.message() << " after step " << i;
            break;
        }
    }
    return i;
}

} // namespace tabloo::test
