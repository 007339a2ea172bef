// Playing the game's sounds: which request plays which sound, under which switch.
#include "mSounds.h"

#include "cRegistry.h"
#include "cSoundPlayer.h"

namespace tabloo {

namespace {

// What the game may ask for, the switch that allows it and the sound it plays.
struct Request {
    const char *Name;
    const DataKey *Switch;
    const char *Buffer;
};
const Request kRequests[] = {
    {"Start", &keys::SoundStart, "Start"},
    {"CardDown", &keys::SoundCardDown, "CardDown"},
    {"CardUp", &keys::SoundCardUp, "CardUp"},
    {"AutoPlay", &keys::SoundAutoPlay, "AutoPlay"},
    {"Undo", &keys::SoundUndo, "Undo"},
    // Redo has no wave of its own: it plays the undo sound.
    {"Redo", &keys::SoundRedo, "Undo"},
    {"Win", &keys::SoundWin, "Win"},
};

} // namespace

cSounds::cSounds(cRegistry &registry, QObject *parent)
    : QObject(parent), Registry(registry), Player(new cSoundPlayer(this)) {
    Output = [this](const QString &, const QByteArray &wave) { Player->Play(wave); };
}

cSounds::~cSounds() = default;

bool cSounds::Shutdown() { return Player->Close(); }

void cSounds::LoadSounds() {
    Buffers.clear();
    // Stock and Sel are built in with the others, but nothing in the game plays them.
    for (const QString &name : SoundResourceNames())
        if (name != QLatin1String("Stock") && name != QLatin1String("Sel"))
            Buffers.insert(name, SoundResource(name));
}

void cSounds::PlaySound(const QString &name) {
    for (const Request &request : kRequests) {
        if (name != QLatin1String(request.Name))
            continue;
        // The switch is read now, so a change in the options counts from the next sound on.
        if (Registry.Get(*request.Switch) == 0)
            return;
        const QString buffer = QString::fromLatin1(request.Buffer);
        const QByteArray wave = Buffers.value(buffer);
        if (!wave.isEmpty() && Output)
            Output(buffer, wave);
        return;
    }
}

} // namespace tabloo
