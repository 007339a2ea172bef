#include "frmOptions.h"

#include "Game.h"
#include "cCardArt.h"
#include "mColors.h"
#include "mDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tabloo {

namespace {

// A speed is the pause between animation steps: 0 is a jump, 50 the slowest. The sliders
// run the other way, fast at the right.
constexpr int kSlowest = 50;

// A control's caption and the setting it edits.
struct CaptionedKey {
    const char *Caption;
    const DataKey &Key;
};
const std::array<CaptionedKey, 4> kSpeeds = {{
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Card Moving Speed"), keys::CardSpeed},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Undo/Redo Speed"), keys::UndoSpeed},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Undoall/Redoall Speed"), keys::UndoallSpeed},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Replay Speed"), keys::ReplaySpeed},
}};

const std::array<CaptionedKey, 7> kSounds = {{
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Initial Shuffle"), keys::SoundStart},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Card Up"), keys::SoundCardUp},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Card Down"), keys::SoundCardDown},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Autoplay Move"), keys::SoundAutoPlay},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Undo"), keys::SoundUndo},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Redo"), keys::SoundRedo},
    {QT_TRANSLATE_NOOP("tabloo::frmOptions", "Game Won"), keys::SoundWin},
}};

constexpr int kColorRole = Qt::UserRole;
constexpr int kValueRole = Qt::UserRole + 1;

QIcon Swatch(quint32 colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(colour));
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

QLabel *SmallLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.85);
    else
        font.setPixelSize(std::max(1, font.pixelSize() * 85 / 100));
    label->setFont(font);
    return label;
}

} // namespace

// The board's gradient in miniature, in the colour picked in the list.
class frmOptions::Preview : public QWidget {
public:
    explicit Preview(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("Picture1")); }

    void SetColour(quint32 colour) {
        if (colour == Colour)
            return;
        Colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        PaintGradient(p, QRectF(rect().adjusted(1, 1, -1, -1)), Colour, 1);
    }

private:
    quint32 Colour = 0;
};

