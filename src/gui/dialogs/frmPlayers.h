// "Players": the list of the ten player slots in use, where players are added, renamed
// and deleted. A player's name is compared exactly: case and blanks count. Deleting only
// empties the name; the slot keeps its id and counts until a new player takes it.
#pragma once

#include "cRegistry.h"

#include <QDialog>
#include <QIcon>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QFrame;
class QPushButton;
class QTreeWidget;

namespace tabloo {

class Game;

class frmPlayers : public QDialog {
    Q_OBJECT

public:
    frmPlayers(Game &game, QWidget *owner = nullptr);

    // The questions and messages; by default boxes over the dialog, all titled "Tabloo".
    // Tests put their own answers and recorders here.
    std::function<void(const QString &title, const QString &text)> ShowMessage;
    // Returns the text typed; *ok is false when the player cancelled.
    std::function<QString(const QString &title, const QString &prompt, const QString &defaultText, bool *ok)> AskText;
    std::function<bool(const QString &title, const QString &text)> AskYesNo;

    // The slot of the selected row, or 0 when no row is selected.
    std::int16_t SelectedSlot() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillPlayerList();
    void SelectSlot(std::int16_t slot);
    bool NameTaken(const std::string &name, std::int16_t exceptSlot) const;
    void FitColumns();
    void UpdateButtons();
    void AddPlayer();
    void EditPlayer();
    void DeletePlayer();

    Game &TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
    // The picture beside each player's name, drawn once for the dialog.
    const QIcon RowIcon;
    QFrame *Frame1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tabloo
