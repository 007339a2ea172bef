// The splash: the game's name, its version and a fanned hand of cards, for about 2.6 s.
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
    // The 26th tick: time to open the main window.
    void Finished();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QTimer Timer1;
    int Ticks = 0;
};

} // namespace tabloo
