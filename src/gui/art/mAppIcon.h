// The game's icon, for the window, the desktop's menu and the software centre: the ace of
// hearts and the ace of spades from the game's own pack, fanned.
#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace tabloo::mAppIcon {

// The square sizes, in pixels, that desktops look for in the hicolor icon theme.
inline constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Paints the icon into the square (0, 0) .. (size, size) of a painter. Small sizes get
// upright cards and outlines a whole pixel wide, so that they stay crisp.
void Paint(QPainter &p, int size);

// The icon as a size x size image with a transparent background.
QImage Render(int size);

// The icon for the window, at the sizes of kSizes up to kLargestWindowIcon: a task bar or a
// window switcher shows no larger, and the larger ones would slow the start for nothing.
inline constexpr int kLargestWindowIcon = 128;
QIcon Icon();

} // namespace tabloo::mAppIcon
