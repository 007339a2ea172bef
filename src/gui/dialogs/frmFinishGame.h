// "Congrats": opens when a game is won. It sums the game up (number, time, player, score,
// moves), stops the clock, plays the win sound and lets the player choose the next game.
// However it closes, the game is recorded once as won, with the score it showed.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>

class QListWidget;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tabloo {

class Game;

class frmFinishGame : public QDialog {
    Q_OBJECT

public:
    // `runCommand` receives the command key of the next game chosen with OK
    // ("F1" new, "F2" select game, "F4" restart, "F7" choose a number).
    frmFinishGame(Game &game, std::function<void(const QString &key)> runCommand, QWidget *owner = nullptr);

    // The score shown when the dialog opened: the one the won game is recorded with.
    std::int16_t HeldScore() const { return Score; }
    bool Recorded() const { return WinRecorded; }

public slots:
    void done(int result) override;

private:
    void Ok();
    void RecordWin();
    QString SelectedKey() const;

    Game &TheGame;
    std::function<void(const QString &)> RunCommand;
    std::int16_t Score = 0;
    bool WinRecorded = false;

    QListWidget *ListView1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *optNew = nullptr;
    QRadioButton *optSelect = nullptr;
    QRadioButton *optRestart = nullptr;
    QRadioButton *optChoose = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace tabloo
