// The score, the time and the moves at the right of the menu bar. The menus come first: the
// displays that do not fit beside them give way, the score first, then the moves, then the
// time.
#pragma once

class QLabel;
class QMenuBar;
class QWidget;

namespace tabloo {

class Game;

class cMenuDisplays {
public:
    explicit cMenuDisplays(QMenuBar &bar);

    // 0 the score, 1 the time, 2 the moves.
    QLabel *Display(int i) const { return Labels[i]; }
    // Shows the running game's figures; nothing while no game runs.
    void Show(const Game &game);
    // Shows as many as leave room for every menu in a window this wide.
    void Fit(int windowWidth);

private:
    QMenuBar &Bar;
    QWidget *Corner = nullptr;
    QLabel *Labels[3] = {};
};

} // namespace tabloo
