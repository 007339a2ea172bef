// "Customize": the board's background colour and whether the board grows with the window,
// the look of the card faces (the design, and two or four suit colours),
// the speeds of the card animations, which sounds play and whether the window tells if the
// game can still be won. Picking a colour only repaints the preview; OK stores everything at
// once and repaints the board in the chosen colour. Cancel, Escape and the close box store
// nothing.
#pragma once

#include "cRegistry.h"

#include <QDialog>
#include <QtGlobal>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

namespace tabloo {

class Game;
class cColorTable;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    // `colors` is the window's colour table, whose remembered entry the dialog leaves as the
    // board has it; `applyBackground` receives the colour value chosen with OK, for the board
    // to repaint.
    frmOptions(Game &game, cColorTable &colors, std::function<void(quint32 colour)> applyBackground,
               QWidget *owner = nullptr);

    // The colour number (1..129) of the selected colour, 0 when none is selected.
    int SelectedColor() const;

private:
    class Preview;

    void ShowSelectedColor();
    void Ok();

    Game &TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store;
    cColorTable &Colors;
    std::function<void(quint32)> ApplyBackground;

    QTabWidget *SSTab1 = nullptr;
    QListWidget *ListView1 = nullptr;
    Preview *Picture1 = nullptr;
    QCheckBox *chkFitBoard = nullptr;
    QComboBox *cboCardFaces = nullptr;
    QCheckBox *chkFourColours = nullptr;
    std::array<QSlider *, 4> Sliders{};
    QListWidget *lvSound = nullptr;
    QCheckBox *chkVerdict = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace tabloo
