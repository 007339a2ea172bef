#include "mScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tabloo {

QRect FitInside(QRect outer, const QRect &area) {
    if (!area.isValid())
        return outer;
    outer.setWidth(std::min(outer.width(), area.width()));
    outer.setHeight(std::min(outer.height(), area.height()));
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.left() + area.width() - outer.width()));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.top() + area.height() - outer.height()));
    return outer;
}

QMargins FrameMargins(const QWidget &window) {
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                     outer.bottom() - inner.bottom());
    // A frame is never negative, nor the size of a window.
    if (m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0 || m.top() > 200 || m.left() > 200)
        return {};
    return m;
}

QRect FreeAreaNear(const QWidget &near) {
    QScreen *screen = near.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void PlaceInside(QWidget &window, QPoint outerTopLeft, const QWidget &near) {
    const QRect area = FreeAreaNear(near);
    const QMargins frame = window.isVisible() ? FrameMargins(window) : FrameMargins(near);
    const QRect wanted(outerTopLeft, window.size().grownBy(frame));
    const QRect fitted = FitInside(wanted, area);
    const QSize inner = fitted.size().shrunkBy(frame);
    if (inner != window.size())
        window.resize(inner.expandedTo(window.minimumSize()));
    // A top-level window's place is that of its frame.
    window.move(fitted.topLeft());
}

} // namespace tabloo
