#include "cSavedGame.h"

#include "NumText.h"
#include "cRegistry.h"

#include <algorithm>
#include <array>

namespace tabloo {

namespace {

struct RuleKey {
    std::string_view Name;
    std::int16_t GameRules::*Field;
    std::int16_t Low, High;
};

// The nine settings a game is dealt with, under the names section "Data" gives them.
constexpr std::array<RuleKey, 9> kRuleKeys = {{
    {keys::GoalOrder.Name, &GameRules::GoalOrder, 0, 9},
    {keys::GoalBase.Name, &GameRules::GoalBase, 0, kRandomBase},
    {keys::GoalCards.Name, &GameRules::GoalCards, 0, 4},
    {keys::HomeOrder.Name, &GameRules::HomeOrder, 0, 9},
    {keys::HomePiles.Name, &GameRules::HomePiles, 4, 10},
    {keys::HomeAK.Name, &GameRules::HomeAK, 0, 1},
    {keys::MultiMove.Name, &GameRules::MultiMove, 0, 1},
    {keys::ResPiles.Name, &GameRules::ResPiles, 0, 4},
    {keys::ResCards.Name, &GameRules::ResCards, 0, 4},
}};

// The longest values the game writes, with room to spare: a whole number of 64 bits, and
// a part of the log (a hundred records of eight numbers of up to five digits each). A kept
// value longer than these is none the game wrote, and is not read any further.
constexpr std::size_t kMaxNumberText = 20;
constexpr std::size_t kMaxChunkText = cSavedGame::kChunk * 48;

std::string ChunkKey(std::size_t k) { return "Moves" + std::to_string(k); }

std::size_t Chunks(std::size_t records) { return (records + cSavedGame::kChunk - 1) / cSavedGame::kChunk; }

} // namespace

std::string cSavedGame::SlotSection(int slot) {
    return slot == 1 ? std::string(kSection) : std::string(kSection) + std::to_string(slot);
}

bool cSavedGame::ClaimSlot(ISlotLocks &locks) {
    std::string text;
    for (int pass = 0; pass < 2; ++pass)
        for (int slot = 1; slot <= kSlots; ++slot) {
            const std::string section = SlotSection(slot);
            if (pass == 0 && !Registry.Read(section, "GameNo", text))
                continue;
            if (!locks.TryHold(slot))
                continue;
            SlotNo = slot;
            SectionName = section;
            return true;
        }
    SlotNo = 0;
    return false;
}

bool cSavedGame::Present() const {
    if (SlotNo == 0)
        return false;
    std::string text;
    return Registry.Read(SectionName, "GameNo", text);
}

std::string cSavedGame::GameNo() const {
    std::string text;
    Registry.Read(SectionName, "GameNo", text);
    // A number longer than any typed one is told by its start.
    if (text.size() > kMaxGameNoLength) {
        text.resize(kMaxGameNoLength);
        text += "...";
    }
    return text;
}

std::string cSavedGame::EncodeRecords(std::span<const TransRecord> log, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < log.size(); ++i) {
        const TransRecord &r = log[i];
        if (!out.empty())
            out += ' ';
        for (std::int16_t v : {r.PicID, r.SCell, r.SPile, r.SPos, r.DCell, r.DPile, r.DPos, r.mCards}) {
            out += std::to_string(v);
            out += '.';
        }
        out.pop_back();
    }
    return out;
}

bool cSavedGame::DecodeRecords(std::string_view text, std::vector<TransRecord> &out) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        std::array<std::int16_t, 8> v{};
        std::size_t field = 0, start = 0;
        for (std::size_t j = 0; j <= word.size(); ++j) {
            if (j < word.size() && word[j] != '.')
                continue;
            const auto n = ParseWholeAs<std::int16_t>(word.substr(start, j - start));
            if (!n || *n < 0 || field >= v.size())
                return false;
            v[field++] = *n;
            start = j + 1;
        }
        if (field != v.size() || v[0] >= kTotalCards)
            return false;
        out.push_back(TransRecord{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], 0});
        i = end + 1;
    }
    return true;
}

