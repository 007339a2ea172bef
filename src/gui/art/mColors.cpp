#include "mColors.h"

#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Antiquewhite"), 0xFAEBD7},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Aquamarine"), 0x7FFFD4},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Beige"), 0xF5F5DC},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Bisque"), 0xFFE4C4},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Blanchedalmond"), 0xFFEBCD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Blueviolet"), 0x8A2BE2},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Brown"), 0xA52A2A},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Burlywood"), 0xDEB887},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Cadetblue"), 0x5F9EA0},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Chartreuse"), 0x7FFF00},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Chocolate"), 0xD2691E},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Coral"), 0xFF7F50},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Cornflower"), 0x6495ED},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Cornsilk"), 0xFFF8DC},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Crimson"), 0xDC143C},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Cyan"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkblue"), 0x00008B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkcyan"), 0x008B8B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkgoldenrod"), 0xB8860B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkgray"), 0xA9A9A9},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkgreen"), 0x006400},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkkhaki"), 0xBDB76B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkmagenta"), 0x8B008B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkolivegreen"), 0x556B2F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkorange"), 0xFF8C00},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkorchid"), 0x9932CC},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkred"), 0x8B0000},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darksalmon"), 0xE9967A},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkseagreen"), 0x8FBC8B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkslateblue"), 0x483D8B},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkslategray"), 0x2F4F4F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkturquoise"), 0x00CED1},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Darkviolet"), 0x9400D3},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Deeppink"), 0xFF1493},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Deepskyblue"), 0x00BFFF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Dimgray"), 0x696969},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Dodgerblue"), 0x1E90FF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Firebrick"), 0xB22222},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Forestgreen"), 0x228B22},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Gold"), 0xFFD700},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Goldenrod"), 0xDAA520},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Greenyellow"), 0xADFF2F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Hotpink"), 0xFF69B4},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Indianred"), 0xCD5C5C},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Indigo"), 0x4B0082},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Khaki"), 0xF0E68C},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lavender"), 0xE6E6FA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lavenderblush"), 0xFFF0F5},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lawngreen"), 0x7CFC00},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lemonchiffon"), 0xFFFACD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightblue"), 0xADD8E6},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightcoral"), 0xF08080},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightcyan"), 0xE0FFFF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightgoldenrodyellow"), 0xFAFAD2},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightgreen"), 0x90EE90},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightgray"), 0xD3D3D3},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightpink"), 0xFFB6C1},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightsalmon"), 0xFFA07A},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightseagreen"), 0x20B2AA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightskyblue"), 0x87CEFA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightslategray"), 0x778899},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightsteelblue"), 0xB0C4DE},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lightyellow"), 0xFFFFE0},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Limegreen"), 0x32CD32},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Linen"), 0xFAF0E6},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Magenta"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumaquamarine"), 0x66CDAA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumblue"), 0x0000CD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumorchid"), 0xBA55D3},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumpurple"), 0x9370DB},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumseagreen"), 0x3CB371},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumslateblue"), 0x7B68EE},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumspringgreen"), 0x00FA9A},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumturquoise"), 0x48D1CC},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mediumvioletred"), 0xC71585},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Midnightblue"), 0x191970},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mintcream"), 0xF5FFFA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Mistyrose"), 0xFFE4E1},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Moccasin"), 0xFFE4B5},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Navajowhite"), 0xFFDEAD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Oldlace"), 0xFDF5E6},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Olivedrab"), 0x6B8E23},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Orange"), 0xFFA500},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Orangered"), 0xFF4500},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Orchid"), 0xDA70D6},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Palegoldenrod"), 0xEEE8AA},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Palegreen"), 0x98FB98},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Paleturquoise"), 0xAFEEEE},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Palevioletred"), 0xDB7093},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Papayawhip"), 0xFFEFD5},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Peachpuff"), 0xFFDAB9},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Peru"), 0xCD853F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Pink"), 0xFFC0CB},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Plum"), 0xDDA0DD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Powderblue"), 0xB0E0E6},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Rosybrown"), 0xBC8F8F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Royalblue"), 0x4169E1},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Saddlebrown"), 0x8B4513},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Salmon"), 0xFA8072},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Sandybrown"), 0xF4A460},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Seagreen"), 0x2E8B57},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Seashell"), 0xFFF5EE},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Sienna"), 0xA0522D},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Skyblue"), 0x87CEEB},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Slateblue"), 0x6A5ACD},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Slategray"), 0x708090},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Springgreen"), 0x00FF7F},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Steelblue"), 0x4682B4},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Tan"), 0xD2B48C},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Thistle"), 0xD8BFD8},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Tomato"), 0xFF6347},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Turquoise"), 0x40E0D0},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Violet"), 0xEE82EE},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Wheat"), 0xF5DEB3},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("tabloo::cColorTable", "Yellowgreen"), 0x9ACD32},
}};

// 0xRRGGBB to a value with red in the low byte.
constexpr quint32 ToValue(quint32 rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

int RoundComponent(double v) {
    if (v < 0)
        v = 0;
    return static_cast<int>(std::nearbyint(v)); // halves to the even neighbour
}

} // namespace

QString ColourName(const QString &name) {
    return QCoreApplication::translate("tabloo::cColorTable", name.toLatin1().constData());
}

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
