// The card pictures: sizes at both screen scales, clear corners, one distinct image per id,
// red and black inks where a player reads the suit, and the selected look.
#include "cCardArt.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

using tabloo::cCardArt;

namespace {

std::vector<int> AllIds() {
    std::vector<int> ids;
    for (int id = 1; id <= 52; ++id)
        ids.push_back(id);
    for (int id = 101; id <= 116; ++id)
        ids.push_back(id);
    for (int id = 201; id <= 218; ++id)
        ids.push_back(id);
    return ids;
}

int FaceId(int suit, int num) { return suit * 13 + num + 1; }

QColor At(const QImage &image, int x, int y) { return QColor::fromRgba(qUnpremultiply(image.pixel(x, y))); }

bool IsClearlyRed(const QColor &c) { return c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90; }

bool IsSaturatedRed(const QColor &c) { return c.alpha() > 128 && c.red() - std::max(c.green(), c.blue()) > 60; }

// The top-left index: the rank with the small pip to its right, at scale 1.
constexpr int kIndexLeft = 2, kIndexTop = 2, kIndexRight = 23, kIndexBottom = 14;

} // namespace

TEST(CardArt, KnownIdsAreCardSizedAtEveryScaleAndOthersGiveNoImage) {
    int valid = 0;
    for (int id = -5; id <= 400; ++id)
        valid += cCardArt::IsValidId(id) ? 1 : 0;
    EXPECT_EQ(valid, 52 + 16 + 18);
    for (int id : {0, 53, 100, 117, 200, 219, -1}) {
        EXPECT_FALSE(cCardArt::IsValidId(id)) << id;
        EXPECT_TRUE(cCardArt::Render(id).isNull()) << id;
    }
    for (qreal dpr : {1.0, 2.0})
        for (int id : AllIds()) {
            const QImage image = cCardArt::Render(id, dpr);
            ASSERT_FALSE(image.isNull()) << id;
            EXPECT_EQ(image.size(), QSize(71 * dpr, 96 * dpr)) << id;
            EXPECT_EQ(image.devicePixelRatio(), dpr) << id;
            // Laid out in logical pixels, the image takes the same room at every scale.
            EXPECT_EQ(image.deviceIndependentSize(), QSizeF(71, 96)) << id;
            EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << id;
        }
}

TEST(CardArt, CornersAreClearCardsSolidAndMarkersSeeThrough) {
    for (qreal dpr : {1.0, 2.0, 1.5})
        for (int id : AllIds()) {
            const QImage image = cCardArt::Render(id, dpr);
            const int r = image.width() - 1, b = image.height() - 1;
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << id << " at " << dpr;
            EXPECT_EQ(qAlpha(image.pixel(r, 0)), 0) << id << " at " << dpr;
            EXPECT_EQ(qAlpha(image.pixel(0, b)), 0) << id << " at " << dpr;
            EXPECT_EQ(qAlpha(image.pixel(r, b)), 0) << id << " at " << dpr;
            // A card is solid to its edges; a marker's pad lets the board's own colour through.
            if (id > 200) {
                const int pad = qAlpha(image.pixel(image.width() / 2, image.height() * 23 / 24));
                EXPECT_GT(pad, 0) << id << " at " << dpr;
                EXPECT_LT(pad, 160) << id << " at " << dpr;
                continue;
            }
            const int middle = qAlpha(image.pixel(image.width() / 2, image.height() / 2));
            EXPECT_EQ(middle, 255) << id << " at " << dpr;
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, 0)), 255) << id << " at " << dpr;
            EXPECT_EQ(qAlpha(image.pixel(0, image.height() / 2)), 255) << id << " at " << dpr;
        }
}

TEST(CardArt, EveryIdHasItsOwnPicture) {
    for (qreal dpr : {1.0, 2.0}) {
        std::map<QByteArray, int> seen;
        for (int id : AllIds()) {
            const QImage image = cCardArt::Render(id, dpr);
            const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            const auto [it, fresh] = seen.emplace(bits, id);
            EXPECT_TRUE(fresh) << "id " << id << " looks exactly like id " << it->second << " at " << dpr;
        }
    }
}

TEST(CardArt, RedSuitsPrintTheirIndexInRed) {
    for (int suit : {0, 2})
        for (int num = 0; num < 13; ++num) {
            const int id = FaceId(suit, num);
            const QImage image = cCardArt::Render(id);
            int red = 0;
            for (int y = kIndexTop; y <= kIndexBottom; ++y)
                for (int x = kIndexLeft; x <= kIndexRight; ++x)
                    red += IsClearlyRed(At(image, x, y)) ? 1 : 0;
            EXPECT_GE(red, 20) << "id " << id;
        }
}

