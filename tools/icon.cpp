// tabloo-icon DIR [NAME]
// Writes the game's icon for the hicolor theme: DIR/hicolor/NxN/apps/NAME.png at every size
// desktops look for, and DIR/hicolor/scalable/apps/NAME.svg. NAME is "tabloo" unless given.
#include "mAppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool WriteSvg(const QString &path, const QString &name) {
    constexpr int kSvgSize = 256;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(name);
    svg.setDescription(QStringLiteral("The Tabloo icon: the ace of hearts and the ace of spades"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    tabloo::mAppIcon::Paint(p, kSvgSize);
    return p.end();
}

} // namespace

int main(int argc, char **argv) {
    // Painting needs no screen; the build may run where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: tabloo-icon DIR [NAME]\n");
        return 2;
    }
    const QDir dir(args[1]);
    const QString name = args.size() == 3 ? args[2] : QStringLiteral("tabloo");

    auto fail = [](const QString &path) {
        std::fprintf(stderr, "tabloo-icon: cannot write %s\n", qPrintable(path));
        return 1;
    };
    for (int size : tabloo::mAppIcon::kSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = dir.filePath(folder + '/' + name + ".png");
        if (!dir.mkpath(folder) || !tabloo::mAppIcon::Render(size).save(path))
            return fail(path);
    }
    const QString svg = dir.filePath("hicolor/scalable/apps/" + name + ".svg");
    if (!dir.mkpath("hicolor/scalable/apps") || !WriteSvg(svg, name))
        return fail(svg);
    return 0;
}
