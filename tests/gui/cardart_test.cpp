// The card pictures: sizes, corners, distinct images, inks, both ways up, the negative; the icon.
#include "WindowFixture.h"
#include "cGames.h"
#include "mAppIcon.h"

#include <cstdlib>

using tabloo::cCardArt;
using tabloo::cFaceLook;

namespace {

std::vector<int> AllIds() {
    std::vector<int> ids;
    for (auto [first, last] : {std::pair{1, 52}, std::pair{101, 116}, std::pair{201, 218}})
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    return ids;
}

int FaceId(int suit, int num) { return suit * 13 + num + 1; }

QColor At(const QImage &image, int x, int y) { return QColor::fromRgba(qUnpremultiply(image.pixel(x, y))); }

template <typename Test> int Count(const QImage &image, QRect area, Test test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(At(image, x, y)) ? 1 : 0;
    return n;
}

bool IsClearlyRed(const QColor &c) { return c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool IsSaturatedRed(const QColor &c) { return c.alpha() > 128 && c.red() - std::max(c.green(), c.blue()) > 60; }
bool IsBlack(const QColor &c) { return c.alpha() == 255 && c.lightness() < 60; }

// The mean difference of the colour channels of two pictures of the same size.
double MeanChannelDiff(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (x.width() * x.height() * 3.0);
}

bool Inked(const QColor &c) { return c.alpha() == 255 && c.lightness() < 200; }

// The first and last inked rows of the top-left index (left of its suit sign), from the top.
std::pair<int, int> IndexRows(const QImage &image) {
    int first = -1, last = -1;
    for (int y = 2; y < 40; ++y) {
        const bool ink = Count(image, QRect(3, y, 14, 1), Inked) > 0;
        if (ink && first < 0)
            first = y;
        if (ink)
            last = y;
        else if (first >= 0)
            break;
    }
    return {first, last};
}

} // namespace

TEST(CardArt, EveryIdIsACardSizedPictureOfItsOwnWithClearCornersTheSameAtEveryScale) {
    for (int id : {0, 53, 100, 117, 200, 219, -1})
        EXPECT_TRUE(!cCardArt::IsValidId(id) && cCardArt::Render(id).isNull()) << id;
    for (qreal dpr : {1.0, 2.0, 1.5}) {
        std::map<QByteArray, int> seen;
        for (int id : AllIds()) {
            const QImage image = cCardArt::Render(id, dpr);
            ASSERT_TRUE(cCardArt::IsValidId(id) && !image.isNull()) << id;
            EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << id;
            // Laid out in logical pixels, the image takes the same room at every scale.
            if (dpr == std::floor(dpr)) {
                EXPECT_EQ(image.size(), QSize(71 * dpr, 96 * dpr)) << id;
                EXPECT_EQ(image.deviceIndependentSize(), QSizeF(71, 96)) << id;
            }
            const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            const auto [it, fresh] = seen.emplace(bits, id);
            EXPECT_TRUE(fresh) << "id " << id << " looks exactly like id " << it->second << " at " << dpr;
            const int w = image.width(), h = image.height();
            for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << id << " at " << dpr;
            if (dpr == 2.0) {
                // Scaled down, the sharp scale-two image matches the scale-one image closely.
                EXPECT_LT(MeanChannelDiff(cCardArt::Render(id, 1.0), image.scaledToWidth(71, Qt::SmoothTransformation)),
                          12.0)
                    << id;
            }
            if (id > 200) {
                // A marker's pad lets the board's own colour through.
                const int pad = qAlpha(image.pixel(w / 2, h * 23 / 24));
                EXPECT_TRUE(pad > 0 && pad < 160) << id << " at " << dpr;
            } else {
                // A card is solid to its edges.
                for (QPoint p : {QPoint(w / 2, h / 2), QPoint(w / 2, 0), QPoint(0, h / 2)})
                    EXPECT_EQ(qAlpha(image.pixel(p)), 255) << id << " at " << dpr;
            }
        }
    }
}

TEST(CardArt, TwosFoursTensAndCourtsReadTheSameUpsideDown) {
    // Cards without an upright middle pip look the same turned round, but for antialiasing.
    for (int suit = 0; suit < 4; ++suit)
        for (int num : {1, 3, 9, 10, 11, 12}) {
            const QImage image = cCardArt::Render(FaceId(suit, num));
            const QImage turned = image.transformed(QTransform().rotate(180));
            int off = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb a = image.pixel(x, y), b = turned.pixel(x, y);
                    off += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))}) > 48;
                }
            EXPECT_LT(off, image.width() * image.height() / 200) << "id " << FaceId(suit, num);
        }
}

