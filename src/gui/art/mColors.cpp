#include "mColors.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace tabloo {

namespace {

struct NamedRgb {
    const char *Name;
    quint32 Rgb; // 0xRRGGBB as it is usually written
};

// In alphabetical order, numbered from 1. The values are the well-known web colour
// keywords, except Cornflower (the web's cornflowerblue) and Darkseagreen, which is
// RGB(143, 188, 139) here.
constexpr std::array<NamedRgb, kColorCount> kColors = {{
    {"Antiquewhite", 0xFAEBD7},
    {"Aqua", 0x00FFFF},
    {"Aquamarine", 0x7FFFD4},
    {"Beige", 0xF5F5DC},
    {"Bisque", 0xFFE4C4},
    {"Blanchedalmond", 0xFFEBCD},
    {"Blue", 0x0000FF},
    {"Blueviolet", 0x8A2BE2},
    {"Brown", 0xA52A2A},
    {"Burlywood", 0xDEB887},
    {"Cadetblue", 0x5F9EA0},
    {"Chartreuse", 0x7FFF00},
    {"Chocolate", 0xD2691E},
    {"Coral", 0xFF7F50},
    {"Cornflower", 0x6495ED},
    {"Cornsilk", 0xFFF8DC},
    {"Crimson", 0xDC143C},
    {"Cyan", 0x00FFFF},
    {"Darkblue", 0x00008B},
    {"Darkcyan", 0x008B8B},
    {"Darkgoldenrod", 0xB8860B},
    {"Darkgray", 0xA9A9A9},
    {"Darkgreen", 0x006400},
    {"Darkkhaki", 0xBDB76B},
    {"Darkmagenta", 0x8B008B},
    {"Darkolivegreen", 0x556B2F},
    {"Darkorange", 0xFF8C00},
    {"Darkorchid", 0x9932CC},
    {"Darkred", 0x8B0000},
    {"Darksalmon", 0xE9967A},
    {"Darkseagreen", 0x8FBC8B},
    {"Darkslateblue", 0x483D8B},
    {"Darkslategray", 0x2F4F4F},
    {"Darkturquoise", 0x00CED1},
    {"Darkviolet", 0x9400D3},
    {"Deeppink", 0xFF1493},
    {"Deepskyblue", 0x00BFFF},
    {"Dimgray", 0x696969},
    {"Dodgerblue", 0x1E90FF},
    {"Firebrick", 0xB22222},
    {"Forestgreen", 0x228B22},
    {"Fuchsia", 0xFF00FF},
    {"Gold", 0xFFD700},
    {"Goldenrod", 0xDAA520},
    {"Gray", 0x808080},
    {"Green", 0x008000},
    {"Greenyellow", 0xADFF2F},
    {"Hotpink", 0xFF69B4},
    {"Indianred", 0xCD5C5C},
    {"Indigo", 0x4B0082},
    {"Khaki", 0xF0E68C},
    {"Lavender", 0xE6E6FA},
    {"Lavenderblush", 0xFFF0F5},
    {"Lawngreen", 0x7CFC00},
    {"Lemonchiffon", 0xFFFACD},
    {"Lightblue", 0xADD8E6},
    {"Lightcoral", 0xF08080},
    {"Lightcyan", 0xE0FFFF},
    {"Lightgoldenrodyellow", 0xFAFAD2},
    {"Lightgreen", 0x90EE90},
    {"Lightgray", 0xD3D3D3},
    {"Lightpink", 0xFFB6C1},
    {"Lightsalmon", 0xFFA07A},
    {"Lightseagreen", 0x20B2AA},
    {"Lightskyblue", 0x87CEFA},
    {"Lightslategray", 0x778899},
    {"Lightsteelblue", 0xB0C4DE},
    {"Lightyellow", 0xFFFFE0},
    {"Lime", 0x00FF00},
    {"Limegreen", 0x32CD32},
    {"Linen", 0xFAF0E6},
    {"Magenta", 0xFF00FF},
    {"Maroon", 0x800000},
    {"Mediumaquamarine", 0x66CDAA},
    {"Mediumblue", 0x0000CD},
    {"Mediumorchid", 0xBA55D3},
    {"Mediumpurple", 0x9370DB},
    {"Mediumseagreen", 0x3CB371},
    {"Mediumslateblue", 0x7B68EE},
    {"Mediumspringgreen", 0x00FA9A},
    {"Mediumturquoise", 0x48D1CC},
    {"Mediumvioletred", 0xC71585},
    {"Midnightblue", 0x191970},
    {"Mintcream", 0xF5FFFA},
    {"Mistyrose", 0xFFE4E1},
    {"Moccasin", 0xFFE4B5},
    {"Navajowhite", 0xFFDEAD},
    {"Navy", 0x000080},
    {"Oldlace", 0xFDF5E6},
    {"Olive", 0x808000},
    {"Olivedrab", 0x6B8E23},
    {"Orange", 0xFFA500},
    {"Orangered", 0xFF4500},
    {"Orchid", 0xDA70D6},
    {"Palegoldenrod", 0xEEE8AA},
    {"Palegreen", 0x98FB98},
    {"Paleturquoise", 0xAFEEEE},
    {"Palevioletred", 0xDB7093},
    {"Papayawhip", 0xFFEFD5},
    {"Peachpuff", 0xFFDAB9},
    {"Peru", 0xCD853F},
    {"Pink", 0xFFC0CB},
    {"Plum", 0xDDA0DD},
    {"Powderblue", 0xB0E0E6},
    {"Purple", 0x800080},
    {"Red", 0xFF0000},
    {"Rosybrown", 0xBC8F8F},
    {"Royalblue", 0x4169E1},
    {"Saddlebrown", 0x8B4513},
    {"Salmon", 0xFA8072},
    {"Sandybrown", 0xF4A460},
    {"Seagreen", 0x2E8B57},
    {"Seashell", 0xFFF5EE},
    {"Sienna", 0xA0522D},
    {"Silver", 0xC0C0C0},
    {"Skyblue", 0x87CEEB},
    {"Slateblue", 0x6A5ACD},
    {"Slategray", 0x708090},
    {"Springgreen", 0x00FF7F},
    {"Steelblue", 0x4682B4},
    {"Tan", 0xD2B48C},
    {"Teal", 0x008080},
    {"Thistle", 0xD8BFD8},
    {"Tomato", 0xFF6347},
    {"Turquoise", 0x40E0D0},
    {"Violet", 0xEE82EE},
    {"Wheat", 0xF5DEB3},
    {"Yellow", 0xFFFF00},
    {"Yellowgreen", 0x9ACD32},
}};

// 0xRRGGBB to a value with red in the low byte.
constexpr quint32 ToValue(quint32 rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

int RoundComponent(double v) {
    if (v < 0)
        v = 0;
    return static_cast<int>(std::nearbyint(v)); // halves to the even neighbour
}

} // namespace

ColorEntry cColorTable::GetColorEntry(int index) {
    if (index >= 1 && index <= kColorCount) {
        const NamedRgb &c = kColors[static_cast<std::size_t>(index - 1)];
        Last.Name = QString::fromLatin1(c.Name);
        Last.Value = ToValue(c.Rgb);
    }
    return Last;
}

int ColorComponent(qint64 colour, int n) {
    if (n < 1 || n > 3 || colour < 0 || colour >= 16777216)
        return -1;
    return static_cast<int>((colour >> (8 * (n - 1))) & 255);
}

QColor ToQColor(quint32 colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

quint32 FromQColor(const QColor &colour) {
    return static_cast<quint32>(colour.red()) | (static_cast<quint32>(colour.green()) << 8) |
           (static_cast<quint32>(colour.blue()) << 16);
}

QColor GradientBandColor(quint32 colour, int mode, int band) {
    const qint64 c = colour;
    const qint64 end = mode == 1 ? 0 : c;
    // A colour out of range gives components of -1, which the clamp below turns to 0.
    const double r1 = ColorComponent(c, 1), g1 = ColorComponent(c, 2), b1 = ColorComponent(c, 3);
    const double dR = (ColorComponent(end, 1) - r1) / 255.0;
    const double dG = (ColorComponent(end, 2) - g1) / 255.0;
    const double dB = (ColorComponent(end, 3) - b1) / 255.0;
    const int r = RoundComponent(r1 + band * dR);
    const int g = RoundComponent(g1 + band * dG);
    const int b = RoundComponent(b1 + band * dB);
    return QColor(qMin(r, 255), qMin(g, 255), qMin(b, 255));
}

void PaintGradient(QPainter &painter, const QRectF &rect, quint32 colour, int mode) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const double bandHeight = rect.height() / 256.0;
    for (int i = 0; i < 256; ++i) {
        // Each band from its own top to the next band's top, so the bands tile the box.
        const double top = rect.top() + i * bandHeight;
        const double bottom = i == 255 ? rect.bottom() : rect.top() + (i + 1) * bandHeight;
        painter.fillRect(QRectF(rect.left(), top, rect.width(), bottom - top), GradientBandColor(colour, mode, i));
    }
    painter.restore();
}

} // namespace tabloo
