// WAVE files: the game writes its sounds as 16-bit mono PCM, and reads the header of any
// uncompressed PCM file before playing it.
#include "mWave.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tabloo {

namespace {

// Little-endian numbers at a position the caller has checked to lie inside the file.
quint32 Le16(const QByteArray &b, qint64 at) {
    return static_cast<quint8>(b[at]) | static_cast<quint32>(static_cast<quint8>(b[at + 1])) << 8;
}
quint32 Le32(const QByteArray &b, qint64 at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

bool IdIs(const QByteArray &b, qint64 at, const char *id) { return std::memcmp(b.constData() + at, id, 4) == 0; }

} // namespace

QByteArray ToWave(const std::vector<double> &s, int sampleRate) {
    const quint32 dataSize = static_cast<quint32>(s.size() * 2);
    QByteArray out;
    out.reserve(44 + static_cast<qsizetype>(dataSize));
    auto put = [&out](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    out.append("RIFF", 4);
    put(36 + dataSize, 4);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put(16, 4);
    put(1, 2);              // PCM
    put(1, 2);              // mono
    put(sampleRate, 4);     // samples per second
    put(sampleRate * 2, 4); // bytes per second
    put(2, 2);              // bytes per frame
    put(16, 2);             // bits per sample
    out.append("data", 4);
    put(dataSize, 4);
    for (double v : s) {
        const long q = std::clamp(std::lround(v * 32767), -32768L, 32767L);
        put(static_cast<quint16>(static_cast<qint16>(q)), 2);
    }
    return out;
}

WaveInfo ParseWave(const QByteArray &file) {
    const qint64 size = file.size();
    if (size < 12 || !IdIs(file, 0, "RIFF") || !IdIs(file, 8, "WAVE"))
        return {};
    // Bytes after the RIFF chunk are no part of the sound.
    const qint64 end = std::min(size, 8 + static_cast<qint64>(Le32(file, 4)));
    WaveInfo info;
    bool haveFormat = false, haveData = false;
    for (qint64 at = 12; at + 8 <= end && !(haveFormat && haveData);) {
        const qint64 body = at + 8, length = Le32(file, at + 4);
        if (length > end - body)
            return {};
        if (IdIs(file, at, "fmt ")) {
            if (length < 16)
                return {};
            const quint32 format = Le16(file, body), channels = Le16(file, body + 2), rate = Le32(file, body + 4);
            const quint32 byteRate = Le32(file, body + 8), frame = Le16(file, body + 12), bits = Le16(file, body + 14);
            if (format != 1 || channels < 1 || channels > 8 || (bits != 8 && bits != 16) || rate < 1 || rate > 384000 ||
                frame != channels * bits / 8 || byteRate != rate * frame)
                return {};
            info.Channels = static_cast<int>(channels);
            info.SampleRate = static_cast<int>(rate);
            info.BitsPerSample = static_cast<int>(bits);
            haveFormat = true;
        } else if (IdIs(file, at, "data")) {
            info.DataOffset = body;
            info.DataSize = length;
            haveData = true;
        }
        // Chunks start on even bytes.
        at = body + length + (length & 1);
    }
    if (!haveFormat || !haveData)
        return {};
    // Whole frames only.
    info.DataSize -= info.DataSize % (info.Channels * info.BitsPerSample / 8);
    info.Valid = true;
    return info;
}

} // namespace tabloo
