// tabloo-artsheet OUT.png [DPR] [--large-print] [--four-colours]
// Draws every face, back and marker of the game (and a few faces in their selected look) onto
// one sheet on the board's green, each labelled with its id, so a person can look them over.
#include "cCardArt.h"

#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <vector>

using tabloo::cCardArt;
using tabloo::cFaceLook;

namespace {

struct cTile {
    int Id;
    bool Negative;
};

// The sheet, a row at a time: the four suits, the backs, the markers, then the selected looks.
std::vector<std::vector<cTile>> Layout() {
    std::vector<std::vector<cTile>> rows;
    for (int suit = 0; suit < 4; ++suit) {
        rows.emplace_back();
        for (int num = 0; num < 13; ++num)
            rows.back().push_back({suit * 13 + num + 1, false});
    }
    rows.emplace_back();
    for (int id = 101; id <= 116; ++id)
        rows.back().push_back({id, false});
    rows.emplace_back();
    for (int id = 201; id <= 213; ++id)
        rows.back().push_back({id, false});
    rows.emplace_back();
    for (int id = 214; id <= 218; ++id)
        rows.back().push_back({id, false});
    for (int id : {1, 10, 24, 38, 52, 101})
        rows.back().push_back({id, true});
    return rows;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    // The look of the faces, from the flags.
    cFaceLook look;
    if (args.removeAll(QStringLiteral("--large-print")) > 0)
        look.Faces = cFaceLook::kLargePrint;
    if (args.removeAll(QStringLiteral("--four-colours")) > 0)
        look.FourColours = true;
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: tabloo-artsheet OUT.png [DPR] [--large-print] [--four-colours]\n");
        return 2;
    }
    qreal dpr = 1.0;
    if (args.size() == 3) {
        bool ok = false;
        dpr = args[2].toDouble(&ok);
        if (!ok || dpr <= 0 || dpr > 8) {
            std::fprintf(stderr, "tabloo-artsheet: DPR must be a number above 0 and up to 8\n");
            return 2;
        }
    }

    // Time the whole set twice: the first pass also loads the font and builds the shapes.
    std::vector<int> ids;
    for (int id = 0; id <= 300; ++id)
        if (cCardArt::IsValidId(id))
            ids.push_back(id);
    double passMs[2] = {0, 0};
    for (double &ms : passMs) {
        QElapsedTimer timer;
        timer.start();
        for (int id : ids)
            (void)cCardArt::Render(id, 1.0, look);
        ms = timer.nsecsElapsed() / 1e6;
    }
    QElapsedTimer scaledTimer;
    scaledTimer.start();
    for (int id : ids)
        (void)cCardArt::Render(id, dpr, look);
    const double scaledMs = scaledTimer.nsecsElapsed() / 1e6;
    std::printf("%zu images at dpr 1: first pass %.1f ms, second pass %.1f ms; at dpr %g: %.1f ms\n", ids.size(),
                passMs[0], passMs[1], double(dpr), scaledMs);

    const int margin = 12, header = 26, cellW = cCardArt::kWidth + 10, cellH = cCardArt::kHeight + 22;
    const auto rows = Layout();
    std::size_t columns = 0;
    for (const auto &row : rows)
        columns = std::max(columns, row.size());
    const int width = 2 * margin + int(columns) * cellW;
    const int height = 2 * margin + header + int(rows.size()) * cellH;

    QImage sheet(qRound(width * dpr), qRound(height * dpr), QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient board(0, 0, 0, height);
    board.setColorAt(0, QColor(0x00, 0x64, 0x00));
    board.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(QRectF(0, 0, width, height), board);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(230, 240, 230));
    p.drawText(QRectF(margin, margin, width - 2 * margin, header), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Tabloo card art - %1 images at device pixel ratio %2, selected looks at the end%3")
                   .arg(ids.size())
                   .arg(dpr)
                   .arg(look == cFaceLook{} ? QString()
                                            : QStringLiteral(" - %1%2")
                                                  .arg(look.Faces == cFaceLook::kLargePrint ? "large print" : "classic")
                                                  .arg(look.FourColours ? ", four colours" : "")));
    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);

    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const cTile tile = rows[r][c];
            const QPointF at(margin + int(c) * cellW + 5, margin + header + int(r) * cellH);
            QImage image = cCardArt::Render(tile.Id, dpr, look);
            if (tile.Negative)
                image = cCardArt::Negative(image);
            p.drawImage(at, image);
            const QString label = tile.Negative ? QStringLiteral("neg %1").arg(tile.Id) : QString::number(tile.Id);
            p.drawText(QRectF(at.x() - 5, at.y() + cCardArt::kHeight + 2, cellW, 16), Qt::AlignHCenter | Qt::AlignTop,
                       label);
        }
    p.end();

    if (!sheet.save(args[1])) {
        std::fprintf(stderr, "tabloo-artsheet: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
