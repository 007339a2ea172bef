// The pictures of cards and markers that a board shows, each rendered once per look and
// screen scale; the pictures of the last few scales are kept. The board owns one, and its
// cards and markers take their pictures from it.
#pragma once

#include "cCardArt.h"

#include <QHash>
#include <QPixmap>

#include <vector>

namespace tabloo {

class cPixmapCache {
public:
    // The image of id (faces 1..52, backs 101..116, markers 201..218) at a device pixel
    // ratio; `negative` gives the selected look.
    const QPixmap &Get(int id, bool negative, qreal dpr);
    // How many images were rendered so far, and how many are held now (for tests).
    int RenderCount() const { return Renders; }
    int ImageCount() const { return static_cast<int>(Images.size()); }
    void Clear();
    // The look the faces are drawn in. A new look lets go of every image, so that the next
    // Get of a face draws it anew; true when the look changed.
    bool SetFaceLook(cFaceLook look);
    cFaceLook FaceLook() const { return Look; }
    // Lets go of the images of every ratio but the one used last (once a resize is over).
    void KeepLastRatioOnly();

private:
    struct cKey {
        int Id;
        bool Negative;
        int DprMilli; // the ratio in thousandths, so close ratios share an image
        bool operator==(const cKey &) const = default;
    };
    friend size_t qHash(const cKey &k, size_t seed) {
        return ::qHash(k.Id * 2 + (k.Negative ? 1 : 0), seed) ^ ::qHash(k.DprMilli, seed + 1);
    }

    QHash<cKey, QPixmap> Images;
    // The ratios held, the one used last first.
    std::vector<int> Ratios;
    int Renders = 0;
    cFaceLook Look;
};

} // namespace tabloo
