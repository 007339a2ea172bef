// "Select Game": the player types the number of the game to deal, so that a game can be
// played again or shared by its number. The entry opens with a random number, fully
// selected; Select deals the number exactly as typed when it lies strictly between 0 and
// 999,999,999,999,999, and otherwise says so, resets the entry to "0" and keeps the dialog
// open. Cancel deals nothing and lets a running game go on.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tabloo {

class Game;

class frmChooseGame : public QDialog {
    Q_OBJECT

public:
    frmChooseGame(Game &game, QWidget *owner = nullptr);

    // Shows the message about a refused number; by default an information box over the
    // dialog. Tests put their own recorder here.
    std::function<void(const QString &title, const QString &text)> ShowMessage;

    // Does this text name a game that can be dealt: plain decimal digits with an optional
    // sign and an optional fraction, of a value above 0 and below 999,999,999,999,999.
    static bool IsValidGameNo(const QString &text);

    // Offers this number instead of the one the entry holds, unless the player has typed
    // something else meanwhile.
    void OfferNumber(double gameNo);

private:
    void Select();
    void InvalidNumber();

    Game &TheGame;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;
    QString Offered;
};

} // namespace tabloo
