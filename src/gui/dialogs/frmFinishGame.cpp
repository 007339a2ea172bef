#include "frmFinishGame.h"
#include "mText.h"

#include "Game.h"
#include "mDialogs.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tabloo {

namespace {

QRadioButton *NewOption(const char *name, const QString &caption, const char *key, QWidget *parent) {
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setProperty("commandKey", QString::fromLatin1(key));
    return option;
}

} // namespace

frmFinishGame::frmFinishGame(Game &game, std::function<void(const QString &key)> runCommand, QWidget *owner)
    : QDialog(owner), TheGame(game), RunCommand(std::move(runCommand)) {
    SetUpDialog(*this, "frmFinishGame", tr("Congrats"));

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setSelectionMode(QAbstractItemView::NoSelection);
    ListView1->setFocusPolicy(Qt::NoFocus);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optNew = NewOption("optNew", tr("New Game"), "F1", Frame1);
    optSelect = NewOption("optSelect", tr("Select Game"), "F2", Frame1);
    optRestart = NewOption("optRestart", tr("Restart Game"), "F4", Frame1);
    optChoose = NewOption("optChoose", tr("Select a Number"), "F7", Frame1);
    auto *options = new QVBoxLayout(Frame1);
    for (QRadioButton *option : {optNew, optSelect, optRestart, optChoose})
        options->addWidget(option);

    cmdOK = NewButton(this, "cmdOK", tr("OK"), true);
    cmdCancel = NewButton(this, "cmdCancel", tr("Cancel"));
    QHBoxLayout *buttons = ButtonRow({cmdOK, cmdCancel});

    auto *top = new QHBoxLayout;
    top->addWidget(ListView1, 1);
    top->addWidget(Frame1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The summary, taken while the clock still runs: the score shown is the one recorded.
    Score = TheGame.GameScore();
    ListView1->addItem(tr(" Game :") + ToQString(TheGame.GameNo()));
    ListView1->addItem(tr(" Time Taken :") + ToQString(Game::FormatElapsed(TheGame.ElapsedSeconds())));
    ListView1->addItem(tr(" Player :") + ToQString(TheGame.CurrentPlayerName()));
    ListView1->addItem(tr(" Score :") + QString::number(Score));
    ListView1->addItem(tr(" Moves :") + QString::number(TheGame.MovesInForce()));
    // Room for the five lines and a long name, without scroll bars.
    const QFontMetrics metrics = ListView1->fontMetrics();
    int widest = 0;
    for (int i = 0; i < ListView1->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(ListView1->item(i)->text()));
    const int frame = 2 * ListView1->frameWidth() + 12;
    ListView1->setFixedWidth(std::max(widest, metrics.horizontalAdvance(tr(" Time Taken :0:00:00"))) + frame + 16);
    ListView1->setMinimumHeight(ListView1->sizeHintForRow(0) * ListView1->count() + frame);

    // The clock stops here, and the win is counted as shown: a kill while the dialog is
    // open finds it recorded and the game no longer kept.
    TheGame.RecordWin(Score);
    TheGame.PlaySound("Win");
    optSelect->setChecked(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmFinishGame::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFinishGame::reject);
}

void frmFinishGame::RecordWin() {
    if (WinRecorded)
        return;
    WinRecorded = true;
    TheGame.EndGame(1, Score);
}

QString frmFinishGame::SelectedKey() const {
    for (const QRadioButton *option : {optNew, optSelect, optRestart, optChoose})
        if (option->isChecked())
            return option->property("commandKey").toString();
    return {};
}

void frmFinishGame::Ok() {
    RecordWin();
    hide();
    const QString key = SelectedKey();
    if (!key.isEmpty() && RunCommand)
        RunCommand(key);
    accept();
}

// OK, Cancel, Escape and the window's close box all end here: the win counts once.
void frmFinishGame::done(int result) {
    RecordWin();
    QDialog::done(result);
}

} // namespace tabloo
