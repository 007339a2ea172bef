// The Customize dialog: shows and stores colour, faces, speeds and sounds with OK; else stores nothing.
#include "WindowFixture.h"

#include <cstdlib>

using namespace tabloo;

namespace {

// The table of a window: its game, and the colour table it hands the dialog.
struct OptionsTable : test::TestGame {
    cColorTable Colors;
};

struct OptionsDialog {
    std::vector<quint32> Applied;
    frmOptions Dialog;
    QListWidget *Colours = Dialog.findChild<QListWidget *>(QStringLiteral("ListView1"));
    QListWidget *Sounds = Dialog.findChild<QListWidget *>(QStringLiteral("lvSound"));
    explicit OptionsDialog(OptionsTable &t) : Dialog(t.TheGame, t.Colors, [this](quint32 c) { Applied.push_back(c); }) {
        Dialog.show();
        QApplication::processEvents();
    }
    QSlider *Slider(int n) { return Dialog.findChild<QSlider *>(QStringLiteral("Slider%1").arg(n)); }
    void Click(const char *name) { Dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click(); }
    // Whether the preview's top, inside its border, shows this colour (give or take the next band).
    bool PreviewTopIs(quint32 colour) {
        QWidget *preview = Dialog.findChild<QWidget *>(QStringLiteral("Picture1"));
        const QColor top = preview->grab().toImage().pixelColor(preview->width() / 2, 1), want = ToQColor(colour);
        const int off = std::abs(top.red() - want.red()) + std::abs(top.green() - want.green());
        return off + std::abs(top.blue() - want.blue()) <= 8;
    }
};

// The stored colour, the four speeds and the seven sound switches, in the dialog's order.
std::vector<int> Stored(const cRegistry &r) {
    return {r.ColorIndex(),  r.CardSpeed(),     r.UndoSpeed(),     r.UndoallSpeed(), r.ReplaySpeed(), r.SoundStart(),
            r.SoundCardUp(), r.SoundCardDown(), r.SoundAutoPlay(), r.SoundUndo(),    r.SoundRedo(),   r.SoundWin()};
}

} // namespace

TEST(Options, OpensOnTheStoredValuesAndOkKeepsThemTheSlidersAndTheCardFaces) {
    OptionsTable t;
    {
        OptionsDialog d(t);
        ASSERT_EQ(d.Colours->count(), kColorCount);
        EXPECT_EQ(d.Colours->currentRow(), kDefaultColorIndex - 1);
        ASSERT_EQ(d.Sounds->count(), 7);
        // The card clicks are off, the other five sounds on.
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(d.Sounds->item(i)->checkState(), i == 1 || i == 2 ? Qt::Unchecked : Qt::Checked) << i;
        EXPECT_EQ(d.Slider(1)->value(), 45);
        EXPECT_TRUE(d.PreviewTopIs(t.Colors.GetColorEntry(kDefaultColorIndex).Value));
        d.Click("cmdOK");
        EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
        EXPECT_EQ(d.Applied, std::vector<quint32>{t.Colors.GetColorEntry(kDefaultColorIndex).Value});
    }
    EXPECT_EQ(Stored(t.Store), (std::vector<int>{kDefaultColorIndex, 5, 5, 2, 7, -1, 0, 0, -1, -1, -1, -1}));

    // Stored values show, and OK keeps them and the sliders' ends.
    t.Set("ColorIndex=100 UndoSpeed=13 SoundCardUp=1 SoundWin=0");
    {
        OptionsDialog d(t);
        EXPECT_EQ(d.Slider(2)->value(), 37);
        d.Slider(1)->setValue(d.Slider(1)->maximum());
        d.Slider(4)->setValue(d.Slider(4)->minimum());
        const long replacements = t.Settings.Replacements;
        d.Click("cmdOK");
        EXPECT_EQ(t.Settings.Replacements, replacements + 1) << "every setting in one replacement of the file";
        EXPECT_EQ(d.Applied, std::vector<quint32>{t.Colors.GetColorEntry(100).Value});
    }
    EXPECT_EQ(Stored(t.Store), (std::vector<int>{100, 0, 13, 2, 50, -1, -1, 0, -1, -1, -1, 0}));

    // The card faces and four colours show as stored, and only OK stores them.
    t.Set("CardFaces", "7"); // a design the game does not know: the classic faces
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        OptionsDialog d(t);
        auto *faces = d.Dialog.findChild<QComboBox *>(QStringLiteral("cboCardFaces"));
        auto *four = d.Dialog.findChild<QCheckBox *>(QStringLiteral("chkFourColours"));
        ASSERT_TRUE(faces && four);
        ASSERT_EQ(faces->count(), 2);
        // Round 0 opens on the unknown value, OK stores both; round 1 opens on them and cancels; round 2 resets them.
        EXPECT_EQ(faces->currentIndex(), round == 0 ? 0 : 1);
        EXPECT_EQ(four->isChecked(), round != 0);
        faces->setCurrentIndex(round == 0 ? 1 : 0);
        four->setChecked(round == 0);
        d.Click(round == 1 ? "cmdCancel" : "cmdOK");
        EXPECT_EQ(t.Store.CardFaces(), round < 2 ? 1 : 0);
        EXPECT_EQ(t.Store.FourColours(), round < 2 ? 1 : 0);
    }
}

