#include "frmHelp.h"
#include "mText.h"

#include "cGames.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tabloo {

namespace {

QString Escaped(const QString &text) { return text.toHtmlEscaped(); }

QString HelpText(const char *text) { return QCoreApplication::translate("tabloo::frmHelp", text); }

// A menu caption without its access-key marks ("&New Game" reads "New Game").
QString PlainCaption(const QAction &a) {
    QString caption = a.text();
    caption.remove(QLatin1Char('&'));
    return caption;
}

QString OrderRows() {
    static const char *const kMeaning[] = {
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher, of the same suit"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher, red on black or black on red"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher, any suit"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank lower, of the same suit"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank lower, red on black or black on red"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank lower, any suit"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "any card on any card"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher or lower, of the same suit"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher or lower, red on black or black on red"),
        QT_TRANSLATE_NOOP("tabloo::frmHelp", "one rank higher or lower, any suit"),
    };
    static_assert(std::size(kMeaning) == kOrderTexts.size());
    QString rows;
    for (std::size_t i = 0; i < kOrderTexts.size(); ++i)
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(Escaped(RuleText(kOrderTexts[i])), HelpText(kMeaning[i]));
    return rows;
}

// The keys of the board, which belong to no menu.
const char *const kBoardKeys[][2] = {
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Left, Right"),
     QT_TRANSLATE_NOOP("tabloo::frmHelp", "move the focus frame along the row of piles")},
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Up, Down"),
     QT_TRANSLATE_NOOP("tabloo::frmHelp", "move the focus frame between the top row and the tableau")},
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Shift+Up, Shift+Down"),
     QT_TRANSLATE_NOOP("tabloo::frmHelp", "on a tableau pile: take one card more, or one less, of a run")},
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Space, Enter"),
     QT_TRANSLATE_NOOP("tabloo::frmHelp", "lift the framed cards; with cards lifted, lay them on the framed pile")},
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Esc"), QT_TRANSLATE_NOOP("tabloo::frmHelp", "put the lifted cards back")},
    {QT_TRANSLATE_NOOP("tabloo::frmHelp", "Double-click"),
     QT_TRANSLATE_NOOP("tabloo::frmHelp", "send a card to a foundation, else to the first empty free cell")},
};

QString KeyRows(const QList<QAction *> &commands) {
    QString rows;
    for (const auto &k : kBoardKeys)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(HelpText(k[0]), HelpText(k[1]));
    for (const QAction *a : commands) {
        if (!a || a->shortcut().isEmpty())
            continue;
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(Escaped(a->shortcut().toString(QKeySequence::NativeText)), Escaped(PlainCaption(*a)));
    }
    return rows;
}

