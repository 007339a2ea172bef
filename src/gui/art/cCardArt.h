// The pictures of the game: the 52 faces, the 16 backs and the 18 markers of empty piles,
// all drawn by our own vector code so that they stay sharp at any screen scale.
#pragma once

#include <QImage>

class QPainter;

namespace tabloo {

// How the 52 faces are drawn: the design of the faces, and whether every suit has a colour of
// its own (hearts red, diamonds blue, clubs green, spades black) or the two classic inks.
struct cFaceLook {
    enum Design : int { kClassic = 0, kLargePrint = 1 };
    Design Faces = kClassic;
    bool FourColours = false;
    bool operator==(const cFaceLook &) const = default;
    // The look the settings CardFaces and FourColours name: CardFaces 1 is Large print and
    // any other value the classic faces; FourColours 1 is on, any other value off.
    static cFaceLook FromSettings(int cardFaces, int fourColours) {
        return {cardFaces == kLargePrint ? kLargePrint : kClassic, fourColours == 1};
    }
};

class cCardArt {
public:
    static constexpr int kWidth = 71, kHeight = 96; // logical pixels of every image

    // Faces 1..52 (Suit * 13 + Num + 1), backs 101..116, markers 201..218.
    static bool IsValidId(int id);

    // The image of an id at a device pixel ratio: kWidth*dpr x kHeight*dpr physical pixels,
    // the ratio set on the image, ARGB32_Premultiplied, the rounded corners fully transparent.
    // An invalid id gives a null QImage. Needs a QGuiApplication, for the font of the letters.
    // The look changes the faces only.
    static QImage Render(int id, qreal devicePixelRatio = 1.0, cFaceLook look = {});

    // Paints the picture of a valid id onto any painter (an image, an SVG), in card coordinates:
    // kWidth x kHeight from the painter's origin. Leaves the painter's state as it found it.
    static void Paint(QPainter &p, int id, cFaceLook look = {});

    // The look of a selected card: every colour channel c becomes 255 - c, alpha kept, so the
    // corners stay transparent.
    static QImage Negative(const QImage &image);
};

} // namespace tabloo
