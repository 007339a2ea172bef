#include "cKeyboardPlay.h"

#include "cBoardView.h"
#include "mText.h"
#include "sgCard.h"

#include <QAccessible>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tabloo {

namespace {

// Lifted cards stand this far up and to the left of where they hang (twips).
constexpr int kLiftShift = 90;
// The frame stands in front of every card, however often cards come to the front.
constexpr qreal kFrameZ = 1e9;

const char *const kSuits[4] = {
    QT_TRANSLATE_NOOP("tabloo::cKeyboardPlay", "hearts"), QT_TRANSLATE_NOOP("tabloo::cKeyboardPlay", "spades"),
    QT_TRANSLATE_NOOP("tabloo::cKeyboardPlay", "diamonds"), QT_TRANSLATE_NOOP("tabloo::cKeyboardPlay", "clubs")};

} // namespace

// The focus frame: a light band inside a dark one, so that it stands out on a pale board as
// on a dark one; its lines keep their width in screen pixels at any scale of the board.
class cFocusFrame : public QGraphicsItem {
public:
    cFocusFrame() {
        setZValue(kFrameZ);
        setAcceptedMouseButtons(Qt::NoButton);
        setVisible(false);
    }
    // The frame round a rectangle of the board (board pixels), for a board drawn at `scale`.
    void Place(const QRectF &rect, qreal scale) {
        if (rect == mRect && qFuzzyCompare(scale, mScale))
            return;
        prepareGeometryChange();
        mRect = rect;
        mScale = scale > 0 ? scale : 1.0;
    }
    QRectF boundingRect() const override {
        const qreal m = (kGap + kDark) / mScale + 1;
        return mRect.adjusted(-m, -m, m, m);
    }
    void paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *) override {
        const qreal gap = kGap / mScale;
        QPainterPath path;
        path.addRoundedRect(mRect.adjusted(-gap, -gap, gap, gap), 5, 5);
        p->save();
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setBrush(Qt::NoBrush);
        QPen dark(QColor(0, 0, 0, 210), kDark);
        dark.setCosmetic(true);
        p->setPen(dark);
        p->drawPath(path);
        QPen light(QColor(255, 214, 10), kLight);
        light.setCosmetic(true);
        p->setPen(light);
        p->drawPath(path);
        p->restore();
    }

private:
    // Screen pixels: the gap between the cards and the frame's middle line, and the widths.
    static constexpr qreal kGap = 4, kDark = 7, kLight = 3;
    QRectF mRect;
    qreal mScale = 1.0;
};

cKeyboardPlay::cKeyboardPlay(Game &game, cBoardView &board, QObject *parent)
    : QObject(parent), TheGame(game), Board(board) {
    Frame = new cFocusFrame;
    Board.scene()->addItem(Frame);
    Board.setFocusPolicy(Qt::StrongFocus);
    Board.installEventFilter(this);
    // A player who takes the mouse is not shown the keys' frame.
    auto hide = [this] {
        mShown = false;
        Refresh();
    };
    connect(&Board, &cBoardView::CardPressed, this, hide);
    connect(&Board, &cBoardView::CardDoubleClicked, this, hide);
    Refresh();
}

cKeyboardPlay::~cKeyboardPlay() = default;

bool cKeyboardPlay::FrameShown() const { return Frame->isVisible(); }

bool cKeyboardPlay::eventFilter(QObject *watched, QEvent *event) {
    // The frame keeps its width in screen pixels when the board is drawn at another size
    // (once the board has taken its new size).
    if (watched == &Board && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &cKeyboardPlay::Refresh, Qt::QueuedConnection);
    if (watched != &Board || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // Keys with Ctrl, Alt or Meta belong to the menus.
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods & ~Qt::ShiftModifier)
        return false;
    return KeyPressed(key->key(), mods & Qt::ShiftModifier);
}

bool cKeyboardPlay::KeyPressed(int key, bool shift) {
    if (!TheGame.Running())
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        MoveAlongRow(key == Qt::Key_Left ? -1 : 1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!shift)
            ChangeRow();
        else if (mFocus.Cell == kHome && !mLifted)
            Choose(key == Qt::Key_Up ? 1 : -1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // While the frame is hidden the key only shows it: nothing is lifted unseen.
        if (mShown)
            LiftOrDrop();
        break;
    case Qt::Key_Escape:
        if (!mLifted)
            return false;
        PlaceLiftedBack();
        Board.PlaySound("CardUp");
        break;
    default:
        return false;
    }
    mShown = true;
    HangLifted();
    Refresh();
    return true;
}

std::vector<PileRef> cKeyboardPlay::Row(bool home) const {
    std::vector<PileRef> row;
    auto add = [&row](std::int16_t cell, std::int16_t piles) {
        for (std::int16_t p = 0; p < piles; ++p)
            row.push_back({cell, p});
    };
    if (home) {
        add(kHome, TheGame.Piles(kHome));
    } else {
        add(kReserve, TheGame.Piles(kReserve));
        add(kGoal, kGoalPiles);
    }
    return row;
}

