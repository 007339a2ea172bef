// Small pictures for the entries of the dialogs' lists: a pile of cards for a count, arrows
// in suit colours for a build order, a card corner for a rank, a silhouette for a player.
#pragma once

#include <QIcon>

namespace tabloo::mIcons {

// The side of a list icon, in device-independent pixels.
inline constexpr int kIconSize = 16;

// A count of piles or cards, 0 .. 10: that many small cards in rows of five (an empty
// outline for 0).
QIcon CountIcon(int count);
// A build order 0 .. 9: up, down or both arrows; two red arrows for same suit, red and
// black for alternate colour, grey for regardless of suit; a star for any card.
QIcon OrderIcon(int order);
// A base card 0 .. 12 (Ace .. King) as a card with its rank letter, 13 (random) as a die.
QIcon RankIcon(int rank);
// A player.
QIcon PlayerIcon();

} // namespace tabloo::mIcons
