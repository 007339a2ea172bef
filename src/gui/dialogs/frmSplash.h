// The splash: the game's name, its version and a fanned hand of cards, for about 2.6 s, or
// until a click or a key sends the player straight on.
#pragma once

#include <QTimer>
#include <QWidget>

namespace tabloo {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);
    // Ticks of 100 ms until the splash is done.
    static constexpr int kTicks = 26;

signals:
    // The 26th tick, or the player's click or key: time to open the main window (once).
    void Finished();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *) override { Finish(); }
    void keyPressEvent(QKeyEvent *) override { Finish(); }

private:
    void Finish();

    QTimer Timer1;
    int Ticks = 0;
    bool Done = false;
};

} // namespace tabloo
