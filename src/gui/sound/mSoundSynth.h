// The game's eight sounds, synthesised by the game itself from sines and filtered noise as
// complete RIFF WAVE files (16-bit mono PCM at 22050 Hz), always the same bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tabloo {

// The built-in sounds in the order the game loads them:
// Start, CardUp, CardDown, Stock, AutoPlay, Undo, Sel, Win.
const QStringList &SoundResourceNames();
// The whole WAVE file of a built-in sound, by name in any case ("start" is "Start"); empty
// for a name that is none of them.
QByteArray SoundResource(const QString &name);

} // namespace tabloo
