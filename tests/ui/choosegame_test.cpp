// The choose-game dialog deals the number the player typed, exactly as typed, and refuses
// anything that is not a plain number strictly between 0 and 999,999,999,999,999. The about
// box shows its picture, its lines and OK.
#include "Game.h"
#include "cMemorySettings.h"
#include "cSystemClock.h"
#include "frmAbout.h"
#include "frmChooseGame.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tabloo;

namespace {

struct TitleView : ITableView {
    std::vector<std::string> Titles;
    void TitleChanged(std::string_view title) override { Titles.emplace_back(title); }
};

struct ChooseTable {
    cMemorySettings Settings;
    cSystemClock Clock;
    cUniformRandom Random;
    TitleView View;
    Game G{Settings, Clock, Random, View};
    ChooseTable() { G.EnsureFirstPlayer(); }
};

struct Messages {
    std::vector<QString> Titles, Texts;
};

// The dialog with its message box replaced by a recorder, shown so that focus can move.
struct ChooseDialog {
    frmChooseGame Dialog;
    Messages Said;
    QLineEdit *Entry;
    QPushButton *Select;
    QPushButton *Cancel;
    explicit ChooseDialog(Game &game) : Dialog(game) {
        Dialog.ShowMessage = [this](const QString &title, const QString &text) {
            Said.Titles.push_back(title);
            Said.Texts.push_back(text);
        };
        Entry = Dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
        Select = Dialog.findChild<QPushButton *>(QStringLiteral("cmdSelect"));
        Cancel = Dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"));
        Dialog.show();
        Dialog.activateWindow();
        QApplication::processEvents();
    }
    void Type(const QString &text) {
        Entry->setFocus();
        Entry->setText(text);
        // Move the focus away, so that the reset has to bring it back.
        Cancel->setFocus();
    }
};

const QString kRefusal = QStringLiteral("Please Enter a valid number between 0 and 999,999,999,999,999");

// Saves a picture of the widget when TABLOO_SHOTS names a folder, for a person to look at.
void Shoot(QWidget &widget, const char *name) {
    const QString folder = qEnvironmentVariable("TABLOO_SHOTS");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

TEST(ChooseGame, CaptionAndControls) {
    ChooseTable t;
    ChooseDialog d(t.G);
    EXPECT_EQ(d.Dialog.windowTitle(), QStringLiteral("Select Game"));
    ASSERT_NE(d.Entry, nullptr);
    ASSERT_NE(d.Select, nullptr);
    ASSERT_NE(d.Cancel, nullptr);
    EXPECT_EQ(d.Select->text(), QStringLiteral("Select"));
    EXPECT_EQ(d.Cancel->text(), QStringLiteral("Cancel"));
    auto *label = d.Dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Select a Game Number between")));
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("\n0 and 999,999,999,999,999")));
    Shoot(d.Dialog, "tabloo-choosegame.png");
}

TEST(ChooseGame, OffersARandomNumberFullySelected) {
    ChooseTable t;
    ChooseDialog d(t.G);
    const QString text = d.Entry->text();
    ASSERT_FALSE(text.isEmpty());
    for (QChar c : text)
        EXPECT_TRUE(c.isDigit()) << text.toStdString();
    bool ok = false;
    const double v = text.toDouble(&ok);
    EXPECT_TRUE(ok);
    EXPECT_GE(v, 0.0);
    EXPECT_LE(v, 999999999999999.0);
    EXPECT_EQ(d.Entry->selectionStart(), 0);
    EXPECT_EQ(d.Entry->selectedText(), text);
    EXPECT_EQ(d.Dialog.focusWidget(), d.Entry);
}

TEST(ChooseGame, TypedNumberStartsThatGame) {
    ChooseTable t;
    ChooseDialog d(t.G);
    d.Type(QStringLiteral("123"));
    d.Select->click();
    EXPECT_TRUE(d.Said.Texts.empty());
    EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(d.Dialog.isVisible());
    EXPECT_TRUE(t.G.GameRunning);
    EXPECT_EQ(t.G.CurrentGameNo, "123");
    ASSERT_FALSE(t.View.Titles.empty());
    EXPECT_NE(t.View.Titles.back().find("[123]"), std::string::npos) << t.View.Titles.back();
}

