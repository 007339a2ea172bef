// The choose-game dialog deals the number exactly as typed and refuses anything else.
#include "WindowFixture.h"

using namespace tabloo;

namespace {

// The dialog with its message box replaced by a recorder, shown so that focus can move.
struct ChooseDialog {
    frmChooseGame Dialog;
    std::vector<QString> Said; // each message as "title: text"
    QLineEdit *Entry = Dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QPushButton *Select = Dialog.findChild<QPushButton *>(QStringLiteral("cmdSelect"));
    QPushButton *Cancel = Dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"));
    explicit ChooseDialog(Game &game) : Dialog(game) {
        Dialog.ShowMessage = [this](const QString &title, const QString &text) { Said.push_back(title + ": " + text); };
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

} // namespace

TEST(ChooseGame, AGoodNumberIsDealtAsTypedAnyOtherEntryResetsToZeroWithFocus) {
    const std::vector<const char *> refused = {"0",    "999999999999999", "abc", "",  "1e5", " 12", "-5",
                                               "12,5", "1,000",           "12.", ".5"},
                                    accepted = {"123", "12.5", "+7", "999999999999998", "0.5", "007"};
    for (bool good : {false, true})
        for (const char *typed : good ? accepted : refused) {
            SCOPED_TRACE(typed);
            test::TestGame t;
            ChooseDialog d(t.TheGame);
            d.Type(QString::fromLatin1(typed));
            ASSERT_NE(d.Dialog.focusWidget(), d.Entry);
            d.Select->click();
            if (good) {
                EXPECT_TRUE(d.Said.empty());
                EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
                EXPECT_FALSE(d.Dialog.isVisible());
                EXPECT_EQ(t.TheGame.GameNo(), typed);
                EXPECT_EQ(t.View.Title, std::string("Tabloo 3.0 [Player 1] [") + typed + "]");
                continue;
            }
            EXPECT_EQ(d.Said,
                      std::vector<QString>{"Tabloo: Please Enter a valid number between 0 and 999,999,999,999,999"});
            EXPECT_EQ(d.Entry->text(), QStringLiteral("0"));
            EXPECT_EQ(d.Dialog.focusWidget(), d.Entry);
            EXPECT_TRUE(d.Dialog.isVisible());
            EXPECT_FALSE(t.TheGame.Running());
            // After the refusal a good number still plays.
            d.Type(QStringLiteral("42"));
            d.Select->click();
            EXPECT_EQ(d.Said.size(), 1u);
            EXPECT_EQ(t.TheGame.GameNo(), "42");
        }
}

TEST(ChooseGame, OffersARandomNumberFullySelectedAndCancelStartsNothing) {
    test::TestGame t;
    t.TheGame.StartGame(std::string_view("77"));
    const std::string title = t.View.Title;
    ChooseDialog d(t.TheGame);
    const QString text = d.Entry->text();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) << text.toStdString();
    EXPECT_LE(text.toDouble(), 999999999999999.0);
    EXPECT_EQ(d.Entry->selectionStart(), 0);
    EXPECT_EQ(d.Entry->selectedText(), text);
    EXPECT_EQ(d.Dialog.focusWidget(), d.Entry);
    d.Type(QStringLiteral("123"));
    d.Cancel->click();
    EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(d.Said.empty());
    EXPECT_TRUE(t.TheGame.Running());
    EXPECT_EQ(t.TheGame.GameNo(), "77");
    EXPECT_EQ(t.View.Title, title);
}