frmOptions::frmOptions(Game &game, cColorTable &colors, std::function<void(quint32 colour)> applyBackground,
                       QWidget *owner)
    : QDialog(owner), TheGame(game), Store(game.Settings), Colors(colors), ApplyBackground(std::move(applyBackground)) {
    SetUpDialog(*this, "frmOptions", tr("Customize"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    // Background: the colours by name, and the board as it would look.
    auto *background = new QWidget(SSTab1);
    ListView1 = new QListWidget(background);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setIconSize(QSize(16, 12));
    // The entry the board is painted with, taken before the list walks through them all.
    const ColorEntry current = Colors.GetColorEntry(Store.ColorIndex());
    for (int n = 1; n <= kColorCount; ++n) {
        const ColorEntry entry = Colors.GetColorEntry(n);
        auto *item = new QListWidgetItem(Swatch(entry.Value), ColourName(entry.Name), ListView1);
        item->setData(kColorRole, n);
        item->setData(kValueRole, entry.Value);
    }
    ListView1->setMinimumHeight(10 * ListView1->sizeHintForRow(0) + 2 * ListView1->frameWidth());
    ListView1->setMinimumWidth(ListView1->sizeHintForColumn(0) + 2 * ListView1->frameWidth() +
                               ListView1->verticalScrollBar()->sizeHint().width() + 8);

    Picture1 = new Preview(background);
    Picture1->setFixedSize(150, 190);
    auto *previewCaption = new QLabel(tr("Preview"), background);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewCaption);
    previewColumn->addWidget(Picture1);
    previewColumn->addStretch(1);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(ListView1, 1);
    colourRow->addLayout(previewColumn);
    // The whole board grows with the window, its cards drawn afresh at the size shown.
    chkFitBoard = new QCheckBox(tr("&Fit the board to the window"), background);
    chkFitBoard->setObjectName(QStringLiteral("chkFitBoard"));
    chkFitBoard->setChecked(Store.FitBoard() == 1);
    // The faces: the classic design or Large print, in two colours or four.
    const cFaceLook look = cFaceLook::FromSettings(Store.CardFaces(), Store.FourColours());
    cboCardFaces = new QComboBox(background);
    cboCardFaces->setObjectName(QStringLiteral("cboCardFaces"));
    cboCardFaces->addItem(tr("Classic"), int(cFaceLook::kClassic));
    cboCardFaces->addItem(tr("Large print"), int(cFaceLook::kLargePrint));
    cboCardFaces->setCurrentIndex(cboCardFaces->findData(int(look.Faces)));
    auto *facesCaption = new QLabel(tr("Card fa&ces:"), background);
    facesCaption->setBuddy(cboCardFaces);
    chkFourColours = new QCheckBox(tr("Four-colour &deck"), background);
    chkFourColours->setObjectName(QStringLiteral("chkFourColours"));
    chkFourColours->setToolTip(tr("Hearts red, diamonds blue, clubs green, spades black"));
    chkFourColours->setChecked(look.FourColours);
    auto *facesRow = new QHBoxLayout;
    facesRow->addWidget(facesCaption);
    facesRow->addWidget(cboCardFaces);
    facesRow->addSpacing(12);
    facesRow->addWidget(chkFourColours);
    facesRow->addStretch(1);
    auto *backgroundLayout = new QVBoxLayout(background);
    backgroundLayout->addLayout(colourRow, 1);
    backgroundLayout->addWidget(chkFitBoard);
    backgroundLayout->addLayout(facesRow);
    SSTab1->addTab(background, tr("Background"));

    // Animation and sounds: a slider for each kind of card movement, a switch per sound.
    auto *animation = new QWidget(SSTab1);
    auto *speedColumn = new QVBoxLayout;
    for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
        auto *frame = new QGroupBox(tr(kSpeeds[i].Caption), animation);
        auto *slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("Slider%1").arg(i + 1));
        slider->setRange(0, kSlowest);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(5);
        slider->setValue(kSlowest - std::clamp<int>(Store.Get(kSpeeds[i].Key), 0, kSlowest));
        Sliders[i] = slider;
        auto *ends = new QHBoxLayout;
        ends->addWidget(SmallLabel(tr("Slow"), frame));
        ends->addStretch(1);
        ends->addWidget(SmallLabel(tr("Fast"), frame));
        auto *frameLayout = new QVBoxLayout(frame);
        frameLayout->setContentsMargins(8, 4, 8, 4);
        frameLayout->setSpacing(0);
        frameLayout->addWidget(slider);
        frameLayout->addLayout(ends);
        speedColumn->addWidget(frame);
    }
    speedColumn->addStretch(1);

    auto *soundFrame = new QGroupBox(tr("Sounds"), animation);
    lvSound = new QListWidget(soundFrame);
    lvSound->setObjectName(QStringLiteral("lvSound"));
    lvSound->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const CaptionedKey &sound : kSounds) {
        auto *item = new QListWidgetItem(tr(sound.Caption), lvSound);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Store.Get(sound.Key) != 0 ? Qt::Checked : Qt::Unchecked);
    }
    // Just the seven switches, without scrolling.
    lvSound->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvSound->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A little air between the rows, and room for every row without scrolling.
    constexpr int kRowGap = 2;
    lvSound->setSpacing(kRowGap);
    lvSound->setFixedSize(lvSound->sizeHintForColumn(0) + 2 * lvSound->frameWidth() + 12 + 2 * kRowGap,
                          (lvSound->sizeHintForRow(0) + 2 * kRowGap) * lvSound->count() + 2 * lvSound->frameWidth() +
                              4);
    auto *soundLayout = new QVBoxLayout(soundFrame);
    soundLayout->addWidget(lvSound);
    soundLayout->addStretch(1);

    auto *animationLayout = new QHBoxLayout(animation);
    animationLayout->addLayout(speedColumn, 1);
    animationLayout->addWidget(soundFrame);
    SSTab1->addTab(animation, tr("&Animation && Sounds"));

    chkVerdict = new QCheckBox(tr("Tell whether the game can still be won"), this);
    chkVerdict->setObjectName(QStringLiteral("chkVerdict"));
    chkVerdict->setChecked(Store.ShowVerdict() != 0);

    cmdOK = NewButton(this, "cmdOK", tr("OK"), true);
    cmdCancel = NewButton(this, "cmdCancel", tr("Cancel"));
    QHBoxLayout *buttons = ButtonRow({cmdOK, cmdCancel});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addWidget(chkVerdict);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The board's colour selected and in sight. A stored number with no entry in the list
    // selects nothing: the preview shows the colour the board is painted with.
    const int index = Store.ColorIndex();
    QListWidgetItem *selected = index >= 1 && index <= kColorCount ? ListView1->item(index - 1) : nullptr;
    // Filling the list moved the remembered entry: put it back, so that the board keeps
    // its colour whatever the player does here.
    const auto named =
        current.Name.isEmpty() ? QList<QListWidgetItem *>() : ListView1->findItems(current.Name, Qt::MatchExactly);
    if (!named.isEmpty())
        Colors.GetColorEntry(named.front()->data(kColorRole).toInt());
    else
        Colors.ResetMemory();
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &frmOptions::ShowSelectedColor);
    if (selected) {
        ListView1->setCurrentItem(selected);
        ListView1->scrollToItem(selected, QAbstractItemView::PositionAtCenter);
    } else {
        Picture1->SetColour(Colors.GetColorEntry(index).Value);
    }
    // The colours are what the player came for.
    ListView1->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);
}

int frmOptions::SelectedColor() const {
    const QList<QListWidgetItem *> items = ListView1->selectedItems();
    return items.isEmpty() ? 0 : items.front()->data(kColorRole).toInt();
}

void frmOptions::ShowSelectedColor() {
    const QList<QListWidgetItem *> items = ListView1->selectedItems();
    if (!items.isEmpty())
        Picture1->SetColour(items.front()->data(kValueRole).toUInt());
}

void frmOptions::Ok() {
    // Every setting of the dialog reaches the file in one replacement of it.
    cRegistry::Update update(Store);
    const int n = SelectedColor();
    if (n >= 1) {
        Store.SetColorIndex(static_cast<std::int16_t>(n));
        if (ApplyBackground)
            ApplyBackground(Colors.GetColorEntry(n).Value);
    }
    Store.SetFitBoard(chkFitBoard->isChecked() ? 1 : 0);
    Store.SetCardFaces(static_cast<std::int16_t>(cboCardFaces->currentData().toInt()));
    Store.SetFourColours(chkFourColours->isChecked() ? 1 : 0);
    for (std::size_t i = 0; i < kSpeeds.size(); ++i)
        Store.Set(kSpeeds[i].Key, static_cast<std::int16_t>(kSlowest - Sliders[i]->value()));
    for (std::size_t i = 0; i < kSounds.size(); ++i)
        Store.Set(kSounds[i].Key, lvSound->item(static_cast<int>(i))->checkState() == Qt::Checked ? -1 : 0);
    Store.SetShowVerdict(chkVerdict->isChecked() ? 1 : 0);
    accept();
}

} // namespace tabloo
