// What the game's dialogs share: their name, caption, font and modality, and their buttons.
#pragma once

#include <QString>

#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tabloo {

// Names the dialog, captions it, makes it modal and gives it the game's dialog font.
void SetUpDialog(QDialog &dialog, const char *name, const QString &caption);

// A named push button; the one the Enter key presses when isDefault is set.
QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption, bool isDefault = false);

// The buttons side by side at the right.
QHBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons);

} // namespace tabloo
