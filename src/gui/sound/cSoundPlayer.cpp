#include "cSoundPlayer.h"

#include "mWave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

namespace tabloo {

namespace {

// A stream turns idle when it has handed its last sample to the server, while the server
// still holds some of the sound: it is closed only this much later.
constexpr int kDrainMs = 1000;

} // namespace

cSoundPlayer::cSoundPlayer(QObject *parent) : QObject(parent) {
    // Meeting the sound server takes a while the first time: done now, the first sound of
    // the game starts as soon after its request as every other.
    (void)QMediaDevices::defaultAudioOutput();
}

cSoundPlayer::~cSoundPlayer() { Close(); }

void cSoundPlayer::Play(const QByteArray &wave) {
    const WaveInfo info = ParseWave(wave);
    if (!info.Valid || info.DataSize == 0)
        return;
    // No sound card, or none that takes the format: the game plays on in silence.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(info.SampleRate);
    format.setChannelCount(info.Channels);
    format.setSampleFormat(info.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    auto *sink = new QAudioSink(device, format, this);
    // The samples go with their stream.
    auto *feed = new QBuffer(sink);
    feed->setData(wave.mid(info.DataOffset, info.DataSize));
    feed->open(QIODevice::ReadOnly);
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (state == QAudio::StoppedState && sink->error() != QAudio::NoError)
            Drop(sink);
        else if (state == QAudio::IdleState)
            // The timer lives with the stream: once the stream is gone, it never fires.
            QTimer::singleShot(kDrainMs, sink, [this, sink] { Drop(sink); });
    });
    Sinks.append(sink);
    sink->start(feed);
    if (Sinks.contains(sink) && sink->error() != QAudio::NoError)
        Drop(sink);
}

void cSoundPlayer::Drop(QAudioSink *sink) {
    if (!Sinks.removeOne(sink))
        return;
    // This may run inside the stream's own signal, so it goes only once that returns.
    disconnect(sink, nullptr, this, nullptr);
    sink->stop();
    sink->deleteLater();
}

bool cSoundPlayer::Close() {
    // Not from inside a signal here: the streams go at once.
    const QList<QAudioSink *> open = std::exchange(Sinks, {});
    for (QAudioSink *sink : open) {
        disconnect(sink, nullptr, this, nullptr);
        sink->stop();
        delete sink;
    }
    return !open.isEmpty();
}

} // namespace tabloo
