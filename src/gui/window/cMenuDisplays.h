// The score, the time and the moves at the right of the menu bar. The menus come first: when
// the three do not fit beside them, they move under the board, beside the verdict line, so
// that all three stay readable at any width of the window.
#pragma once

class QLabel;
class QMenuBar;
class QStatusBar;
class QWidget;

namespace tabloo {

class Game;

class cMenuDisplays {
public:
    cMenuDisplays(QMenuBar &bar, QStatusBar &status);

    // 0 the score, 1 the time, 2 the moves.
    QLabel *Display(int i) const { return Labels[i]; }
    // Shows the running game's figures; nothing while no game runs.
    void Show(const Game &game);
    // In the menu bar when the three leave room for every menu in a window this wide, else
    // beside the verdict line.
    void Fit(int windowWidth);
    bool InMenuBar() const { return InBar; }

private:
    void SetRoom(bool inBar);

    QMenuBar &Bar;
    QStatusBar &Status;
    QWidget *Corner = nullptr;
    QLabel *Labels[3] = {};
    bool InBar = true;
};

} // namespace tabloo
