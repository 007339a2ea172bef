// WAVE files: the game's sounds are written as 16-bit mono PCM, and any file is read back by
// its header before it plays.
#pragma once

#include <QByteArray>

#include <vector>

namespace tabloo {

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

// The complete RIFF WAVE file of mono samples at a sample rate, 16-bit PCM; a sample of 1
// is full scale, and anything beyond -1 .. 1 is clipped.
QByteArray ToWave(const std::vector<double> &samples, int sampleRate);

} // namespace tabloo
