// The built-in WAVE sounds, the header reader, and each request played only while its switch is on.
#include "WindowFixture.h"

#include <cstdlib>
#include <cstring>
#include <utility>

using namespace tabloo;

namespace {

// The game's sounds, with every sound that would play recorded instead.
struct SoundTable {
    test::TestGame T;
    cSounds Sounds{T.Store};
    std::vector<std::string> Played;
    SoundTable() {
        Sounds.Output = [this](const QString &buffer, const QByteArray &wave) {
            EXPECT_EQ(wave, SoundResource(buffer));
            Played.push_back(buffer.toStdString());
        };
    }
    // What one request played: the sound's name, or "" for nothing.
    std::string Play(const char *name) {
        Played.clear();
        Sounds.PlaySound(QString::fromLatin1(name));
        EXPECT_LE(Played.size(), 1u);
        return Played.empty() ? "" : Played[0];
    }
};

} // namespace

TEST(Sounds, ResourcesAreShortQuietPcmWaves) {
    // The deal's riffle, the two card clicks, the blips, chime, swish and fanfare: none over 1.2 s.
    ASSERT_EQ(SoundResourceNames(),
              QStringList({"Start", "CardUp", "CardDown", "Stock", "AutoPlay", "Undo", "Sel", "Win"}));
    std::set<QByteArray> seen;
    for (const QString &name : SoundResourceNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray wave = SoundResource(name);
        const WaveInfo info = ParseWave(wave);
        ASSERT_TRUE(info.Valid);
        EXPECT_EQ(info.Channels, 1);
        EXPECT_TRUE(info.SampleRate == 11025 || info.SampleRate == 22050);
        ASSERT_EQ(info.BitsPerSample, 16);
        ASSERT_GT(info.DataSize, 0);
        ASSERT_LE(info.DataOffset + info.DataSize, wave.size());
        const qint64 frames = info.DataSize / 2;
        EXPECT_GE(frames, 0.002 * info.SampleRate);
        EXPECT_LE(frames, 1.2 * info.SampleRate);
        // No clipping, and no click where the sound starts or stops.
        int loudest = 0;
        std::vector<qint16> pcm(frames);
        std::memcpy(pcm.data(), wave.constData() + info.DataOffset, info.DataSize);
        for (qint16 v : pcm)
            loudest = std::max(loudest, std::abs(static_cast<int>(v)));
        EXPECT_GT(loudest, 3000);
        EXPECT_LE(loudest, 0.6 * 32767);
        EXPECT_LE(std::abs(pcm.front()) + std::abs(pcm.back()), 200);
        EXPECT_TRUE(seen.insert(wave).second) << "the same wave as another sound";
    }
    EXPECT_EQ(SoundResource(QStringLiteral("cardDOWN")), SoundResource(QStringLiteral("CardDown")));
    EXPECT_TRUE(SoundResource(QStringLiteral("Redo")).isEmpty());
    EXPECT_TRUE(SoundResource(QString()).isEmpty());
}

TEST(Sounds, ParseWaveRefusesWhatIsNoWave) {
    const QByteArray good = SoundResource(QStringLiteral("Undo"));
    ASSERT_TRUE(ParseWave(good).Valid);
    // Every cut of the header, and the file cut inside its samples.
    for (int length : {0, 3, 11, 12, 19, 35, 43, 44, 1000})
        EXPECT_FALSE(ParseWave(good.left(length)).Valid) << length;
    // A size at `at` changed to v: the data longer than the file, or huge; a huge format chunk.
    const auto put32 = [&](int at, quint32 v) {
        QByteArray b = good;
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>(v >> (8 * i));
        return b;
    };
    QByteArray form = good, compressed = good, noData = good;
    form.replace(8, 4, "AVI ");
    compressed[20] = 3;
    noData.replace(36, 4, "junk");
    for (const QByteArray &bad :
         {form, put32(40, static_cast<quint32>(good.size())), put32(40, 0xffffffffu), put32(16, 0xfffffff0u),
          compressed, noData, QByteArray("RIFF\x04\0\0\0WAVE", 12), QByteArray(64, '\xff')})
        EXPECT_FALSE(ParseWave(bad).Valid);
    // Bytes after the RIFF chunk are ignored.
    const WaveInfo tail = ParseWave(good + QByteArray("trailing"));
    EXPECT_TRUE(tail.Valid);
    EXPECT_EQ(tail.DataSize, ParseWave(good).DataSize);
}

TEST(Sounds, RequestsPlayWhileTheirSwitchIsOn) {
    SoundTable t;
    EXPECT_EQ(t.Play("Start"), "") << "nothing plays before the sounds are loaded";
    t.Sounds.LoadSounds();
    // Request>sound played ("" for none), options set on the way; card clicks start off, redo sounds undo.
    std::istringstream script(
        "Start>Start AutoPlay>AutoPlay Undo>Undo Redo>Undo Win>Win CardUp> CardDown> Stock> Sel> start> Nonsense> > "
        "SoundCardUp=1 SoundCardDown=-1 CardUp>CardUp CardDown>CardDown SoundUndo=-1 Undo>Undo SoundUndo=0 Undo> "
        "Redo>Undo SoundRedo=0 Redo> SoundWin=0 Win> SoundWin=1 Win>Win");
    for (std::string word; script >> word;)
        if (const auto to = word.find('>'); to == std::string::npos)
            t.T.Set(word);
        else
            EXPECT_EQ(t.Play(word.substr(0, to).c_str()), word.substr(to + 1)) << word;
}
