// tabloo-soundfiles DIR
// Writes each of the game's built-in sounds to DIR/NAME.wav (Start.wav, CardUp.wav ...), so a
// person can look them over with a sound tool and listen to them.
#include "mSounds.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tabloo-soundfiles DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    for (const QString &name : tabloo::SoundResourceNames()) {
        const QByteArray wave = tabloo::SoundResource(name);
        QFile file(dir.filePath(name + QStringLiteral(".wav")));
        if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        std::printf("%s %lld bytes\n", qPrintable(file.fileName()), static_cast<long long>(wave.size()));
    }
    return 0;
}