TEST(CardArt, LargePrintIndexIsTallerAndStaysInTheStripAFannedPileShows) {
    const cFaceLook large{cFaceLook::kLargePrint, false};
    const double strip = double(tabloo::kFanStep) / tabloo::kTwipsPerPixel;
    for (int suit = 0; suit < 4; ++suit)
        for (int num = 0; num < 13; ++num) {
            const int id = FaceId(suit, num);
            const QImage classic = cCardArt::Render(id), big = cCardArt::Render(id, 1.0, large);
            EXPECT_NE(classic, big) << id;
            const auto [c0, c1] = IndexRows(classic);
            const auto [b0, b1] = IndexRows(big);
            ASSERT_GE(c0, 0) << id;
            // The classic J and Q reach the strip's foot already: Large print only makes them bolder.
            const bool tail = num == 10 || num == 11;
            EXPECT_GE(b1 - b0 + 1, (c1 - c0 + 1) * (tail ? 4 : 5) / 4) << id << " rank rows " << b0 << ".." << b1;
            // Rank and suit sign both end above the next card of a fanned pile.
            EXPECT_LT(b1, strip) << id;
            const QRect sign(22, 2, 18, int(strip) - 2);
            EXPECT_GE(Count(big, sign, Inked), 60) << id;
            EXPECT_EQ(Count(big, QRect(2, int(strip) + 1, 40, 2), Inked), 0) << id << " ink just below the strip";
        }
}

TEST(CardArt, IndexesInkRedAndBlackOrInFourColoursDiamondsBlueAndClubsGreen) {
    auto blue = [](const QColor &c) { return c.alpha() == 255 && c.blue() - std::max(c.red(), c.green()) > 80; };
    auto green = [](const QColor &c) { return c.alpha() == 255 && c.green() - std::max(c.red(), c.blue()) > 50; };
    // The top-left index: the rank with the small pip to its right; `rank` is that of the classic faces.
    const QRect index(2, 2, 36, 14), rank(2, 2, 22, 13);
    for (auto faces : {cFaceLook::kClassic, cFaceLook::kLargePrint})
        for (int suit = 0; suit < 4; ++suit)
            for (int num = 0; num < 13; ++num) {
                const int id = FaceId(suit, num);
                const QImage two = cCardArt::Render(id, 1.0, {faces, false});
                const QImage four = cCardArt::Render(id, 1.0, {faces, true});
                // In two colours red suits print their index in red, black suits in black alone: ace to ten
                // have no red anywhere, the courts none in the index.
                if (suit == 0 || suit == 2) {
                    EXPECT_GE(Count(two, rank, IsClearlyRed), 20) << id << " in design " << faces;
                } else {
                    EXPECT_GE(Count(two, rank, IsBlack), 20) << id << " in design " << faces;
                    EXPECT_EQ(Count(two, num <= 9 ? two.rect() : rank, IsSaturatedRed), 0) << id << " in " << faces;
                }
                if (suit == 0 || suit == 1) {
                    EXPECT_EQ(two, four) << id << " in design " << faces;
                    continue;
                }
                const auto ownColour = suit == 2 ? +blue : +green;
                EXPECT_EQ(Count(two, index, ownColour), 0) << id;
                EXPECT_GE(Count(four, index, ownColour), 20) << id << " in design " << faces;
                EXPECT_EQ(Count(four, index, IsSaturatedRed) + Count(four, index, IsBlack), 0) << id;
            }
    // An unknown faces setting draws the classic faces.
    EXPECT_EQ(cFaceLook::FromSettings(1, 1), (cFaceLook{cFaceLook::kLargePrint, true}));
    for (int stored : {0, 2, -1, 32767}) {
        const cFaceLook look = cFaceLook::FromSettings(stored, 0);
        EXPECT_EQ(look, cFaceLook{}) << stored;
        EXPECT_EQ(cCardArt::Render(13, 1.0, look), cCardArt::Render(13)) << stored;
    }
    EXPECT_FALSE(cFaceLook::FromSettings(0, 2).FourColours);
}

TEST(AppIcon, EverySizeShowsBothAcesOnAClearBackground) {
    auto white = [](const QColor &c) { return c.alpha() == 255 && c.lightness() > 240; };
    auto clear = [](const QColor &c) { return c.alpha() == 0; };
    for (int size : tabloo::mAppIcon::kSizes) {
        const QImage image = tabloo::mAppIcon::Render(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        const int area = size * size;
        // The heart, the spade, the cards, and the clear corners round them.
        EXPECT_GT(Count(image, image.rect(), IsClearlyRed), area / 200) << size;
        EXPECT_GT(Count(image, image.rect(), IsBlack), area / 100) << size;
        EXPECT_GT(Count(image, image.rect(), white), area / 5) << size;
        EXPECT_GT(Count(image, image.rect(), clear), area / 20) << size;
    }
}
