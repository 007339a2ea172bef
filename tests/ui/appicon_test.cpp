// The game's icon: at every size of the theme a picture of that size that shows both aces,
// red and black, on a clear background.
#include "mAppIcon.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

using namespace tabloo;

TEST(AppIcon, EverySizeShowsBothAcesOnAClearBackground) {
    for (int size : mAppIcon::kSizes) {
        const QImage image = mAppIcon::Render(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        int red = 0, black = 0, clear = 0, white = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor c = QColor::fromRgba(qUnpremultiply(image.pixel(x, y)));
                if (c.alpha() == 0)
                    ++clear;
                else if (c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90)
                    ++red;
                else if (c.alpha() == 255 && c.lightness() < 50)
                    ++black;
                else if (c.alpha() == 255 && c.lightness() > 240)
                    ++white;
            }
        const int area = size * size;
        EXPECT_GT(red, area / 200) << size;   // the heart
        EXPECT_GT(black, area / 100) << size; // the spade
        EXPECT_GT(white, area / 5) << size;   // the cards
        EXPECT_GT(clear, area / 20) << size;  // round them
    }
}
