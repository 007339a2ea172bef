// Plays the game's sounds on the system's audio output, each on a stream of its own that
// the sound server mixes: a sound asked for while another still plays does not cut it off,
// so every chime of a fast autoplay cascade is heard, one card after another. (A sound
// server keeps a tenth of a second or more of sound ahead of the speaker; a chime cut off
// by the next, 83 ms later, would never reach it.) With no sound device the game is silent.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class QAudioSink;

namespace tabloo {

class cSoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit cSoundPlayer(QObject *parent = nullptr);
    ~cSoundPlayer() override;

    // Plays a whole WAVE file (16-bit PCM) without waiting for it.
    void Play(const QByteArray &wave);
    // Closes every stream (at the end of the program); true when one was open.
    bool Close();

private:
    void Drop(QAudioSink *sink);

    QList<QAudioSink *> Sinks;
};

} // namespace tabloo
