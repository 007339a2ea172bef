// The board's colours: the table of 129 named colours the player chooses the background
// from, and the gradient that paints the board from that colour at the top to black.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QtGlobal>

class QPainter;

namespace tabloo {

// A named colour. Value holds red in the low byte, then green, then blue.
// A colour's name in the player's language (the table's names are English).
QString ColourName(const QString &name);

struct ColorEntry {
    QString Name;
    quint32 Value = 0;
};

inline constexpr int kColorCount = 129;
// The colour a new player's board starts with: 23 "Darkgreen".
inline constexpr int kDefaultColorIndex = 23;

// The table of the 129 named colours, numbered from 1, and the entry the last successful
// look-up found. The window holds one and hands it to the options dialog, so that the
// board's colour and the dialog share one memory.
class cColorTable {
public:
    // The entry of number 1..129. The last entry found is remembered: a number outside
    // 1..129 returns it unchanged, or an empty name with colour 0 before any was found.
    ColorEntry GetColorEntry(int index);
    // Forgets the remembered entry, as at program start.
    void ResetMemory() { Last = ColorEntry{}; }

private:
    ColorEntry Last;
};

// Component n (1 red, 2 green, 3 blue) of a colour value; -1 when n is outside 1..3 or
// the colour is negative or 16777216 or more.
int ColorComponent(qint64 colour, int n);

// A colour value (red in the low byte) as a QColor, and back.
QColor ToQColor(quint32 colour);
quint32 FromQColor(const QColor &colour);

// The colour of band 0..255 of a gradient: band 0 is the colour, band 255 the end colour
// (black for mode 1, the colour itself for any other mode).
QColor GradientBandColor(quint32 colour, int mode, int band);

// Paints the rectangle as 256 horizontal bands of equal height, from the colour at the top
// to black at the bottom (mode 1) or in the colour alone (any other mode).
void PaintGradient(QPainter &painter, const QRectF &rect, quint32 colour, int mode);

} // namespace tabloo
