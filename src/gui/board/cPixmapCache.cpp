#include "cPixmapCache.h"

#include <algorithm>
#include <cmath>

namespace tabloo {

namespace {

// A window resized by its edge passes through a new scale at every pixel: only the images
// of the last few scales are kept.
constexpr std::size_t kKeptRatios = 3;

int ToMilli(qreal dpr) { return qMax(1, static_cast<int>(std::lround((dpr > 0 ? dpr : 1.0) * 1000.0))); }

} // namespace

const QPixmap &cPixmapCache::Get(int id, bool negative, qreal dpr) {
    const cKey key{id, negative, ToMilli(dpr)};
    auto used = std::find(Ratios.begin(), Ratios.end(), key.DprMilli);
    if (used != Ratios.end()) {
        std::rotate(Ratios.begin(), used, used + 1);
    } else {
        if (Ratios.size() >= kKeptRatios) {
            const int oldest = Ratios.back();
            Ratios.pop_back();
            Images.removeIf([oldest](const auto &entry) { return entry.key().DprMilli == oldest; });
        }
        Ratios.insert(Ratios.begin(), key.DprMilli);
    }
    auto it = Images.find(key);
    if (it != Images.end())
        return it.value();
    const qreal ratio = key.DprMilli / 1000.0;
    QImage image;
    if (ratio >= 1.0) {
        image = cCardArt::Render(id, ratio, Look);
    } else {
        // A board drawn smaller: the full-size picture, shrunk smoothly to the size shown.
        image = cCardArt::Render(id, 1.0, Look);
        if (!image.isNull()) {
            image = image.scaled(qMax(1, qRound(cCardArt::kWidth * ratio)), qMax(1, qRound(cCardArt::kHeight * ratio)),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            image.setDevicePixelRatio(ratio);
        }
    }
    ++Renders;
    if (negative && !image.isNull())
        image = cCardArt::Negative(image);
    return Images.insert(key, QPixmap::fromImage(image)).value();
}

void cPixmapCache::KeepLastRatioOnly() {
    if (Ratios.size() <= 1)
        return;
    const int last = Ratios.front();
    Ratios.erase(Ratios.begin() + 1, Ratios.end());
    Images.removeIf([last](const auto &entry) { return entry.key().DprMilli != last; });
}

bool cPixmapCache::SetFaceLook(cFaceLook look) {
    if (look == Look)
        return false;
    Look = look;
    Clear();
    return true;
}

void cPixmapCache::Clear() {
    Images.clear();
    Ratios.clear();
}

} // namespace tabloo
