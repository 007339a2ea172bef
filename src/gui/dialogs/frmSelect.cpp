#include "frmSelect.h"
#include "mText.h"

#include "Game.h"
#include "cGames.h"
#include "cOdds.h"
#include "mDialogs.h"
#include "mIcons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tabloo {

namespace {

QComboBox *NewList(const char *name, QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setIconSize(QSize(mIcons::kIconSize, mIcons::kIconSize));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void AddEntry(QComboBox *list, const QIcon &icon, const QString &text, int value) { list->addItem(icon, text, value); }

// Selects the entry whose tag is `value`; a value without an entry selects the first one,
// so that "Play" always finds a choice in every list.
void SelectTag(QComboBox *list, int value) {
    const int at = list->findData(value);
    list->setCurrentIndex(at >= 0 ? at : (list->count() > 0 ? 0 : -1));
}

std::int16_t Tag(const QComboBox *list) { return static_cast<std::int16_t>(list->currentData().toInt()); }

QFormLayout *NewForm(QGroupBox *box) {
    auto *form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

} // namespace

frmSelect::frmSelect(Game &game, QWidget *owner, cSolveService *service)
    : QDialog(owner), TheGame(game), Store(game.Settings) {
    SetUpDialog(*this, "frmSelect", tr("Select Game"));

    auto *tableau = new QGroupBox(tr("Tableau"), this);
    tableau->setObjectName(QStringLiteral("fraTableau"));
    imcHomePiles = NewList("imcHomePiles", tableau);
    imcHorder = NewList("imcHorder", tableau);
    chkMulti = new QCheckBox(tr("Multi Move"), tableau);
    chkMulti->setObjectName(QStringLiteral("chkMulti"));
    chkHomeAK = new QCheckBox(tr("Ace-King Wrapping"), tableau);
    chkHomeAK->setObjectName(QStringLiteral("chkHomeAK"));
    QFormLayout *tableauForm = NewForm(tableau);
    tableauForm->addRow(tr("Piles"), imcHomePiles);
    tableauForm->addRow(tr("Card Arranging Order"), imcHorder);
    tableauForm->addRow(QString(), chkMulti);
    tableauForm->addRow(QString(), chkHomeAK);

    auto *foundation = new QGroupBox(tr("Foundation"), this);
    foundation->setObjectName(QStringLiteral("fraFoundation"));
    imcGorder = NewList("imcGorder", foundation);
    imcGoalBase = NewList("imcGoalBase", foundation);
    imcGoalCards = NewList("imcGoalCards", foundation);
    QFormLayout *foundationForm = NewForm(foundation);
    foundationForm->addRow(tr("Card Arranging Order"), imcGorder);
    foundationForm->addRow(tr("Base Card"), imcGoalBase);
    foundationForm->addRow(tr("Initial Cards"), imcGoalCards);

    auto *freeCells = new QGroupBox(tr("Free Cells"), this);
    freeCells->setObjectName(QStringLiteral("fraFreeCells"));
    imcResPiles = NewList("imcResPiles", freeCells);
    imcResCards = NewList("imcResCards", freeCells);
    QFormLayout *freeForm = NewForm(freeCells);
    freeForm->addRow(tr("Number of Free Cells"), imcResPiles);
    freeForm->addRow(tr("Total Cards in Free Cells"), imcResCards);

    // Who plays, and the one button.
    imcPlayer = NewList("imcPlayer", this);
    imcPlayer->setToolTip(tr("Player"));
    imcPlayer->setMinimumContentsLength(16);
    cmdPlay = NewButton(this, "cmdPlay", tr("Play"), true);
    cmdPlay->setAutoDefault(true);
    cmdPlay->setMinimumWidth(96);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imcPlayer, 1);
    bottom->addSpacing(12);
    bottom->addWidget(cmdPlay);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(tableau, 0, 0);
    grid->addWidget(foundation, 0, 1);
    grid->addWidget(freeCells, 1, 0);
    // The player's list sits level with the last list of the free cells.
    bottom->setContentsMargins(0, 0, 0, freeForm->contentsMargins().bottom() + freeCells->contentsMargins().bottom());
    grid->addLayout(bottom, 1, 1, Qt::AlignBottom);

    // Dealing only games that can be won, and how often these rules can be.
    chkWinnable = new QCheckBox(tr("Winnable deals only"), this);
    chkWinnable->setObjectName(QStringLiteral("chkWinnable"));
    chkWinnable->setChecked(Store.WinnableOnly() != 0);
    lblOdds = new QLabel(this);
    lblOdds->setObjectName(QStringLiteral("lblOdds"));
    auto *odds = new QHBoxLayout;
    odds->addWidget(chkWinnable);
    odds->addSpacing(24);
    odds->addWidget(lblOdds, 1);
    grid->addLayout(odds, 2, 0, 1, 2);
    lblOdds->setVisible(service != nullptr);

    FillLists();
    FillPlayers();
    DealNew = [this] { TheGame.StartGame(TheGame.RandomGameNo()); };

    // Only after the opening fill: a new count of free cells empties the card list to
    // "0" .. that count, with "0" chosen.
    connect(imcResPiles, &QComboBox::currentIndexChanged, this, [this](int) { FillResCards(Tag(imcResPiles), 0); });
    connect(imcResPiles, &QComboBox::activated, this, [this](int) { FillResCards(Tag(imcResPiles), 0); });
    connect(imcPlayer, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            SelectedPlayer = Tag(imcPlayer);
    });
    connect(cmdPlay, &QPushButton::clicked, this, &frmSelect::Play);