TEST(ChooseGame, RefusedEntriesResetToZeroWithFocus) {
    for (const char *typed : {"0", "999999999999999", "abc", "", "1e5", " 12", "-5", "12,5", "1,000", "12.", ".5"}) {
        SCOPED_TRACE(typed);
        ChooseTable t;
        ChooseDialog d(t.G);
        d.Type(QString::fromLatin1(typed));
        ASSERT_NE(d.Dialog.focusWidget(), d.Entry);
        d.Select->click();
        ASSERT_EQ(d.Said.Texts.size(), 1u);
        EXPECT_EQ(d.Said.Titles[0], QStringLiteral("Tabloo"));
        EXPECT_EQ(d.Said.Texts[0], kRefusal);
        EXPECT_EQ(d.Entry->text(), QStringLiteral("0"));
        EXPECT_EQ(d.Dialog.focusWidget(), d.Entry);
        EXPECT_TRUE(d.Dialog.isVisible());
        EXPECT_EQ(d.Dialog.result(), 0);
        EXPECT_FALSE(t.G.GameRunning);
        EXPECT_TRUE(t.View.Titles.empty());
    }
}

TEST(ChooseGame, AcceptedEntriesArePassedOnAsTyped) {
    for (const char *typed : {"12.5", "+7", "999999999999998", "0.5", "007"}) {
        SCOPED_TRACE(typed);
        ChooseTable t;
        ChooseDialog d(t.G);
        d.Type(QString::fromLatin1(typed));
        d.Select->click();
        EXPECT_TRUE(d.Said.Texts.empty());
        EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(t.G.GameRunning);
        EXPECT_EQ(t.G.CurrentGameNo, typed);
        ASSERT_FALSE(t.View.Titles.empty());
        EXPECT_NE(t.View.Titles.back().find(std::string("[") + typed + "]"), std::string::npos);
    }
}

TEST(ChooseGame, AfterARefusalAGoodNumberStillPlays) {
    ChooseTable t;
    ChooseDialog d(t.G);
    d.Type(QStringLiteral("abc"));
    d.Select->click();
    d.Type(QStringLiteral("42"));
    d.Select->click();
    EXPECT_EQ(d.Said.Texts.size(), 1u);
    EXPECT_EQ(t.G.CurrentGameNo, "42");
}

TEST(ChooseGame, CancelStartsNothing) {
    ChooseTable t;
    t.G.StartGame(std::string_view("77"));
    const std::size_t titles = t.View.Titles.size();
    ChooseDialog d(t.G);
    d.Type(QStringLiteral("123"));
    d.Cancel->click();
    EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(d.Said.Texts.empty());
    EXPECT_TRUE(t.G.GameRunning);
    EXPECT_EQ(t.G.CurrentGameNo, "77");
    EXPECT_EQ(t.View.Titles.size(), titles);
}

TEST(About, CaptionLinesAndOk) {
    frmAbout about;
    about.show();
    QApplication::processEvents();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tabloo 3.0"));
    auto *image = about.findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->pixmap().isNull());
    QStringList lines;
    for (auto *label : about.findChildren<QLabel *>())
        lines << label->text();
    EXPECT_TRUE(lines.contains(QStringLiteral("Tabloo")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Version 3.0")));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    Shoot(about, "tabloo-about.png");
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST(About, PictureIsNotBlank) {
    const QImage picture = frmAbout::Picture().toImage();
    ASSERT_FALSE(picture.isNull());
    // The baize at a corner's inside, a card's white somewhere in the middle.
    EXPECT_GT(qGreen(picture.pixel(10, picture.height() - 4)), qRed(picture.pixel(10, picture.height() - 4)));
    bool white = false;
    for (int y = 0; y < picture.height() && !white; ++y)
        for (int x = 0; x < picture.width() && !white; ++x)
            white = picture.pixelColor(x, y).lightness() > 240;
    EXPECT_TRUE(white);
}
