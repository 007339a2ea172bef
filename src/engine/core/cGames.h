// The board: for each area its pile count, how many cards the deal puts there, its build
// order and wrap, and where each card of each pile lies. Also the two vocabularies of a
// variant: the GameRules and the build orders.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tabloo {

// Areas of the board (the Cell of a card location).
enum Area : std::int16_t { kHome = 0, kDeck = 1, kGoal = 3, kReserve = 4 };

inline constexpr std::int16_t kTotalCards = 52;
inline constexpr std::int16_t kGoalPiles = 4;
// Board coordinates are twips: 15 to a pixel.
inline constexpr std::int16_t kTwipsPerPixel = 15;
inline constexpr std::int16_t kCardWidth = 1065;
inline constexpr std::int16_t kCardHeight = 1440;
inline constexpr std::int16_t kBoardWidth = 15480;
inline constexpr std::int16_t kBoardHeight = 11205;
// Cards of a home pile lie this far below one another.
inline constexpr std::int16_t kFanStep = 250;

// The build orders, by their value.
enum BuildOrder : std::int32_t {
    kUpSameSuit = 0,
    kUpAlternateColor,
    kUpRegardless,
    kDownSameSuit,
    kDownAlternateColor,
    kDownRegardless,
    kAnyCard,
    kUpDownSameSuit,
    kUpDownAlternateColor,
    kUpDownRegardless,
};
// Is a pile of the order built up only, or down only.
constexpr bool BuildsUp(int order) { return order >= kUpSameSuit && order <= kUpRegardless; }
constexpr bool BuildsDown(int order) { return order >= kDownSameSuit && order <= kDownRegardless; }
// Built one way in suit: a pile holds one suit, and a card fits on one card at most.
constexpr bool OneWayInSuit(int order) { return order == kUpSameSuit || order == kDownSameSuit; }
// Built up or down in suit: a pile holds one suit, and its second card fixes its way.
constexpr bool EitherWayInSuit(int order) { return order == kUpDownSameSuit; }
inline constexpr std::array<std::string_view, 10> kOrderTexts = {"Up Same Suit",
                                                                 "Up Alternate Color",
                                                                 "Up Regardless of Suit",
                                                                 "Down Same Suit",
                                                                 "Down Alternate Color",
                                                                 "Down Regardless of Suit",
                                                                 "Any Card",
                                                                 "Up or Down Same Suit",
                                                                 "Up or Down Alternate Color",
                                                                 "Up or Down Regardless of Suit"};

// GoalBase 0..12 is a rank, 13 draws one at each game start.
inline constexpr std::int16_t kRandomBase = 13;
inline constexpr std::array<std::string_view, 14> kBaseTexts = {
    "Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Random"};

// The nine settings that design a variant.
struct GameRules {
    std::int16_t GoalOrder = 0;
    std::int16_t GoalBase = 0;
    std::int16_t GoalCards = 0;
    std::int16_t HomeOrder = 4;
    std::int16_t HomePiles = 8;
    std::int16_t HomeAK = 0;
    std::int16_t MultiMove = 1;
    std::int16_t ResPiles = 4;
    std::int16_t ResCards = 0;

    // A value outside its range counts as its default, so that no stored value can break
    // a deal. Build orders stay as they are: an order outside 0..9 fits no pair.
    GameRules Sanitized() const;
    bool operator==(const GameRules &) const = default;
};

// A variant as it is dealt and played: its nine rules and the Autoplay setting.
struct Variant {
    GameRules Rules;
    bool Autoplay = true;
    bool operator==(const Variant &) const = default;
};

struct AreaInfo {
    std::int16_t Piles = 0;
    std::int16_t Cards = 0;
    std::int32_t Order = 0;
    bool AK = false;
    std::int16_t Startx = 0;
    std::int16_t Starty = 0;
    std::int16_t Stepx = 0;
    std::int16_t Stepy = 0;
};

class cGames {
public:
    // Where a card of (cell, pile, pos) lies on the board: its top-left corner in twips.
    std::int16_t GetCordX(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
        const AreaInfo &a = Area(cell);
        const int x = cell == kDeck ? a.Startx : a.Startx + pile * a.Stepx;
        return static_cast<std::int16_t>(x + kOffsetX);
    }
    std::int16_t GetCordY(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
        const AreaInfo &a = Area(cell);
        const int y = cell == kDeck ? a.Starty : a.Starty + pos * a.Stepy;
        return static_cast<std::int16_t>(y + kOffsetY);
    }
    // Sets the geometry; reads Piles(0), so it runs after the home pile count is set.
    void Init();

    std::int16_t Piles(std::int16_t cell) const { return Area(cell).Piles; }
    void SetPiles(std::int16_t cell, std::int16_t v) { Area(cell).Piles = v; }
    void SetStartx(std::int16_t cell, std::int16_t v) { Area(cell).Startx = v; }
    std::int32_t Order(std::int16_t cell) const { return Area(cell).Order; }
    void SetOrder(std::int16_t cell, std::int32_t v) { Area(cell).Order = v; }
    std::int16_t Cards(std::int16_t cell) const { return Area(cell).Cards; }
    void SetCards(std::int16_t cell, std::int16_t v) { Area(cell).Cards = v; }
    bool AK(std::int16_t cell) const { return Area(cell).AK; }
    void SetAK(std::int16_t cell, bool v) { Area(cell).AK = v; }
    std::int16_t GoalBase() const { return mGoalBase; }
    void SetGoalBase(std::int16_t v) { mGoalBase = v; }
    static constexpr std::int16_t TotalCards() { return kTotalCards; }

    // Fills the areas from a variant, in the order the game start uses, then runs Init.
    void FillFromRules(const GameRules &rules);

private:
    // The board's own offset of every card place.
    static constexpr int kOffsetX = 1965;
    static constexpr int kOffsetY = 200;

    AreaInfo &Area(std::int16_t cell) {
        // An area number off the board reads and writes a scratch record.
        if (cell < 0 || cell >= static_cast<int>(Areas.size())) {
            NoArea = AreaInfo{};
            return NoArea;
        }
        return Areas[cell];
    }
    const AreaInfo &Area(std::int16_t cell) const { return const_cast<cGames *>(this)->Area(cell); }

    std::array<AreaInfo, 6> Areas{};
    AreaInfo NoArea{};
    std::int16_t mGoalBase = 0;
};

} // namespace tabloo