// The page, a section at a time, each translated on its own.
const char *const kPage[] = {
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h1>Tabloo</h1>
<p>Tabloo is a patience game for one player with one deck of 52 cards. You design the game
yourself: how many piles there are, how cards are built on them, how many free cells help you.
The aim is always the same: bring all 52 cards to the four foundations.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>The board</h2>
<ul>
<li><b>Tableau</b> &ndash; the home piles along the middle of the board (4 to 10 of them). Their
cards are fanned, so you can see every card of a pile.</li>
<li><b>Free Cells</b> &ndash; up to four reserve piles at the top left. Each holds one card.</li>
<li><b>Foundation</b> &ndash; the four goal piles at the top right. Each starts with the base card
and is built from there; a foundation holds at most 13 cards.</li>
</ul>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>How to play</h2>
<p>Press a card with the mouse and drag it onto the pile where it should go, then let go. If the
pile takes the card it is laid there; if not, the card goes back where it came from.</p>
<ul>
<li>Only the top card of a free cell or a foundation can be moved. A foundation card may be
taken back onto the tableau when it fits there.</li>
<li>A free cell takes any single card, but only while it is empty.</li>
<li>A foundation takes the base card when empty, then cards in its build order. Kings and Aces
are neighbours on a foundation, so a foundation that starts at, say, a Nine runs on from the King
to the Ace.</li>
<li>A tableau pile takes cards in its build order; an empty tableau pile takes any card or run.</li>
<li>With <b>Multi Move</b> on, you can drag a run: a card together with the cards lying on it,
when they are built in the tableau's order. The longest run you can move is (free cells empty + 1)
&times; (empty tableau piles + 1) cards. A run only goes onto a tableau pile.</li>
</ul>
<p>A double-click on a card that may be moved alone sends it to a foundation that takes it, or,
from the tableau, to the first empty free cell.</p>

<h3>Playing from the keyboard</h3>
<p>A yellow frame marks the pile in focus. The arrow keys move it: <b>Left</b> and <b>Right</b>
along a row, <b>Up</b> and <b>Down</b> between the free cells and foundations at the top and the
tableau. On a tableau pile, <b>Shift+Up</b> takes one more card of the run at its top (as long a
run as you could drag) and <b>Shift+Down</b> one less. <b>Space</b> or <b>Enter</b> lifts the
framed cards; move the frame to where they should go and press <b>Space</b> or <b>Enter</b> again
to lay them there. If that pile does not take them they go back; <b>Esc</b> puts them back at
any time.</p>

<p>When the last card reaches the foundations the game is won: the score is shown and you can
start the next game from there.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Designing the game</h2>
<p><b>File &rsaquo; Select Game</b> opens the game's design. <b>Play</b> keeps your choices and deals
a new game with them; they stay until you change them.</p>
<table border="1" cellspacing="0" cellpadding="4">
<tr><th>Setting</th><th>What it does</th></tr>
<tr><td>Tableau: Piles</td><td>how many home piles, 4 to 10</td></tr>
<tr><td>Tableau: Card Arranging Order</td><td>how cards are built on the home piles (see below)</td></tr>
<tr><td>Multi Move</td><td>runs of cards may be dragged as one</td></tr>
<tr><td>Ace-King Wrapping</td><td>on the tableau, too, an Ace and a King count as neighbours</td></tr>
<tr><td>Foundation: Card Arranging Order</td><td>how cards are built on the goal piles</td></tr>
<tr><td>Base Card</td><td>the rank each foundation starts with; Random draws one for every game</td></tr>
<tr><td>Initial Cards</td><td>how many foundations get their base card in the deal</td></tr>
<tr><td>Number of Free Cells</td><td>0 to 4</td></tr>
<tr><td>Total Cards in Free Cells</td><td>how many free cells get a card in the deal</td></tr>
</table>
<p>Every card that is not dealt to the foundations or the free cells goes to the tableau, round the
piles from the left.</p>

<h3>Build orders</h3>
<table border="1" cellspacing="0" cellpadding="4">
<tr><th>Order</th><th>A card may go on a card</th></tr>
%ORDERS%
</table>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Game numbers</h2>
<p>Every deal has a number. The same number with the same design gives the same deal, so you can
play a game again (<b>File &rsaquo; Restart Game</b>) or play a number someone told you
(<b>File &rsaquo; Select a Number</b>; any number above 0 and below 999,999,999,999,999).
<b>File &rsaquo; New Game</b> deals a random number. The number is shown in the window's title.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Autoplay</h2>
<p>While <b>Game &rsaquo; Autoplay</b> is ticked, every card that a foundation would take goes there
by itself after each of your moves. Switch it off to keep cards on the tableau for building.
While it is on, a card you take back from a foundation with <b>Undo</b> stays back only until your
next move, and a card you drag off a foundation flies home again if nothing else goes there
first.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Undo, redo and replay</h2>
<ul>
<li><b>Undo</b> takes back the last move, <b>Redo</b> makes it again. <b>Undo All</b> and
<b>Redo All</b> go to the start or the end of the game at once. A new move after an undo drops
the moves that were taken back.</li>
<li><b>Replay &rsaquo; Forward</b> and <b>Back</b> step through the game by themselves, a move every
half second, until you choose <b>Stop</b> or the end is reached. <b>Replay All</b> shows the whole
game from the deal.</li>
</ul>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Can it still be won?</h2>
<p>The line under the board tells, after every move, whether the game in front of you can still be
won: <b>Winnable</b>, <b>Not winnable</b>, or <b>Can't tell</b> when the search gives up; while it
thinks it shows <b>&hellip;</b>. <b>Game &rsaquo; Hint</b> rings the card to move next and where it
goes, in light blue. <b>Game &rsaquo; Show Solution</b> plays the rest of a winning line, a move every
half second, until you press a key or click; you can undo its moves, but a game it has played
counts as lost. In <b>File &rsaquo; Select Game</b>, <b>Winnable deals only</b> deals only games
that can be won, and the line beside it tells how often your design can be won at all.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Score and time</h2>
<p>While a game runs, the menu bar shows the score, the time and the number of moves. Each card
on the foundations is worth 10 points, and every 3 seconds cost one point, so a won game scores
up to 520 and a slow game goes below zero. Undone moves do not count as moves.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Players</h2>
<p>Up to ten players keep their own records. Add, rename and delete players in
<b>Tools &rsaquo; Players</b>; choose who plays in <b>File &rsaquo; Select Game</b>. A finished game
counts for the current player: a win with its score, and a game that is closed, replaced by a new
one or left when the window closes as lost. <b>Tools &rsaquo; Statistics</b> shows the totals of
all players and the record of each.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Customize</h2>
<p><b>Tools &rsaquo; Customize</b> sets the colour of the board, whether the board grows with the
window (<b>Fit the board to the window</b>: the cards are drawn afresh at the size shown), whether
the line under the board tells if the game can still be won, the speed of moving cards (for your
moves, for undo and redo, for Undo All and Redo All, and for replay; at the right end of a slider
cards jump) and which sounds play: <b>Card Down</b> sounds as you pick a card up, <b>Card Up</b> as
you lay it down (or it goes back), <b>Start</b> with each deal, <b>Autoplay</b> with each card that
goes home by itself, <b>Undo</b> and <b>Redo</b> with slow undo and redo moves, <b>Win</b> with a
won game.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>The window</h2>
<p><b>Game &rsaquo; Full Screen</b> (F11) gives the whole screen to the game; F11 again brings the
window back as it was. The window opens at the size and place it had when it was last closed,
maximised if it was.</p>)"),
    QT_TRANSLATE_NOOP("tabloo::frmHelp", R"(<h2>Keys</h2>
<table border="1" cellspacing="0" cellpadding="4">
<tr><th>Key</th><th>Command</th></tr>
%KEYS%
</table>)"),
};

} // namespace

QString frmHelp::HelpHtml(const QList<QAction *> &commands) {
    QString page;
    for (const char *section : kPage)
        page += tr(section) + QLatin1Char('\n');
    page.replace(QStringLiteral("%ORDERS%"), OrderRows());
    page.replace(QStringLiteral("%KEYS%"), KeyRows(commands));
    return QStringLiteral("<html><body>") + page + QStringLiteral("</body></html>");
}

frmHelp::frmHelp(const QList<QAction *> &commands, QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Tabloo Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("txtHelp"));
    Browser->setOpenLinks(false);
    Browser->document()->setDocumentMargin(12);
    Browser->setHtml(HelpHtml(commands));
    // Escape or the Close button puts the help away.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Browser);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 10, 0);
    row->addWidget(buttons);
    layout->addLayout(row);
    resize(620, 680);
}

void frmHelp::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tabloo
