#include "frmChooseGame.h"

#include "Game.h"
#include "NumText.h"
#include "mDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace tabloo {

frmChooseGame::frmChooseGame(Game &game, QWidget *owner) : QDialog(owner), TheGame(game) {
    SetUpDialog(*this, "frmChooseGame", tr("Select Game"));

    // The range stands on a line of its own.
    Label1 = new QLabel(tr("Select a Game Number between\n0 and 999,999,999,999,999"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("9999999999999999")) + 16);

    cmdSelect = NewButton(this, "cmdSelect", tr("Select"), true);
    cmdCancel = NewButton(this, "cmdCancel", tr("Cancel"));
    QHBoxLayout *buttons = ButtonRow({cmdSelect, cmdCancel});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowMessage = [this](const QString &title, const QString &text) { QMessageBox::information(this, title, text); };

    // A random number, fully selected, so that typing replaces it.
    OfferNumber(TheGame.RandomGameNo());
    Text1->setFocus();

    connect(cmdSelect, &QPushButton::clicked, this, &frmChooseGame::Select);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChooseGame::reject);
}

void frmChooseGame::OfferNumber(double gameNo) {
    if (Text1->text() != Offered)
        return;
    Offered = QString::fromStdString(FormatGameNo(gameNo));
    Text1->setText(Offered);
    Text1->selectAll();
}

bool frmChooseGame::IsValidGameNo(const QString &text) {
    // The dialog leaves out both ends of the range it names.
    const std::optional<double> v = ParseGameNo(text.toStdString());
    return v && *v > 0.0 && *v < kMaxGameNo;
}

void frmChooseGame::Select() {
    const QString text = Text1->text();
    if (!IsValidGameNo(text)) {
        InvalidNumber();
        return;
    }
    hide();
    TheGame.StartGame(text.toStdString());
    accept();
}

void frmChooseGame::InvalidNumber() {
    if (ShowMessage)
        ShowMessage(QStringLiteral("Tabloo"), tr("Please Enter a valid number between 0 and 999,999,999,999,999"));
    Text1->setText(QStringLiteral("0"));
    Text1->setFocus();
}

} // namespace tabloo
