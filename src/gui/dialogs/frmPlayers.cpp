#include "frmPlayers.h"

#include "Game.h"
#include "mDialogs.h"
#include "mIcons.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>

namespace tabloo {

namespace {

const QString kTitle = QStringLiteral("Tabloo");

// Names longer than this would not fit the game's lists and dialogs.
constexpr int kMaxNameLength = 32;

} // namespace

frmPlayers::frmPlayers(Game &game, QWidget *owner)
    : QDialog(owner), TheGame(game), Store(game.Settings), RowIcon(mIcons::PlayerIcon()) {
    SetUpDialog(*this, "frmPlayers", tr("Players"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFrameShadow(QFrame::Sunken);

    ListView1 = new QTreeWidget(Frame1);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({tr("Player Name"), tr("Player ID")});
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->viewport()->installEventFilter(this);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(ListView1);

    cmdAdd = NewButton(this, "cmdAdd", tr("New"));
    cmdEdit = NewButton(this, "cmdEdit", tr("Edit"));
    cmdDelete = NewButton(this, "cmdDelete", tr("Delete"));
    cmdClose = NewButton(this, "cmdClose", tr("Close"), true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdDelete);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);
    resize(400, 280);

    ShowMessage = [this](const QString &title, const QString &text) { QMessageBox::information(this, title, text); };
    AskText = [this](const QString &title, const QString &prompt, const QString &defaultText, bool *ok) {
        QInputDialog ask(this);
        ask.setWindowTitle(title);
        ask.setLabelText(prompt);
        ask.setTextValue(defaultText);
        if (auto *entry = ask.findChild<QLineEdit *>()) {
            entry->setMaxLength(kMaxNameLength);
            entry->setMinimumWidth(entry->fontMetrics().averageCharWidth() * (kMaxNameLength + 2));
        }
        *ok = ask.exec() == QDialog::Accepted;
        return ask.textValue();
    };
    AskYesNo = [this](const QString &title, const QString &text) {
        return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
               QMessageBox::Yes;
    };

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &frmPlayers::UpdateButtons);
    connect(cmdAdd, &QPushButton::clicked, this, &frmPlayers::AddPlayer);
    connect(cmdEdit, &QPushButton::clicked, this, &frmPlayers::EditPlayer);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPlayers::DeletePlayer);
    connect(cmdClose, &QPushButton::clicked, this, &frmPlayers::accept);

    FillPlayerList();
}

std::int16_t frmPlayers::SelectedSlot() const {
    const auto selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return 0;
    return static_cast<std::int16_t>(selected.first()->data(0, Qt::UserRole).toInt());
}

bool frmPlayers::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ListView1->viewport() && event->type() == QEvent::Resize)
        FitColumns();
    return QDialog::eventFilter(watched, event);
}

// The name takes three fifths of the list, the id the rest, less a little so that no
// scroll bar appears sideways.
void frmPlayers::FitColumns() {
    const int w = ListView1->viewport()->width() - 4;
    if (w <= 0)
        return;
    ListView1->setColumnWidth(0, w * 3 / 5);
    ListView1->setColumnWidth(1, w * 2 / 5);
}

// One row for each slot in use, in slot order; the current player's row is selected.
void frmPlayers::FillPlayerList() {
    ListView1->clear();
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot) {
        const std::string name = Store.GetPlayerName(slot);
        if (name.empty())
            continue;
        auto *item = new QTreeWidgetItem(ListView1);
        item->setText(0, QString::fromStdString(name));
        // A long name is cut short in the column; the whole of it shows on hovering.
        item->setToolTip(0, item->text(0));
        item->setText(1, QString::number(Store.GetPlayerUID(slot)));
        item->setIcon(0, RowIcon);
        item->setData(0, Qt::UserRole, int(slot));
    }
    // The player whose games are recorded: the stored one, or the first in use when the
    // stored number names no player.
    SelectSlot(TheGame.CurrentPlayerSlot());
    UpdateButtons();
}

void frmPlayers::SelectSlot(std::int16_t slot) {
    ListView1->clearSelection();
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == slot) {
            ListView1->setCurrentItem(item);
            item->setSelected(true);
            ListView1->scrollToItem(item);
            break;
        }
    }
}

void frmPlayers::UpdateButtons() {
    const bool selected = SelectedSlot() != 0;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void frmPlayers::AddPlayer() {
    if (TheGame.CountPlayers() >= cRegistry::kSlots) {
        ShowMessage(kTitle, tr("Maximum 10 Players Only!"));
        return;
    }
    bool ok = false;
    const QString answer = AskText(kTitle, tr("Enter Player Name :"), QString(), &ok);
    // A name of blanks only would look like no name at all.
    if (!ok || answer.trimmed().isEmpty())
        return;
    const std::string name = answer.toStdString();
    if (NameTaken(name, 0)) {
        ShowMessage(kTitle, tr("Player Exists !"));
        return;
    }
    std::int16_t freeSlot = 0;
    for (std::int16_t slot = cRegistry::kSlots; slot >= 1; --slot)
        if (Store.GetPlayerName(slot).empty())
            freeSlot = slot;
    if (freeSlot == 0)
        return;
    TheGame.CreatePlayer(freeSlot, name);
    FillPlayerList();
}

// Whether a player other than the one in `exceptSlot` has the name, compared exactly.
bool frmPlayers::NameTaken(const std::string &name, std::int16_t exceptSlot) const {
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot)
        if (slot != exceptSlot && Store.GetPlayerName(slot) == name)
            return true;
    return false;
}

// A new name for the slot; its id and counts stay. A name another player has is refused,
// as for a new player: two players of one name could not be told apart.
void frmPlayers::EditPlayer() {
    const std::int16_t slot = SelectedSlot();
    if (slot == 0)
        return;
    bool ok = false;
    const QString current = QString::fromStdString(Store.GetPlayerName(slot));
    const QString answer = AskText(kTitle, tr("Edit Player"), current, &ok);
    if (!ok || answer.trimmed().isEmpty())
        return;
    const std::string name = answer.toStdString();
    if (NameTaken(name, slot)) {
        ShowMessage(kTitle, tr("Player Exists !"));
        return;
    }
    Store.SetPlayerName(slot, name);
    FillPlayerList();
}

// Deleting empties the name only. When the current player goes, the lowest slot still in
// use becomes current; a game the deleted player has on the board counts for nobody.
void frmPlayers::DeletePlayer() {
    const std::int16_t slot = SelectedSlot();
    if (slot == 0)
        return;
    if (TheGame.CountPlayers() == 1) {
        ShowMessage(kTitle, tr("First Player Cannot be deleted"));
        return;
    }
    if (!AskYesNo(kTitle, tr("Are you sure you want to delete this player")))
        return;
    TheGame.DeletePlayer(slot);
    FillPlayerList();
}

} // namespace tabloo
