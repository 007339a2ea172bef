// The game's sounds: cSounds plays them on request, each one only while its switch in the
// settings is on. The sounds are made in mSoundSynth and read as WAVE files by mWave.
#pragma once

#include "mSoundSynth.h"
#include "mWave.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

namespace tabloo {

class cRegistry;
class cSoundPlayer;

class cSounds : public QObject {
    Q_OBJECT
public:
    explicit cSounds(cRegistry &registry, QObject *parent = nullptr);
    ~cSounds() override;

    // Makes the built-in sounds and keeps them. Nothing plays before this.
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
