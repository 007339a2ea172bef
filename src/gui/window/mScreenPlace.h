// Where the game's windows open: inside the free area of the screen the main window is on
// (the desktop's panels and docks left out), whatever size and place they would take.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace tabloo {

// A window's outer rectangle (its frame included) moved, and shrunk where it is larger, so
// that it lies wholly inside `area`.
QRect FitInside(QRect outer, const QRect &area);

// The frame the window manager draws round a window: what its outer rectangle has beyond its
// own area; none before the window has been shown.
QMargins FrameMargins(const QWidget &window);

// The free area of the screen `near` stands on (the first screen while it stands on none).
QRect FreeAreaNear(const QWidget &near);

// Puts a top-level window with its frame's corner at `outerTopLeft`, or as near there as keeps
// it inside the free area of the screen of `near`, shrunk if it is larger than that area. A
// window not shown yet is given the frame of `near`.
void PlaceInside(QWidget &window, QPoint outerTopLeft, const QWidget &near);

} // namespace tabloo
