// The window in German, French and Spanish: translations in force, no caption cut off.
#include "NumText.h"
#include "WindowFixture.h"
#include "cTranslators.h"
#include "frmAbout.h"

#include <clocale>

using namespace tabloo;

namespace {

// Fails for each caption of `top`, on every tab page, that shows less than its text, and if fewer than `least` show.
void ExpectNoCaptionCut(QWidget &top, const std::string &where, int least) {
    int seen = 0;
    const QList<QTabWidget *> tabs = top.findChildren<QTabWidget *>();
    const int pages = tabs.empty() ? 1 : tabs.front()->count();
    for (int page = 0; page < pages; ++page) {
        if (!tabs.empty())
            tabs.front()->setCurrentIndex(page);
        if (top.layout())
            top.layout()->activate();
        for (QWidget *w : top.findChildren<QWidget *>()) {
            const bool caption = qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) ||
                                 qobject_cast<QRadioButton *>(w) || qobject_cast<QPushButton *>(w) ||
                                 qobject_cast<QGroupBox *>(w);
            if (!caption || !w->isVisible())
                continue;
            // A word-wrapped label fits any width by breaking its lines.
            if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap())
                continue;
            ++seen;
            if (w->sizeHint().width() > w->width()) {
                const QString text = w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString();
                ADD_FAILURE() << where << ": " << w->objectName().toStdString() << " \"" << text.toStdString() << "\" "
                              << w->width() << " < " << w->sizeHint().width();
            }
        }
    }
    EXPECT_GE(seen, least) << where;
}

class InEveryLanguage : public ::testing::TestWithParam<const char *> {};

TEST_P(InEveryLanguage, NoCaptionOfTheWindowOrADialogIsCutOff) {
    cTranslators translators;
    // English has no translation: its texts are the code's own.
    const bool english = std::string(GetParam()) == "en";
    EXPECT_EQ(translators.Install(QLocale(QString::fromLatin1(GetParam()))), !english) << GetParam();
    test::Window w;
    // The window's own texts are translated, not only the dialogs'.
    EXPECT_EQ(w.W.menuBar()->actions().front()->text() == QStringLiteral("&File"), english);

    std::set<std::string> opened;
    w.W.ExecDialog = [&](QDialog &d) {
        opened.insert(d.metaObject()->className());
        d.adjustSize();
        d.show();
        ExpectNoCaptionCut(d, std::string(GetParam()) + " " + d.metaObject()->className(), 2);
        d.reject();
        return static_cast<int>(QDialog::Rejected);
    };
    w.Deal(5);
    w.Tick();
    // The score, the time, the moves and the verdict line at least.
    ExpectNoCaptionCut(w.W, std::string(GetParam()) + " main window", 4);
    for (const char *key : {"F2", "F7", "T1", "T3", "T5", "H5"})
        w.W.RunCommand(QString::fromLatin1(key));
    // A won game opens its "Congrats" dialog.
    w.DealAGameTheAutoplayCommandWins();
    w.W.board().LandFlights();
    w.W.RunCommand("G4");
    w.W.RunCommand("F1");
    EXPECT_EQ(opened, (std::set<std::string>{"tabloo::frmSelect", "tabloo::frmChooseGame", "tabloo::frmOptions",
                                             "tabloo::frmPlayers", "tabloo::frmStatistics", "tabloo::frmAbout",
                                             "tabloo::frmFinishGame"}));
}

INSTANTIATE_TEST_SUITE_P(Translations, InEveryLanguage, ::testing::Values("en", "de", "fr", "es"));

// Qt hands the desktop's language to the C library's numbers too: "123.5" is still game 123.5 in German.
TEST(Translations, AGameNumberReadsTheSameInEveryLanguage) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
    cTranslators translators;
    translators.Install(QLocale(QStringLiteral("de_DE")));
    const std::optional<double> number = ParseGameNo("123.5");
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(*number, 123.5);
}

} // namespace
