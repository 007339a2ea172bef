// The game's sounds. The eight waves are synthesised by the game itself when first asked
// for, as complete RIFF WAVE files (16-bit mono PCM at 22050 Hz), always the same bytes.
// cSounds plays them on request, each one only while its switch in the settings is on.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace tabloo {

class cRegistry;
class cSoundPlayer;

// The built-in sounds in the order the game loads them:
// Start, CardUp, CardDown, Stock, AutoPlay, Undo, Sel, Win.
const QStringList &SoundResourceNames();
// The whole WAVE file of a built-in sound, by name in any case ("start" is "Start"); empty
// for a name that is none of them.
QByteArray SoundResource(const QString &name);

// What the header of a WAVE file says. DataOffset and DataSize locate the samples inside
// the file; both lie within it whenever Valid is set.
struct WaveInfo {
    bool Valid = false;
    int Channels = 0, SampleRate = 0, BitsPerSample = 0;
    qint64 DataOffset = 0, DataSize = 0;
};

// Reads the header of an uncompressed PCM WAVE file (8 or 16 bits). Anything else, a file
// cut short, or a chunk that claims more bytes than the file holds, is not Valid.
WaveInfo ParseWave(const QByteArray &file);

class cSounds : public QObject {
    Q_OBJECT
public:
    explicit cSounds(cRegistry &registry, QObject *parent = nullptr);
    ~cSounds() override;

    // Reads the built-in sounds. Nothing plays before this.
    void LoadSounds();
    // Closes the output at the end of the program; true when it was open (the sound server
    // then answers on a thread of its own: give it a moment, with the event loop running,
    // before the program ends).
    bool Shutdown();
    static constexpr int kShutdownMs = 60;
    // Plays the sound the game asks for by name ("Start", "CardDown", "CardUp", "AutoPlay",
    // "Undo", "Redo", "Win"; exact case) when its switch is on at this moment. Any other
    // name plays nothing. Returns at once; each sound plays whole, beside any still playing.
    void PlaySound(const QString &name);

    // Where a sound goes: the name of the loaded sound and its WAVE file. The default plays
    // it on the system's audio output, or stays silent when there is none.
    std::function<void(const QString &buffer, const QByteArray &wave)> Output;

private:
    cRegistry &Registry;
    QHash<QString, QByteArray> Buffers;
    cSoundPlayer *Player;
};

} // namespace tabloo