void cKeyboardPlay::MoveAlongRow(int step) {
    const std::vector<PileRef> row = Row(mFocus.Cell == kHome);
    const auto at = std::find(row.begin(), row.end(), mFocus);
    const int n = static_cast<int>(row.size());
    const int i = at == row.end() ? 0 : static_cast<int>(at - row.begin());
    // Round the row: past the last pile comes the first.
    mFocus = row[static_cast<std::size_t>(((i + step) % n + n) % n)];
    mChosen = 1;
}

void cKeyboardPlay::ChangeRow() {
    // To the pile of the other row that stands nearest across.
    const int x = TheGame.PlaceX(mFocus.Cell, mFocus.Pile, 0);
    int best = -1;
    for (const PileRef &p : Row(mFocus.Cell != kHome)) {
        const int d = std::abs(TheGame.PlaceX(p.Cell, p.Pile, 0) - x);
        if (best < 0 || d < best) {
            best = d;
            mFocus = p;
        }
    }
    mChosen = 1;
}

int cKeyboardPlay::MostChosen() const {
    const std::int16_t top = TheGame.TopPos(mFocus.Cell, mFocus.Pile);
    if (top < 0 || mFocus.Cell != kHome)
        return 1;
    // A run that may be lifted is one whose every shorter part may be lifted too.
    const Position p = TheGame.CurrentPosition();
    const int pile = PileOf(kHome, mFocus.Pile);
    int n = 1;
    while (n <= top && PickUpCount(p, pile, top - n) == n)
        ++n;
    return n;
}

void cKeyboardPlay::Choose(int step) { mChosen = std::clamp(mChosen + step, 1, MostChosen()); }

void cKeyboardPlay::LiftOrDrop() {
    if (mLifted) {
        const Lift lift = *mLifted;
        // The game's own drop: its rules, its sound, the log, autoplay and the win. A pile
        // that does not take the cards (their own pile among them) sends them back.
        if (!(mFocus == lift.From) && TheGame.PlayMove(lift.PicID, mFocus)) {
            mLifted.reset();
            mChosen = 1;
        } else {
            PlaceLiftedBack();
            Board.PlaySound("CardUp");
        }
        return;
    }
    if (TheGame.WinNoticed())
        return;
    const std::int16_t top = TheGame.TopPos(mFocus.Cell, mFocus.Pile);
    if (top < 0)
        return;
    const std::int16_t id = TheGame.CardAt(mFocus.Cell, mFocus.Pile, static_cast<std::int16_t>(top - (mChosen - 1)));
    const std::int16_t riding = TheGame.PickUpCount(id);
    // As with the mouse, a card that may not be lifted is silently left where it lies.
    if (riding < 0 || riding != mChosen - 1)
        return;
    mLifted = Lift{id, riding, mFocus};
    emit PlayerTakesOver();
    Board.PlaySound("CardDown");
}

void cKeyboardPlay::HangLifted() {
    if (!mLifted)
        return;
    const cCard &card = TheGame.Card(mLifted->PicID);
    int x, y;
    if (mFocus == mLifted->From) {
        x = TheGame.PlaceX(card.Cell, card.Pile, card.Pos);
        y = TheGame.PlaceY(card.Cell, card.Pile, card.Pos);
    } else if (mFocus.Cell == kHome) {
        // Where the cards would lie on the pile.
        const auto next = static_cast<std::int16_t>(TheGame.TopPos(kHome, mFocus.Pile) + 1);
        x = TheGame.PlaceX(kHome, mFocus.Pile, next);
        y = TheGame.PlaceY(kHome, mFocus.Pile, next);
    } else {
        // A fan step down, so that the card on the pile still shows its corner.
        x = TheGame.PlaceX(mFocus.Cell, mFocus.Pile, 0);
        y = TheGame.PlaceY(mFocus.Cell, mFocus.Pile, 0) + kFanStep;
    }
    x -= kLiftShift;
    y -= kLiftShift;
    Board.MoveCardTo(mLifted->PicID, x, y);
    Board.RaiseCard(mLifted->PicID);
    Board.HangRiders(mLifted->PicID, mLifted->Riding, x, y);
}

void cKeyboardPlay::PlaceLiftedBack() {
    if (!mLifted)
        return;
    const cCard &card = TheGame.Card(mLifted->PicID);
    for (std::int16_t i = 0; i <= mLifted->Riding; ++i) {
        const auto pos = static_cast<std::int16_t>(card.Pos + i);
        const std::int16_t id = TheGame.CardAt(card.Cell, card.Pile, pos);
        if (id >= 0)
            Board.MoveCardTo(id, TheGame.PlaceX(card.Cell, card.Pile, pos), TheGame.PlaceY(card.Cell, card.Pile, pos));
    }
    // The focus goes back with the cards, so that the same key lifts them again.
    mFocus = mLifted->From;
    mChosen = mLifted->Riding + 1;
    mLifted.reset();
}

