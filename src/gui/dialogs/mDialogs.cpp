#include "mDialogs.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tabloo {

void SetUpDialog(QDialog &dialog, const char *name, const QString &caption) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    // Tahoma where it is installed, else the system's sans-serif face.
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
}

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption, bool isDefault) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefault(isDefault);
    return button;
}

QHBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace tabloo