    if (service) {
        OddsCount = new cOdds(*service, this);
        connect(OddsCount, &cOdds::Changed, this, &frmSelect::ShowOdds);
        // Any choice that changes the rules counts again.
        auto recount = [this] { OddsCount->Estimate(ChosenVariant()); };
        for (QComboBox *list :
             {imcHomePiles, imcHorder, imcGorder, imcGoalBase, imcGoalCards, imcResPiles, imcResCards})
            connect(list, &QComboBox::currentIndexChanged, OddsCount, recount);
        for (QCheckBox *box : {chkMulti, chkHomeAK})
            connect(box, &QCheckBox::toggled, OddsCount, recount);
        recount();
    }
}

Variant frmSelect::ChosenVariant() const {
    Variant v;
    v.Rules.HomePiles = Tag(imcHomePiles);
    v.Rules.ResPiles = Tag(imcResPiles);
    v.Rules.HomeOrder = Tag(imcHorder);
    v.Rules.GoalOrder = Tag(imcGorder);
    v.Rules.GoalCards = Tag(imcGoalCards);
    v.Rules.ResCards = Tag(imcResCards);
    v.Rules.GoalBase = Tag(imcGoalBase);
    v.Rules.MultiMove = chkMulti->isChecked() ? 1 : 0;
    v.Rules.HomeAK = chkHomeAK->isChecked() ? 1 : 0;
    v.Autoplay = Store.Autoplay() != 0;
    return v;
}

void frmSelect::ShowOdds() {
    lblOdds->setText(OddsCount->Text());
    lblOdds->setToolTip(tr("From %1 random deals: %2 winnable, %3 not winnable, %4 undecided")
                            .arg(OddsCount->Won + OddsCount->Lost + OddsCount->Undecided)
                            .arg(OddsCount->Won)
                            .arg(OddsCount->Lost)
                            .arg(OddsCount->Undecided));
}

void frmSelect::FillLists() {
    const cRegistry &reg = Store;

    for (int n = 4; n <= 10; ++n)
        AddEntry(imcHomePiles, mIcons::CountIcon(n), QString::number(n), n);
    SelectTag(imcHomePiles, reg.HomePiles());

    for (int n = 0; n <= 4; ++n) {
        AddEntry(imcGoalCards, mIcons::CountIcon(n), QString::number(n), n);
        AddEntry(imcResPiles, mIcons::CountIcon(n), QString::number(n), n);
    }
    SelectTag(imcGoalCards, reg.GoalCards());
    SelectTag(imcResPiles, reg.ResPiles());

    for (int n = 0; n < static_cast<int>(kBaseTexts.size()); ++n)
        AddEntry(imcGoalBase, mIcons::RankIcon(n), RuleText(kBaseTexts[n]), n);
    SelectTag(imcGoalBase, reg.GoalBase());

    // The goal piles are built one way only: the first six orders.
    for (int n = 0; n <= 5; ++n)
        AddEntry(imcGorder, mIcons::OrderIcon(n), RuleText(kOrderTexts[n]), n);
    SelectTag(imcGorder, reg.GoalOrder());

    for (int n = 0; n < static_cast<int>(kOrderTexts.size()); ++n)
        AddEntry(imcHorder, mIcons::OrderIcon(n), RuleText(kOrderTexts[n]), n);
    SelectTag(imcHorder, reg.HomeOrder());

    FillResCards(Tag(imcResPiles), reg.ResCards());

    chkMulti->setChecked(reg.MultiMove() != 0);
    chkHomeAK->setChecked(reg.HomeAK() != 0);
}

void frmSelect::FillResCards(int resPiles, int selectValue) {
    imcResCards->clear();
    for (int n = 0; n <= resPiles; ++n)
        AddEntry(imcResCards, mIcons::CountIcon(n), QString::number(n), n);
    SelectTag(imcResCards, selectValue);
}

void frmSelect::FillPlayers() {
    SelectedPlayer = 1;
    const QIcon icon = mIcons::PlayerIcon();
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot) {
        const std::string name = Store.GetPlayerName(slot);
        if (!name.empty())
            AddEntry(imcPlayer, icon, ToQString(name), slot);
    }
    // The player the game records for: the stored slot when it names a player, else the
    // first player.
    SelectTag(imcPlayer, TheGame.CurrentPlayerSlot());
    if (imcPlayer->currentIndex() >= 0)
        SelectedPlayer = Tag(imcPlayer);
}

void frmSelect::Play() {
    cRegistry &reg = Store;
    {
        // The variant and the player reach the file in one replacement of it.
        cRegistry::Update update(reg);
        reg.SetHomePiles(Tag(imcHomePiles));
        reg.SetResPiles(Tag(imcResPiles));
        reg.SetHomeOrder(Tag(imcHorder));
        reg.SetGoalOrder(Tag(imcGorder));
        reg.SetGoalCards(Tag(imcGoalCards));
        reg.SetResCards(Tag(imcResCards));
        reg.SetGoalBase(Tag(imcGoalBase));
        reg.SetCurPlayerInx(std::to_string(SelectedPlayer));
        reg.SetMultiMove(chkMulti->isChecked() ? 1 : 0);
        reg.SetHomeAK(chkHomeAK->isChecked() ? 1 : 0);
        reg.SetWinnableOnly(chkWinnable->isChecked() ? 1 : 0);
    }
    hide();
    // The deal reads the settings just written.
    DealNew();
    accept();
}

} // namespace tabloo
