// The board on screen: colours, travelling cards and their sounds, hit tests, the view's scale.
#include "WindowFixture.h"
#include "sgPic.h"

using namespace tabloo;

namespace {

// A shown board, no frame pacing, with game 123 dealt unless told otherwise.
struct BoardFixture {
    cMemorySettings settings;
    test::FixedClock clock;
    cUniformRandom random;
    cBoardView view;
    std::unique_ptr<Game> game;

    explicit BoardFixture(bool deal = true,
                          QSize size = {cBoardView::kBoardPixelWidth, cBoardView::kBoardPixelHeight}) {
        view.Flights().SetFrameInterval(0);
        view.resize(size);
        view.show();
        QCoreApplication::processEvents();
        game = std::make_unique<Game>(settings, clock, random, view);
        view.SetGame(*game);
        game->EnsureFirstPlayer();
        if (deal)
            Deal(123.0);
    }
    void Deal(double number) {
        game->StartGame(number);
        QCoreApplication::processEvents();
    }
    void Resize(int w, int h) {
        view.resize(w, h);
        QCoreApplication::processEvents();
    }
    // Shows card `id` face up (0) or down (1), selected or not, as the game tells the view.
    cCard Look(std::int16_t id, std::int32_t faceMode, bool selected = false) {
        cCard c = game->Card(id);
        c.FaceMode = faceMode;
        c.Selected = selected;
        view.CardChanged(id, c);
        return c;
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

TEST(BoardColors, TableEntriesAndTheRememberedEntry) {
    cColorTable colors;
    // Before any entry was found, a number off the table gives an empty entry: a black board.
    EXPECT_TRUE(colors.GetColorEntry(0).Name.isEmpty());
    EXPECT_EQ(colors.GetColorEntry(0).Value, 0u);
    // Off the table: the last entry. The web colours come below; these two are the table's own.
    for (auto [index, name, value] :
         {std::tuple{23, "Darkgreen", Rgb(0, 100, 0)}, std::tuple{130, "Darkgreen", Rgb(0, 100, 0)},
          std::tuple{-5, "Darkgreen", Rgb(0, 100, 0)}, std::tuple{15, "Cornflower", Rgb(100, 149, 237)},
          std::tuple{31, "Darkseagreen", Rgb(143, 188, 139)}, std::tuple{0, "Darkseagreen", Rgb(143, 188, 139)}}) {
        EXPECT_EQ(colors.GetColorEntry(index).Name, QString(name)) << index;
        EXPECT_EQ(colors.GetColorEntry(index).Value, value) << index;
    }

    std::set<QString> names;
    for (int i = 1; i <= kColorCount; ++i) {
        const ColorEntry e = colors.GetColorEntry(i);
        EXPECT_TRUE(names.insert(e.Name).second) << "twice: " << i;
        if (e.Name == "Cornflower" || e.Name == "Darkseagreen")
            continue;
        const QColor web = QColor::fromString(e.Name.toLower());
        ASSERT_TRUE(web.isValid()) << e.Name.toStdString();
        EXPECT_EQ(ToQColor(e.Value), web) << e.Name.toStdString();
        EXPECT_EQ(FromQColor(web), e.Value) << e.Name.toStdString();
    }
}

std::vector<QPoint> Frames(cBoardView &view, int picId, int count) {
    std::vector<QPoint> seen;
    for (int i = 0; i < count; ++i) {
        view.Flights().AdvanceFrame();
        seen.push_back(view.CardPos(picId));
    }
    return seen;
}

TEST(BoardTravel, StepsRunStraightOneAFrameOverTheOthersAndInOrderWithSoundsAndLooks) {
    BoardFixture b(false);
    cBoardView &view = b.view;
    view.Flights().SetFrameInterval(1e8); // frames shown by hand only
    view.MoveCardTo(5, 1000, 3000);
    view.TravelCard(5, 3000, 1000, 4, kPlayMove);
    EXPECT_EQ(view.CardPos(5), QPoint(1000, 3000)) << "nothing moves before the next frame";
    EXPECT_TRUE(view.Flying());
    EXPECT_EQ(Frames(view, 5, 4), (std::vector<QPoint>{{1500, 2500}, {2000, 2000}, {2500, 1500}, {3000, 1000}}));
    EXPECT_FALSE(view.Flying());
    EXPECT_NEAR(view.Card(5)->pos().x(), 200.0, 1e-9); // 3000 twips = 200 board pixels
    // Speed 0 jumps at once, Speed 1 shows the card once, at its target.
    view.TravelCard(5, 4000, 2000, 0, kPlayMove);
    EXPECT_EQ(view.CardPos(5), QPoint(4000, 2000));
    view.TravelCard(5, 100, 200, 1, kPlayMove);
    EXPECT_EQ(Frames(view, 5, 1), (std::vector<QPoint>{{100, 200}}));

    view.TravelCard(1, 0, 0, 0, kPlayMove);
    view.TravelCard(2, 300, 300, 0, kPlayMove);
    EXPECT_EQ(view.FrontCardAt(QPointF(30, 30)), 2);
    view.TravelCard(1, 300, 300, 2, kPlayMove);
    view.Flights().AdvanceFrame();
    EXPECT_EQ(view.FrontCardAt(QPointF(30, 30)), 1) << "a travelling card flies over the others";
    EXPECT_GT(view.Card(1)->zValue(), view.Card(2)->zValue());
    view.LandFlights();

    // Travels, sounds and looks keep their order.
    std::vector<std::pair<qint64, QString>> heard;
    int won = 0;
    QObject::connect(&view, &cBoardView::SoundRequested,
                     [&](const QString &name) { heard.emplace_back(view.Flights().Frame(), name); });
    QObject::connect(&view, &cBoardView::GameWonNoticed, [&] { ++won; });
    const qint64 f0 = view.Flights().Frame();
    for (int id : {1, 2, 3})
        view.MoveCardTo(id, 0, 0);
    // A sound asked for before any travel plays at once; one after a travel when it lands.
    view.PlaySound("CardUp");
    view.TravelCard(1, 3000, 0, 3, kPlayMove);
    view.PlaySound("AutoPlay");
    view.TravelCard(2, 3000, 0, 2, kPlayMove);
    // Card 2 turns face down when it has landed.
    b.Look(2, 1);
    view.GameWon();
    EXPECT_EQ(view.Card(2)->ImageId(), 0) << "no look before the landing";
    Frames(view, 1, 3);
    EXPECT_EQ(view.CardPos(1), QPoint(3000, 0));
    EXPECT_EQ(view.CardPos(2), QPoint(0, 0)) << "the second travel waits for the first";
    Frames(view, 2, 2);
    EXPECT_EQ(view.CardPos(2), QPoint(3000, 0));
    EXPECT_EQ(view.Card(2)->ImageId(), 101);
    EXPECT_EQ(heard, (std::vector<std::pair<qint64, QString>>{{f0, "CardUp"}, {f0 + 3, "AutoPlay"}}));
    EXPECT_EQ(won, 1);
    EXPECT_FALSE(view.Flying());

    // The deal's cards start one frame after another and fly side by side.
    for (int id : {1, 2, 3})
        view.TravelCard(static_cast<std::int16_t>(id), 6000, 3000, 5, kDealMove);
    std::vector<int> moving;
    for (int frame = 0; frame < 7; ++frame) {
        view.Flights().AdvanceFrame();
        moving.push_back((view.CardPos(1) != QPoint(3000, 0)) + (view.CardPos(2) != QPoint(3000, 0)) +
                         (view.CardPos(3) != QPoint(0, 0)));
    }
    EXPECT_EQ(moving, (std::vector<int>{1, 2, 3, 3, 3, 3, 3}));
    EXPECT_FALSE(view.Flying()) << "three cards of five steps, one frame apart: seven frames";

    // Landing puts everything in place at once, drops the waiting sounds and tells the win.
    heard.clear();
    view.TravelCard(3, 0, 0, 20, kPlayMove);
    view.PlaySound("AutoPlay");
    view.TravelCard(1, 0, 0, 20, kPlayMove);
    view.GameWon();
    view.Flights().AdvanceFrame();
    view.LandFlights();
    EXPECT_EQ(view.CardPos(3), QPoint(0, 0));
    EXPECT_EQ(view.CardPos(1), QPoint(0, 0));
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(won, 2);
    EXPECT_FALSE(view.Flying());
}

TEST(BoardTravel, TheEventLoopRunsWhileCardsTravel) {
    BoardFixture b(false);
    cBoardView &view = b.view;
    view.Flights().SetFrameInterval(1);
    view.MoveCardTo(4, 0, 0);
    view.TravelCard(4, 9000, 6000, 120, kPlayMove);
    // A timer of its own ticks between the frames; the travel ends by the board's timer.
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(0);
    QElapsedTimer guard;
    guard.start();
    while (view.Flying() && guard.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(view.Flying());
    EXPECT_EQ(view.CardPos(4), QPoint(9000, 6000));
    EXPECT_GE(ticks, 120) << "at least one tick of the other timer between frames";
    EXPECT_GE(view.Flights().Frame(), 120);
}

TEST(BoardGame, CardsShowAtTheirPlacesAsTheirFaceSelectionAndLookSayAndClearingHidesThem) {
    BoardFixture b;
    // Face mode, selected, picture (0: its own face), drawn in negative. A selected back looks like any back.
    for (auto [faceMode, selected, image, negative] :
         {std::tuple{1, false, 101, false}, std::tuple{1, true, 101, false}, std::tuple{0, true, 0, true},
          std::tuple{0, false, 0, false}}) {
        const cCard card = b.Look(7, faceMode, selected);
        EXPECT_EQ(b.view.Card(7)->ImageId(), image ? image : card.FaceId()) << faceMode << selected;
        EXPECT_EQ(b.view.Card(7)->ShowsNegative(), negative) << faceMode << selected;
    }

    // A face-down card on screen is the back picture, pixel for pixel.
    b.Look(0, 1);
    b.view.TravelCard(0, 0, 0, 0, kPlayMove);
    const QImage back = cCardArt::Render(101, 1.0).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QColor(Grab(b.view).pixel(qRound(b.view.BoardOrigin().x()) + 35, 48)), QColor(back.pixel(35, 48)));
    // A new face look redraws the cards at once.
    const cCard face = b.Look(5, 0);
    b.view.TravelCard(5, 0, 0, 0, kPlayMove);
    const cFaceLook large{cFaceLook::kLargePrint, true};
    b.view.SetFaceLook(large);
    // The card on screen is the new picture, inside its rounded corners.
    const QImage want = cCardArt::Render(face.FaceId(), 1.0, large).convertToFormat(QImage::Format_RGB32);
    const QImage shown = Grab(b.view);
    const int left = qRound(b.view.BoardOrigin().x());
    int off = 0;
    for (int y = 5; y < 91; ++y)
        for (int x = 5; x < 66; ++x)
            off += shown.pixel(left + x, y) != want.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(off, 0);
    // The same look again draws nothing anew.
    const int renders = b.view.Pictures().RenderCount();
    b.view.SetFaceLook(large);
    (void)Grab(b.view);
    EXPECT_EQ(b.view.Pictures().RenderCount(), renders);

    // Every card of the deal shows, and a marker under each of the 8 home, 4 reserve and 4 goal piles of the
    // default rules; ending the game hides them all, the next deal shows them again.
    const Game &g = *b.game;
    for (int id = 0; id < 52; ++id)
        ASSERT_TRUE(b.view.CardVisible(id)) << id;
    for (auto [cell, piles] : {std::pair{kHome, 8}, std::pair{kReserve, 4}, std::pair{kGoal, 4}})
        for (std::int16_t p = 0; p < piles; ++p) {
            ASSERT_TRUE(b.view.Marker(cell, p) && b.view.Marker(cell, p)->isVisible()) << cell << " " << p;
            EXPECT_EQ(b.view.Marker(cell, p)->pos(), QPointF(g.PlaceX(cell, p, 0) / 15.0, g.PlaceY(cell, p, 0) / 15.0));
        }

    b.game->EndGame(0);
    for (int id = 0; id < 52; ++id)
        EXPECT_FALSE(b.view.CardVisible(id)) << id;
    for (int cell : {0, 3, 4})
        for (int p = 0; p < 10; ++p)
            if (sgPic *m = b.view.Marker(cell, p)) {
                EXPECT_FALSE(m->isVisible()) << cell << " " << p;
            }
    EXPECT_EQ(b.view.FrontCardAt(QPointF(200, 100)), -1);
    b.Deal(124.0);
    for (int id = 0; id < 52; ++id)
        EXPECT_TRUE(b.view.CardVisible(id)) << id << " shown again";
}

TEST(BoardLayout, OneToOneWhenLargeEnoughElseScaledToFitShadedAroundAndKeepingAFewScalesOnly) {
    BoardFixture b(false, QSize(1200, 800));
    EXPECT_DOUBLE_EQ(b.view.BoardScale(), 1.0);
    EXPECT_NEAR(b.view.mapFromScene(QPointF(0, 0)).x(), (1200 - 1032) / 2, 2) << "centred";

    b.Resize(516, 600);
    EXPECT_NEAR(b.view.BoardScale(), 0.5, 1e-9);
    EXPECT_NEAR(b.view.mapFromScene(QPointF(1032, 747)).x(), 516, 1);
    EXPECT_NEAR(b.view.mapFromScene(QPointF(1032, 747)).y(), 374, 1);
    // Limited by the height: centred across.
    b.Resize(1000, 373);
    EXPECT_NEAR(b.view.BoardScale(), 373.0 / 747.0, 1e-9);
    EXPECT_NEAR(b.view.mapFromScene(QPointF(0, 0)).x(), (1000 - 1032 * 373.0 / 747.0) / 2, 1);
    b.Resize(1100, 760);
    EXPECT_DOUBLE_EQ(b.view.BoardScale(), 1.0) << "growing again gives 1:1";
    // The background shades the board from the colour itself at the top to almost black at its bottom row.
    b.Resize(1100, 900);
    b.view.SetBoardColor(Rgb(255, 0, 0));
    const QImage shot = Grab(b.view);
    EXPECT_EQ(QColor(shot.pixel(500, 0)), QColor(255, 0, 0));
    EXPECT_LE(QColor(shot.pixel(500, 746)).red(), 2);
    // Below the board the window's own gradient carries on.
    EXPECT_GT(QColor(shot.pixel(500, 760)).red(), 20);
    EXPECT_LE(QColor(shot.pixel(5, 899)).red(), 2);

    // Shrinking a pixel at a time keeps the pictures of a few scales only.
    b.Deal(123.0);
    int most = 0;
    for (int width = 1000; width > 700; width -= 3) {
        b.Resize(width, 700);
        most = std::max(most, b.view.Pictures().ImageCount());
    }
    // 52 faces and backs, 18 markers and the negatives of those in use, at three scales.
    EXPECT_LE(most, 3 * 2 * (52 + 16 + 18));
    for (int id = 0; id < 52; ++id)
        EXPECT_FALSE(b.view.Card(id)->isVisible() && b.view.Card(id)->ImageId() == 0) << id;
    EXPECT_EQ(Grab(b.view).size(), b.view.viewport()->size());
    // Once the resize is over (its timer run now), only the last scale's pictures stay.
    auto *settle = b.view.findChild<QTimer *>("settleTimer");
    ASSERT_TRUE(settle && settle->isActive());
    settle->setInterval(0);
    QCoreApplication::processEvents();
    EXPECT_LE(b.view.Pictures().ImageCount(), 2 * (52 + 16 + 18));
    EXPECT_GT(b.view.Pictures().ImageCount(), 0);
    const QImage before = Grab(b.view);
    b.view.viewport()->repaint();
    EXPECT_EQ(Grab(b.view), before) << "the board looks as it did";
}
