// The board of the game window: the colour table and gradient, card travel, the cards of a
// dealt game, hit testing, hiding, the card pictures and the fit of the board in the view.
#include "Game.h"
#include "cBoardView.h"
#include "cCardArt.h"
#include "cMemorySettings.h"
#include "cSystemClock.h"
#include "mColors.h"
#include "sgCard.h"
#include "sgPic.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace tabloo;

namespace {

class FixedClock : public IClock {
public:
    std::int64_t NowSeconds() const override { return 1'700'000'000; }
};

// A shown board with a game on it, no frame pacing.
struct BoardFixture {
    cMemorySettings settings;
    FixedClock clock;
    cUniformRandom random;
    cBoardView view;
    std::unique_ptr<Game> game;

    explicit BoardFixture(QSize size = QSize(cBoardView::kBoardPixelWidth, cBoardView::kBoardPixelHeight)) {
        cBoardView::SetFrameIntervalMs(0);
        view.resize(size);
        view.show();
        QCoreApplication::processEvents();
        game = std::make_unique<Game>(settings, clock, random, view);
        view.SetGame(*game);
        game->EnsureFirstPlayer();
    }
    void Deal(double number) {
        game->StartGame(number);
        QCoreApplication::processEvents();
    }
};

quint32 Rgb(int r, int g, int b) {
    return static_cast<quint32>(r) | (static_cast<quint32>(g) << 8) | (static_cast<quint32>(b) << 16);
}

QImage Grab(cBoardView &view) {
    view.viewport()->repaint();
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// ---- colours ----

TEST(BoardColors, TableEntriesAndTheRememberedEntry) {
    ResetColorEntryMemory();
    // Before any entry was found, a number off the table gives an empty entry: a black board.
    ColorEntry none = GetColorEntry(0);
    EXPECT_TRUE(none.Name.isEmpty());
    EXPECT_EQ(none.Value, 0u);

    ColorEntry green = GetColorEntry(23);
    EXPECT_EQ(green.Name, "Darkgreen");
    EXPECT_EQ(green.Value, Rgb(0, 100, 0));
    EXPECT_EQ(green.Value, 100u << 8);
    EXPECT_EQ(GetColorEntry(130).Name, "Darkgreen");
    EXPECT_EQ(GetColorEntry(-5).Value, Rgb(0, 100, 0));

    EXPECT_EQ(GetColorEntry(1).Name, "Antiquewhite");
    EXPECT_EQ(GetColorEntry(129).Name, "Yellowgreen");
    EXPECT_EQ(GetColorEntry(0).Name, "Yellowgreen");
    EXPECT_EQ(GetColorEntry(106).Value, Rgb(255, 0, 0));
    EXPECT_EQ(GetColorEntry(15).Value, Rgb(100, 149, 237));      // Cornflower
    EXPECT_EQ(GetColorEntry(31).Value, Rgb(143, 188, 139));      // Darkseagreen
    EXPECT_EQ(GetColorEntry(2).Value, GetColorEntry(18).Value);  // Aqua, Cyan
    EXPECT_EQ(GetColorEntry(42).Value, GetColorEntry(72).Value); // Fuchsia, Magenta
    EXPECT_EQ(GetColorEntry(45).Value, Rgb(128, 128, 128));
    EXPECT_EQ(GetColorEntry(46).Value, Rgb(0, 128, 0));
    EXPECT_EQ(GetColorEntry(73).Value, Rgb(128, 0, 0));
    EXPECT_EQ(GetColorEntry(105).Value, Rgb(128, 0, 128));
    ResetColorEntryMemory();
}

TEST(BoardColors, EveryNameMatchesTheWebColourOfThatName) {
    std::set<QString> names;
    for (int i = 1; i <= kColorCount; ++i) {
        const ColorEntry e = GetColorEntry(i);
        EXPECT_TRUE(names.insert(e.Name).second) << i; // no name twice
        if (e.Name == "Cornflower" || e.Name == "Darkseagreen")
            continue;
        const QColor web = QColor::fromString(e.Name.toLower());
        ASSERT_TRUE(web.isValid()) << e.Name.toStdString();
        EXPECT_EQ(ToQColor(e.Value), web) << e.Name.toStdString();
        EXPECT_EQ(FromQColor(web), e.Value) << e.Name.toStdString();
    }
    ResetColorEntryMemory();
}

TEST(BoardColors, ColorComponentBytesAndBounds) {
    const qint64 c = 0x123456; // red 0x56, green 0x34, blue 0x12
    EXPECT_EQ(ColorComponent(c, 1), 0x56);
    EXPECT_EQ(ColorComponent(c, 2), 0x34);
    EXPECT_EQ(ColorComponent(c, 3), 0x12);
    EXPECT_EQ(ColorComponent(c, 0), -1);
    EXPECT_EQ(ColorComponent(c, 4), -1);
    EXPECT_EQ(ColorComponent(-1, 1), -1);
    EXPECT_EQ(ColorComponent(16777216, 1), -1);
    EXPECT_EQ(ColorComponent(16777215, 3), 255);
    EXPECT_EQ(ColorComponent(0, 2), 0);
}

TEST(BoardColors, GradientBandsRunFromTheColourToBlack) {
    const quint32 red = GetColorEntry(106).Value;
    EXPECT_EQ(GradientBandColor(red, 1, 0), QColor(255, 0, 0));
    EXPECT_EQ(GradientBandColor(red, 1, 128), QColor(127, 0, 0));
    EXPECT_EQ(GradientBandColor(red, 1, 255), QColor(0, 0, 0));
    // Any other mode is a flat fill.
    EXPECT_EQ(GradientBandColor(red, 0, 200), QColor(255, 0, 0));
    // Halves round to the even neighbour: 100 - 100 * 51 / 255 = 80 exactly, and
    // 100 - 100 * 255 / 510 would be 50; check one true half: 1 - 1 * 128 / 255 ~ 0.498.
    EXPECT_EQ(GradientBandColor(Rgb(0, 100, 0), 1, 51), QColor(0, 80, 0));
    EXPECT_EQ(GradientBandColor(Rgb(1, 0, 0), 1, 128), QColor(0, 0, 0));
    EXPECT_EQ(GradientBandColor(Rgb(1, 0, 0), 1, 127), QColor(1, 0, 0));

    // Painted into a box 512 high, each band is two rows.
    QImage image(10, 512, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintGradient(p, QRectF(0, 0, 10, 512), red, 1);
    p.end();
    EXPECT_EQ(QColor(image.pixel(5, 0)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(5, 256)), QColor(127, 0, 0));
    EXPECT_EQ(QColor(image.pixel(5, 257)), QColor(127, 0, 0));
    EXPECT_EQ(QColor(image.pixel(5, 511)), QColor(0, 0, 0));
    // No row left unpainted in a box whose height is not a multiple of 256.
    QImage odd(3, 747, QImage::Format_RGB32);
    odd.fill(Qt::white);
    QPainter q(&odd);
    PaintGradient(q, QRectF(0, 0, 3, 747), Rgb(0, 100, 0), 1);
    q.end();
    for (int y = 0; y < 747; ++y)
        ASSERT_EQ(QColor(odd.pixel(1, y)).red(), 0) << y;
}

// ---- card travel ----

TEST(BoardTravel, StepsRunOnAStraightLineAndEndExactly) {
    cBoardView::SetFrameIntervalMs(0);
    cBoardView view;
    view.resize(cBoardView::kBoardPixelWidth, cBoardView::kBoardPixelHeight);
    view.show();
    view.MoveCardTo(5, 1000, 3000);
    std::vector<QPointF> steps;
    cBoardView::StepPositionsTwips = &steps;
    view.TravelCard(5, 3000, 1000, 4);
    cBoardView::StepPositionsTwips = nullptr;
    ASSERT_EQ(steps.size(), 4u);
    const QPointF expected[] = {{1500, 2500}, {2000, 2000}, {2500, 1500}, {3000, 1000}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(steps[i].x(), expected[i].x(), 1e-3) << i;
        EXPECT_NEAR(steps[i].y(), expected[i].y(), 1e-3) << i;
    }
    EXPECT_EQ(view.CardPos(5), QPoint(3000, 1000));
    EXPECT_TRUE(view.CardVisible(5));
    EXPECT_NEAR(view.Card(5)->pos().x(), 200.0, 1e-9); // 3000 twips = 200 board pixels

    // Speed 0 jumps, Speed 1 shows the card once, at its target.
    steps.clear();
    cBoardView::StepPositionsTwips = &steps;
    view.TravelCard(5, 4000, 2000, 0);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(view.CardPos(5), QPoint(4000, 2000));
    view.TravelCard(5, 100, 200, 1);
    cBoardView::StepPositionsTwips = nullptr;
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0], QPointF(100, 200));
    EXPECT_EQ(view.CardPos(5), QPoint(100, 200));
}

TEST(BoardTravel, TravellingCardComesToTheFront) {
    cBoardView::SetFrameIntervalMs(0);
    cBoardView view;
    view.resize(400, 300);
    view.MoveCardTo(1, 0, 0);
    view.TravelCard(1, 0, 0, 0);
    view.TravelCard(2, 300, 300, 0);
    EXPECT_EQ(view.FrontCardAt(QPointF(30, 30)), 2);
    view.TravelCard(1, 300, 300, 2);
    EXPECT_EQ(view.FrontCardAt(QPointF(30, 30)), 1);
    EXPECT_GT(view.Card(1)->zValue(), view.Card(2)->zValue());
}

TEST(BoardTravel, FramesArePacedAtTheFrameInterval) {
    cBoardView view;
    view.resize(200, 150);
    view.show();
    cBoardView::SetFrameIntervalMs(10);
    QElapsedTimer t;
    t.start();
    view.TravelCard(0, 3000, 3000, 5);
    const qint64 ms = t.elapsed();
    cBoardView::SetFrameIntervalMs(0);
    EXPECT_GE(ms, 45);
    EXPECT_LT(ms, 1000);
}

// ---- a dealt game ----

TEST(BoardGame, DealtGameShowsAllCardsAtTheirPlaces) {
    BoardFixture b;
    b.Deal(123.0);
    int visible = 0;
    for (int id = 0; id < 52; ++id) {
        const cCard &card = b.game->Cards[id];
        ASSERT_TRUE(b.view.CardVisible(id)) << id;
        ++visible;
        const QPoint expected(b.game->Games.GetCordX(card.Cell, card.Pile, card.Pos),
                              b.game->Games.GetCordY(card.Cell, card.Pile, card.Pos));
        EXPECT_EQ(b.view.CardPos(id), expected) << id;
        // Face up after the deal, drawing its own face.
        EXPECT_EQ(b.view.Card(id)->ImageId(), card.FaceId()) << id;
    }
    EXPECT_EQ(visible, 52);
    // Default rules: 8 home, 4 reserve and 4 goal markers, the goal ones showing the Ace.
    for (int p = 0; p < 8; ++p)
        EXPECT_TRUE(b.view.Marker(kHome, p) && b.view.Marker(kHome, p)->isVisible()) << p;
    for (int p = 0; p < 4; ++p) {
        ASSERT_TRUE(b.view.Marker(kGoal, p));
        EXPECT_TRUE(b.view.Marker(kGoal, p)->isVisible());
        EXPECT_EQ(b.view.Marker(kGoal, p)->ImageId(), 201);
        ASSERT_TRUE(b.view.Marker(kReserve, p));
        EXPECT_EQ(b.view.Marker(kReserve, p)->ImageId(), 215);
        EXPECT_EQ(b.view.Marker(kReserve, p)->pos(), QPointF(b.game->Games.GetCordX(kReserve, p, 0) / 15.0,
                                                             b.game->Games.GetCordY(kReserve, p, 0) / 15.0));
    }
}

TEST(BoardGame, FrontCardAtAFannedPileIsItsTopCard) {
    BoardFixture b;
    b.Deal(123.0);
    const Game &g = *b.game;
    int topId = -1, bottomId = -1, topPos = -1;
    for (int id = 0; id < 52; ++id) {
        const cCard &c = g.Cards[id];
        if (c.Cell != kHome || c.Pile != 0)
            continue;
        if (c.Pos > topPos) {
            topPos = c.Pos;
            topId = id;
        }
        if (c.Pos == 0)
            bottomId = id;
    }
    ASSERT_GE(topPos, 1);
    const QPoint top = b.view.CardPos(topId);
    // Inside the top card, where it covers the cards below.
    EXPECT_EQ(b.view.FrontCardAt(QPointF(top.x() / 15.0 + 30, top.y() / 15.0 + 10)), topId);
    // The strip of the bottom card that no other card covers.
    const QPoint bottom = b.view.CardPos(bottomId);
    EXPECT_EQ(b.view.FrontCardAt(QPointF(bottom.x() / 15.0 + 30, bottom.y() / 15.0 + 3)), bottomId);
    // Bare board.
    EXPECT_EQ(b.view.FrontCardAt(QPointF(2, 2)), -1);
}

TEST(BoardGame, ClearBoardHidesEverything) {
    BoardFixture b;
    b.Deal(123.0);
    b.game->EndGame(0);
    for (int id = 0; id < 52; ++id)
        EXPECT_FALSE(b.view.CardVisible(id)) << id;
    for (int cell : {0, 3, 4})
        for (int p = 0; p < 10; ++p)
            if (sgPic *m = b.view.Marker(cell, p)) {
                EXPECT_FALSE(m->isVisible());
            }
    EXPECT_EQ(b.view.FrontCardAt(QPointF(200, 100)), -1);
    // And a new game shows them again.
    b.Deal(124.0);
    for (int id = 0; id < 52; ++id)
        EXPECT_TRUE(b.view.CardVisible(id)) << id;
}

TEST(BoardGame, CardPicturesFollowFaceAndSelection) {
    BoardFixture b;
    b.Deal(123.0);
    Game &g = *b.game;
    const int id = 7;
    g.Cards[id].FaceMode = 1;
    b.view.CardChanged(id);
    EXPECT_EQ(b.view.Card(id)->ImageId(), 101);
    EXPECT_FALSE(b.view.Card(id)->ShowsNegative());
    // A selected back looks like any back.
    g.Cards[id].Selected = true;
    b.view.CardChanged(id);
    EXPECT_EQ(b.view.Card(id)->ImageId(), 101);
    EXPECT_FALSE(b.view.Card(id)->ShowsNegative());
    g.Cards[id].FaceMode = 0;
    b.view.CardChanged(id);
    EXPECT_EQ(b.view.Card(id)->ImageId(), g.Cards[id].FaceId());
    EXPECT_TRUE(b.view.Card(id)->ShowsNegative());
    g.Cards[id].Selected = false;
    b.view.CardChanged(id);
    EXPECT_FALSE(b.view.Card(id)->ShowsNegative());
    // The seven of diamonds (diamonds are pictures 27..39 from the Ace) shows picture 33,
    // the King of clubs picture 52.
    g.Cards[id].SetValue(2, 6, 0);
    b.view.CardChanged(id);
    EXPECT_EQ(b.view.Card(id)->ImageId(), 33);
    g.Cards[id].SetValue(3, 12, 0);
    b.view.CardChanged(id);
    EXPECT_EQ(b.view.Card(id)->ImageId(), 52);
}

TEST(BoardGame, PicturesAreRenderedOncePerLook) {
    BoardFixture b;
    b.Deal(123.0);
    const int before = cPixmapCache::RenderCount();
    b.Deal(124.0);
    b.Deal(125.0);
    EXPECT_EQ(cPixmapCache::RenderCount(), before);
    // A face-down card on screen is the back picture, pixel for pixel.
    Game &g = *b.game;
    g.Cards[0].FaceMode = 1;
    b.view.CardChanged(0);
    b.view.TravelCard(0, 0, 0, 0);
    const QImage shot = Grab(b.view);
    const QImage back = cCardArt::Render(101, 1.0).convertToFormat(QImage::Format_RGB32);
    const QPointF origin = b.view.BoardOrigin();
    const QColor mid(shot.pixel(qRound(origin.x()) + 35, 48));
    EXPECT_EQ(mid, QColor(back.pixel(35, 48)));
}

TEST(BoardGame, PointerEventsReachTheBoardInTwips) {
    BoardFixture b;
    b.Deal(123.0);
    int pressed = -1;
    double px = 0, py = 0;
    QObject::connect(&b.view, &cBoardView::CardPressed, [&](int id, double x, double y) {
        pressed = id;
        px = x;
        py = y;
    });
    int released = -1;
    QObject::connect(&b.view, &cBoardView::CardReleased, [&](int id, double, double) { released = id; });
    const int id = 3;
    const QPoint tw = b.view.CardPos(id);
    // The point 10 px right and 20 px down from the card's corner, in the view.
    const QPointF scenePoint(tw.x() / 15.0 + 10, tw.y() / 15.0 + 20);
    const int front = b.view.FrontCardAt(scenePoint);
    const QPoint at = b.view.mapFromScene(scenePoint);
    QMouseEvent press(QEvent::MouseButtonPress, at, b.view.viewport()->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b.view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, b.view.viewport()->mapToGlobal(at), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b.view.viewport(), &release);
    EXPECT_EQ(pressed, front);
    EXPECT_EQ(released, front);
    const QPoint frontTw = b.view.CardPos(front);
    EXPECT_NEAR(px, scenePoint.x() * 15 - frontTw.x(), 15.0);
    EXPECT_NEAR(py, scenePoint.y() * 15 - frontTw.y(), 15.0);
}

// ---- layout ----

TEST(BoardLayout, OneToOneWhenTheViewIsLargeEnough) {
    BoardFixture b(QSize(1200, 800));
    EXPECT_DOUBLE_EQ(b.view.BoardScale(), 1.0);
    // Centred, 20 twips left of the middle: ((1200 - 1032) * 15 / 2 - 20) / 15 = 82.67 -> 83.
    EXPECT_EQ(b.view.mapFromScene(QPointF(0, 0)), QPoint(83, 0));
    EXPECT_EQ(b.view.mapFromScene(QPointF(1032, 747)), QPoint(83 + 1032, 747));
    EXPECT_EQ(b.view.BoardOrigin(), QPointF(83, 0));
}

TEST(BoardLayout, ScaledDownToFitASmallerView) {
    BoardFixture b(QSize(516, 600));
    EXPECT_NEAR(b.view.BoardScale(), 0.5, 1e-9);
    const QPoint corner = b.view.mapFromScene(QPointF(1032, 747));
    EXPECT_NEAR(corner.x(), 516, 1);
    EXPECT_NEAR(corner.y(), 374, 1);
    EXPECT_EQ(b.view.mapFromScene(QPointF(0, 0)), QPoint(0, 0));
    // Limited by the height: centred across.
    b.view.resize(1000, 373);
    QCoreApplication::processEvents();
    EXPECT_NEAR(b.view.BoardScale(), 373.0 / 747.0, 1e-9);
    EXPECT_NEAR(b.view.mapFromScene(QPointF(0, 0)).x(), (1000 - 1032 * 373.0 / 747.0) / 2, 1);
    // Growing again gives 1:1.
    b.view.resize(1100, 760);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(b.view.BoardScale(), 1.0);
}

TEST(BoardLayout, BackgroundShadesTheBoardAndTheAreaAround) {
    BoardFixture b(QSize(1100, 900));
    b.view.SetBoardColor(GetColorEntry(106).Value);
    const QImage shot = Grab(b.view);
    // Top row: the colour itself; the board's bottom row is almost black.
    EXPECT_EQ(QColor(shot.pixel(5, 0)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(500, 0)), QColor(255, 0, 0));
    EXPECT_LE(QColor(shot.pixel(500, 746)).red(), 2);
    // Below the board the window's own gradient carries on.
    EXPECT_GT(QColor(shot.pixel(500, 760)).red(), 20);
    EXPECT_LE(QColor(shot.pixel(5, 899)).red(), 2);
    ResetColorEntryMemory();
}

TEST(BoardRender, DealtGameToPng) {
    BoardFixture b;
    b.Deal(123.0);
    const QImage shot = Grab(b.view);
    const QString path = QCoreApplication::applicationDirPath() + "/board-123.png";
    ASSERT_TRUE(shot.save(path));
    EXPECT_EQ(shot.size(), QSize(1032, 747));
    // Many different colours: cards, markers and the gradient were all drawn.
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 100u);
}

TEST(BoardRender, ScaledAndWideViewsToPng) {
    BoardFixture b(QSize(700, 520));
    b.Deal(123.0);
    const QImage small = Grab(b.view);
    ASSERT_TRUE(small.save(QCoreApplication::applicationDirPath() + "/board-123-small.png"));
    // The board's right edge lies inside the view: nothing of it is cut off.
    EXPECT_LE(b.view.mapFromScene(QPointF(1032, 747)).x(), 700);
    b.view.resize(1300, 900);
    QCoreApplication::processEvents();
    const QImage wide = Grab(b.view);
    ASSERT_TRUE(wide.save(QCoreApplication::applicationDirPath() + "/board-123-wide.png"));
    EXPECT_EQ(wide.size(), QSize(1300, 900));
}

TEST(BoardGame, DraggedCardMapsEachPointerEventFromWhereItIsNow) {
    BoardFixture b;
    b.Deal(123.0);
    const int id = b.game->Array.GetTopPicID(kHome, 7);
    const QPoint start = b.view.CardPos(id);
    double grabX = 0, grabY = 0;
    bool down = false;
    std::vector<QPointF> moves;
    // Pointer play as the window does it: the card follows the pointer.
    QObject::connect(&b.view, &cBoardView::CardPressed, [&](int, double x, double y) {
        grabX = x;
        grabY = y;
        down = true;
    });
    QObject::connect(&b.view, &cBoardView::CardReleased, [&](int, double, double) { down = false; });
    QObject::connect(&b.view, &cBoardView::CardMoved, [&](int picId, double x, double y) {
        if (!down)
            return; // the pointer passing over a card with no button down
        moves.emplace_back(x, y);
        const QPoint at = b.view.CardPos(picId);
        b.view.MoveCardTo(picId, static_cast<int>(std::lround(at.x() + x - grabX)),
                          static_cast<int>(std::lround(at.y() + y - grabY)));
    });
    QWidget *vp = b.view.viewport();
    const QPoint from = b.view.mapFromScene(QPointF(start.x() / 15.0 + 35, start.y() / 15.0 + 48));
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, vp->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(vp, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, from + QPoint(-40, -30), Qt::LeftButton);
    send(QEvent::MouseMove, from + QPoint(-80, -60), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + QPoint(-80, -60), Qt::NoButton);
    ASSERT_EQ(moves.size(), 2u);
    // Each move is 40 x 30 pixels from the grab point of the card where it then stood.
    for (const QPointF &m : moves) {
        EXPECT_NEAR(m.x() - grabX, -600, 1e-6);
        EXPECT_NEAR(m.y() - grabY, -450, 1e-6);
    }
    EXPECT_EQ(b.view.CardPos(id), start + QPoint(-1200, -900));
    EXPECT_EQ(b.view.FrontCardAt(QPointF((start.x() - 1200) / 15.0 + 35, (start.y() - 900) / 15.0 + 48)), id);
}