void cKeyboardPlay::Cancel() {
    PlaceLiftedBack();
    Refresh();
}

bool cKeyboardPlay::SendAway(int picId) {
    if (!TheGame.Running() || TheGame.WinNoticed() || picId < 0 || picId >= kTotalCards)
        return false;
    const auto id = static_cast<std::int16_t>(picId);
    const cCard &card = TheGame.Card(id);
    // Only a card lifted alone goes; a goal card is home already, and a reserve card only
    // goes further up.
    if (TheGame.PickUpCount(id) != 0 || card.Cell == kGoal)
        return false;
    PileRef target;
    for (std::int16_t p = 0; p < kGoalPiles && !target.Valid(); ++p)
        if (TheGame.Accepts(id, 0, kGoal, p))
            target = {kGoal, p};
    for (std::int16_t p = 0; p < TheGame.Piles(kReserve) && !target.Valid() && card.Cell == kHome; ++p)
        if (TheGame.Accepts(id, 0, kReserve, p))
            target = {kReserve, p};
    if (!target.Valid())
        return false;
    emit PlayerTakesOver();
    const bool moved = TheGame.PlayMove(id, target);
    Refresh();
    return moved;
}

void cKeyboardPlay::Refresh() {
    if (!TheGame.Running())
        mLifted.reset();
    // A new deal may have fewer piles than the focus remembers.
    if (mFocus.Cell == kReserve && mFocus.Pile >= TheGame.Piles(kReserve))
        mFocus = {kGoal, 0};
    if (mFocus.Cell == kHome && mFocus.Pile >= TheGame.Piles(kHome))
        mFocus = {kHome, static_cast<std::int16_t>(std::max(0, TheGame.Piles(kHome) - 1))};
    if (!mLifted)
        mChosen = std::clamp(mChosen, 1, MostChosen());

    const std::int16_t top = TheGame.TopPos(mFocus.Cell, mFocus.Pile);
    const auto first = static_cast<std::int16_t>(mLifted || top < 0 ? 0 : top - (mChosen - 1));
    const auto last = static_cast<std::int16_t>(mFocus.Cell == kHome ? std::max<int>(top, 0) : 0);
    const QRectF twips(
        TheGame.PlaceX(mFocus.Cell, mFocus.Pile, 0), TheGame.PlaceY(mFocus.Cell, mFocus.Pile, first), kCardWidth,
        TheGame.PlaceY(mFocus.Cell, mFocus.Pile, last) + kCardHeight - TheGame.PlaceY(mFocus.Cell, mFocus.Pile, first));
    Frame->Place(QRectF(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel), Board.BoardScale());
    // Lifted cards hang in front of the frame round the pile they would be laid on.
    const sgCard *lifted = mLifted ? Board.Card(mLifted->PicID) : nullptr;
    Frame->setZValue(lifted ? lifted->zValue() - 0.5 : kFrameZ);
    Frame->setVisible(mShown && TheGame.Running() && TheGame.Piles(kHome) > 0);

    const QString name = Description();
    if (Board.accessibleName() != name)
        Board.setAccessibleName(name);
}

QString cKeyboardPlay::CardName(std::int16_t picId) const {
    const cCard &c = TheGame.Card(picId);
    if (!c.FaceUp())
        return tr("A card face down");
    return tr("%1 of %2").arg(RuleText(kBaseTexts[c.Num % 13]), tr(kSuits[c.Suit & 3]));
}

QString cKeyboardPlay::PileName(PileRef pile) const {
    if (pile.Cell == kHome)
        return tr("home pile %1").arg(pile.Pile + 1);
    if (pile.Cell == kGoal)
        return tr("goal pile %1").arg(pile.Pile + 1);
    return tr("reserve pile %1").arg(pile.Pile + 1);
}

QString cKeyboardPlay::Description() const {
    if (!TheGame.Running())
        return tr("Board, no game");
    const std::int16_t top = TheGame.TopPos(mFocus.Cell, mFocus.Pile);
    QString where;
    if (top < 0) {
        where = tr("Empty %1").arg(PileName(mFocus));
    } else {
        const std::int16_t topCard = TheGame.CardAt(mFocus.Cell, mFocus.Pile, top);
        where = tr("%1 on %2").arg(CardName(topCard), PileName(mFocus));
        if (!mLifted && mChosen > 1) {
            const std::int16_t chosen =
                TheGame.CardAt(mFocus.Cell, mFocus.Pile, static_cast<std::int16_t>(top - (mChosen - 1)));
            where = tr("%1 to %2 on %3").arg(CardName(chosen), CardName(topCard), PileName(mFocus));
        }
    }
    if (!mLifted)
        return where;
    QString lifted = CardName(mLifted->PicID);
    if (mLifted->Riding > 0)
        lifted = tr("%1 and %2 more").arg(lifted).arg(mLifted->Riding);
    if (top < 0)
        where[0] = where[0].toLower();
    return tr("%1 lifted, over %2").arg(lifted, where);
}

} // namespace tabloo