std::optional<SavedGame> cSavedGame::Load(std::string &fault) const {
    auto text = [&](std::string_view key, std::string &value, std::size_t longest) {
        if (!Registry.Read(SectionName, key, value)) {
            fault = "no " + std::string(key);
            return false;
        }
        if (value.size() > longest) {
            fault = std::string(key) + " is too long";
            return false;
        }
        return true;
    };
    auto number = [&](std::string_view key, std::int64_t low, std::int64_t high) -> std::optional<std::int64_t> {
        std::string value;
        if (!text(key, value, kMaxNumberText))
            return std::nullopt;
        const auto n = ParseWhole(value);
        if (!n || *n < low || *n > high) {
            fault = std::string(key) + " is " + value;
            return std::nullopt;
        }
        return n;
    };
    SavedGame game;
    if (!text("GameNo", game.GameNo, kMaxGameNoLength))
        return std::nullopt;
    if (!ParseGameNo(game.GameNo)) {
        fault = "the game number is " + game.GameNo;
        return std::nullopt;
    }
    for (const RuleKey &k : kRuleKeys) {
        const auto v = number(k.Name, k.Low, k.High);
        if (!v)
            return std::nullopt;
        game.Rules.*k.Field = static_cast<std::int16_t>(*v);
    }
    if (game.Rules.ResCards > game.Rules.ResPiles) {
        fault = "more free cell cards than free cells";
        return std::nullopt;
    }
    // Player 0: the game counts for nobody (its player was deleted).
    const auto player = number("Player", 0, cRegistry::kSlots);
    const auto seconds = number("Seconds", 0, INT32_MAX);
    const auto last = number("Last", 0, cTrans::kMaxMoves);
    if (!player || !seconds || !last)
        return std::nullopt;
    const auto current = number("Current", 0, *last);
    if (!current)
        return std::nullopt;
    game.Player = static_cast<std::int16_t>(*player);
    game.Seconds = static_cast<std::int32_t>(*seconds);
    game.Current = static_cast<std::int16_t>(*current);
    for (std::size_t k = 0; k < Chunks(static_cast<std::size_t>(*last)); ++k) {
        std::string chunk;
        const std::size_t before = game.Log.size();
        if (!text(ChunkKey(k), chunk, kMaxChunkText))
            return std::nullopt;
        if (!DecodeRecords(chunk, game.Log) ||
            game.Log.size() - before != std::min(kChunk, static_cast<std::size_t>(*last) - before)) {
            fault = "the moves of " + ChunkKey(k) + " are broken";
            return std::nullopt;
        }
    }
    // Absent in a game never given up.
    std::string givenUp;
    game.GivenUp = Registry.Read(SectionName, "GivenUp", givenUp) && givenUp == "1";
    if (givenUp.size() > kMaxNumberText) {
        fault = "GivenUp is too long";
        return std::nullopt;
    }
    // A game given up before the cards were kept with it earns none.
    std::string cards;
    if (game.GivenUp && Registry.Read(SectionName, "GivenUpCards", cards) && cards.size() <= kMaxNumberText)
        game.GivenUpGoalCards = ParseWholeAs<std::int16_t>(cards).value_or(0);
    game.GivenUpGoalCards = std::clamp<std::int16_t>(game.GivenUpGoalCards, 0, kTotalCards);
    return game;
}

void cSavedGame::Write(const SavedGame &game, std::span<const TransRecord> log) {
    if (SlotNo == 0)
        return;
    cRegistry::Update update(Registry);
    Remove();
    Registry.Write(SectionName, "GameNo", game.GameNo);
    for (const RuleKey &k : kRuleKeys)
        Registry.Write(SectionName, k.Name, std::to_string(game.Rules.*k.Field));
    Registry.Write(SectionName, "Player", std::to_string(game.Player));
    Update(game, log, 1);
}

void cSavedGame::Update(const SavedGame &game, std::span<const TransRecord> log, std::size_t changedFrom) {
    if (SlotNo == 0)
        return;
    cRegistry::Update update(Registry);
    Registry.Write(SectionName, "Seconds", std::to_string(game.Seconds));
    Registry.Write(SectionName, "Last", std::to_string(log.size()));
    Registry.Write(SectionName, "Current", std::to_string(game.Current));
    if (game.GivenUp)
        MarkGivenUp(game.GivenUpGoalCards);
    // Only the parts that hold a changed record are written again.
    const std::size_t from = std::max<std::size_t>(changedFrom, 1);
    for (std::size_t k = from > log.size() ? Chunks(log.size()) : (from - 1) / kChunk; k < Chunks(log.size()); ++k)
        Registry.Write(SectionName, ChunkKey(k), EncodeRecords(log, k * kChunk, (k + 1) * kChunk));
}

// A copy without a slot keeps nothing, and touches no other copy's game.
void cSavedGame::MarkGivenUp(std::int16_t goalCards) {
    if (SlotNo == 0)
        return;
    cRegistry::Update update(Registry);
    Registry.Write(SectionName, "GivenUp", "1");
    Registry.Write(SectionName, "GivenUpCards", std::to_string(goalCards));
}

void cSavedGame::Remove() {
    if (SlotNo != 0)
        Registry.RemoveSection(SectionName);
}

} // namespace tabloo