TEST(Options, PickingAColourThenLeavingOtherwiseStoresNothing) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        OptionsTable t;
        const long writes = t.Settings.Writes;
        OptionsDialog d(t);
        const auto red = d.Colours->findItems(QStringLiteral("Red"), Qt::MatchExactly);
        ASSERT_EQ(red.size(), 1);
        d.Colours->setCurrentItem(red[0]);
        d.Sounds->item(0)->setCheckState(Qt::Unchecked);
        d.Slider(1)->setValue(0);
        EXPECT_TRUE(d.PreviewTopIs(FromQColor(QColor(255, 0, 0))));
        EXPECT_FALSE(d.PreviewTopIs(t.Colors.GetColorEntry(kDefaultColorIndex).Value));
        if (way == 0)
            d.Click("cmdCancel");
        else if (way == 1)
            d.Dialog.close();
        else
            QTest::keyClick(&d.Dialog, Qt::Key_Escape);
        EXPECT_FALSE(d.Dialog.isVisible());
        EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(d.Applied.empty());
        EXPECT_EQ(t.Settings.Writes, writes);
        EXPECT_EQ(t.Store.ColorIndex(), kDefaultColorIndex);
    }
}

TEST(Options, OutOfRangeValuesOpenSafely) {
    OptionsTable t;
    t.Set("CardSpeed=80 UndoSpeed=-5");
    {
        OptionsDialog d(t);
        EXPECT_EQ(d.Slider(1)->value(), 0);
        EXPECT_EQ(d.Slider(2)->value(), 50);
    }
    // A number with no entry selects nothing, previews the board's colour, and OK keeps it.
    t.Colors.ResetMemory();
    t.Set("ColorIndex", "500");
    EXPECT_EQ(OptionsDialog(t).Dialog.SelectedColor(), 0);
    EXPECT_TRUE(t.Colors.GetColorEntry(500).Name.isEmpty()); // the board's colour is left alone
    const ColorEntry board = t.Colors.GetColorEntry(42);
    t.Set("ColorIndex", "0");
    OptionsDialog d(t);
    EXPECT_EQ(d.Dialog.SelectedColor(), 0) << "no entry named after another colour";
    EXPECT_EQ(d.Colours->selectedItems().size(), 0);
    EXPECT_TRUE(d.PreviewTopIs(board.Value));
    EXPECT_EQ(QApplication::focusWidget(), d.Colours) << "the colour list has the focus";
    d.Colours->setCurrentRow(0); // picking only previews
    EXPECT_EQ(t.Colors.GetColorEntry(0).Name, board.Name);
    d.Colours->setCurrentRow(41);
    d.Click("cmdOK");
    EXPECT_EQ(t.Store.ColorIndex(), 42);
}
