#include "cDealer.h"

#include "NumText.h"

namespace tabloo {

cDealer::Variant cDealer::FromStore(const cRegistry &registry) {
    Variant v;
    for (const DataKey &k : {keys::HomePiles, keys::ResPiles, keys::HomeOrder, keys::GoalOrder, keys::GoalCards,
                             keys::ResCards, keys::GoalBase, keys::HomeAK, keys::MultiMove, keys::Autoplay})
        v.emplace_back(std::string(k.Name), std::to_string(registry.Get(k)));
    return v;
}

cDealer::cDealer(const Variant &variant) {
    // Nothing dealt here is a game anyone plays: no record, no game kept for later.
    TheGame.KeepGames(false);
    for (const auto &[key, value] : variant)
        cRegistry(TheGame.Settings).Write(cRegistry::kData, key, value);
    TheGame.EnsureFirstPlayer();
}

Position cDealer::Deal(double gameNo) {
    TheGame.StartGame(FormatGameNo(gameNo));
    return TheGame.CurrentPosition();
}

} // namespace tabloo