TEST(CardArt, BlackSuitsPrintTheirIndexInBlackWithoutRed) {
    for (int suit : {1, 3})
        for (int num = 0; num < 13; ++num) {
            const int id = FaceId(suit, num);
            const QImage image = cCardArt::Render(id);
            int dark = 0, red = 0;
            for (int y = kIndexTop; y <= kIndexBottom; ++y)
                for (int x = kIndexLeft; x <= kIndexRight; ++x) {
                    const QColor c = At(image, x, y);
                    dark += (c.alpha() == 255 && c.lightness() < 60) ? 1 : 0;
                    red += IsSaturatedRed(c) ? 1 : 0;
                }
            EXPECT_GE(dark, 20) << "id " << id;
            EXPECT_EQ(red, 0) << "id " << id;
        }
}

TEST(CardArt, PipCardsShowNoRedInBlackSuits) {
    // Ace to ten of spades and clubs are printed in black ink alone.
    for (int suit : {1, 3})
        for (int num = 0; num <= 9; ++num) {
            const QImage image = cCardArt::Render(FaceId(suit, num));
            int red = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    red += IsSaturatedRed(At(image, x, y)) ? 1 : 0;
            EXPECT_EQ(red, 0) << "id " << FaceId(suit, num);
        }
}

TEST(CardArt, TwosFoursTensAndCourtsReadTheSameUpsideDown) {
    // Lower-half pips are turned, the index is repeated turned in the opposite corner and the
    // court figures are mirrored, so these cards (which have no upright middle pips) look the
    // same either way up; antialiasing may differ by a shade.
    for (int suit = 0; suit < 4; ++suit)
        for (int num : {1, 3, 9, 10, 11, 12}) {
            const QImage image = cCardArt::Render(FaceId(suit, num));
            const QImage turned = image.transformed(QTransform().rotate(180));
            ASSERT_EQ(turned.size(), image.size());
            int off = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb a = image.pixel(x, y), b = turned.pixel(x, y);
                    const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                    off += d > 48 ? 1 : 0;
                }
            EXPECT_LT(off, image.width() * image.height() / 200) << "id " << FaceId(suit, num);
        }
}

TEST(CardArt, TheSamePictureAtEveryScale) {
    // Scaled down, the sharp scale-two image matches the scale-one image closely.
    for (int id : AllIds()) {
        const QImage one = cCardArt::Render(id, 1.0).convertToFormat(QImage::Format_ARGB32);
        const QImage two = cCardArt::Render(id, 2.0)
                               .scaledToWidth(71, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(two.size(), QSize(71, 96)) << id;
        double sum = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                const QRgb a = one.pixel(x, y), b = two.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        EXPECT_LT(sum / (71.0 * 96.0 * 3.0), 12.0) << id;
    }
}

TEST(CardArt, NegativeTurnsWhiteToBlackAndKeepsCornersClear) {
    // The middle of a two of hearts is bare white card.
    const QImage two = cCardArt::Render(FaceId(0, 1));
    ASSERT_EQ(two.pixel(35, 48), qRgba(255, 255, 255, 255));
    const QImage negative = cCardArt::Negative(two);
    ASSERT_EQ(negative.size(), two.size());
    EXPECT_EQ(negative.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(negative.pixel(35, 48), qRgba(0, 0, 0, 255));
    const int r = two.width() - 1, b = two.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        EXPECT_EQ(qAlpha(negative.pixel(corner)), 0);
}

TEST(CardArt, NegativeInvertsEveryChannelAndKeepsAlpha) {
    const QImage ace = cCardArt::Render(FaceId(2, 0), 2.0);
    const QImage negative = cCardArt::Negative(ace);
    EXPECT_EQ(negative.devicePixelRatio(), 2.0);
    for (int y = 0; y < ace.height(); y += 3)
        for (int x = 0; x < ace.width(); x += 3) {
            const QRgb a = ace.pixel(x, y), n = negative.pixel(x, y);
            ASSERT_EQ(qAlpha(n), qAlpha(a));
            if (qAlpha(a) == 255) {
                ASSERT_EQ(qRed(n), 255 - qRed(a));
                ASSERT_EQ(qGreen(n), 255 - qGreen(a));
                ASSERT_EQ(qBlue(n), 255 - qBlue(a));
            }
        }
    // A red diamond turns cyan.
    const QColor centre = At(negative, negative.width() / 2, negative.height() / 2);
    EXPECT_LT(centre.red(), 80);
    EXPECT_GT(centre.green(), 180);
    EXPECT_GT(centre.blue(), 180);
    // Twice inverted is the picture again.
    EXPECT_EQ(cCardArt::Negative(negative), ace);
    EXPECT_TRUE(cCardArt::Negative(QImage()).isNull());
}
