// The sounds are made here from sines and filtered noise, then wrapped as WAVE files. The
// noise comes from a fixed-seed generator, so every run makes the same bytes. Each sound is
// faded in and out over a few milliseconds and scaled to a modest peak (at most 0.5 of
// full scale), so none of them clicks or clips.
#include "mSoundSynth.h"

#include "mWave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace tabloo {

namespace {

constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;

using Samples = std::vector<double>;

int SampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// White noise, -1 <= x < 1, from a 32-bit xorshift.
class cNoise {
public:
    explicit cNoise(std::uint32_t seed) : State(seed) {}
    double Next() {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return (State >> 8) / 8388608.0 - 1.0;
    }
    // A fraction 0 <= x < 1, for varying levels and timings.
    double Fraction() { return (Next() + 1.0) / 2.0; }

private:
    std::uint32_t State;
};

// A two-pole filter whose shape can be changed from sample to sample without losing its state.
class cFilter {
public:
    // Passes a band around `freq`, unity gain at the centre.
    void BandPass(double freq, double q) {
        const double w = 2 * kPi * freq / kRate, alpha = std::sin(w) / (2 * q);
        Set(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
    }
    void LowPass(double freq, double q) {
        const double w = 2 * kPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    double Run(double x) {
        const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
        X2 = X1;
        X1 = x;
        Y2 = Y1;
        Y1 = y;
        return y;
    }

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2) {
        B0 = b0 / a0;
        B1 = b1 / a0;
        B2 = b2 / a0;
        A1 = a1 / a0;
        A2 = a2 / a0;
    }
    double B0 = 0, B1 = 0, B2 = 0, A1 = 0, A2 = 0;
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
};

// A burst of band-passed noise from `start` seconds on, rising in a fraction of a millisecond
// and dying away with time constant `decay`.
void AddClick(Samples &s, double start, double freq, double q, double decay, double level, cNoise &noise) {
    cFilter band;
    band.BandPass(freq, q);
    const int first = SampleCount(start), length = SampleCount(decay * 6);
    for (int i = 0; i < length && first + i < static_cast<int>(s.size()); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.0004) * std::exp(-t / decay);
        s[first + i] += level * band.Run(noise.Next() * envelope);
    }
}

// A note with a few harmonics (`partials` gives the level of the 1st, 2nd, 3rd ...), rising
// over `attack` seconds and then dying away with time constant `decay`.
void AddTone(Samples &s, double start, double freq, const std::vector<double> &partials, double attack, double decay,
             double level) {
    const int first = SampleCount(start);
    for (int i = 0; first + i < static_cast<int>(s.size()); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double rise = t < attack ? std::sin(kPi / 2 * t / attack) : 1.0;
        const double envelope = rise * std::exp(-t / decay);
        double v = 0;
        for (std::size_t k = 0; k < partials.size(); ++k)
            v += partials[k] * std::sin(2 * kPi * freq * static_cast<double>(k + 1) * t);
        s[first + i] += level * envelope * v;
    }
}

// Smooth fades at both ends, then the whole sound scaled so that its loudest sample is `peak`.
void Finish(Samples &s, double peak, double fadeIn, double fadeOut) {
    const int n = static_cast<int>(s.size());
    const int in = std::min(n / 2, SampleCount(fadeIn)), out = std::min(n / 2, SampleCount(fadeOut));
    for (int i = 0; i < in; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(kPi * i / in);
    for (int i = 0; i < out; ++i)
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / out);
    double loudest = 0;
    for (double v : s)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0)
        for (double &v : s)
            v *= peak / loudest;
}

// The deal: a riffle of cards falling on each other, fastest in the middle.
Samples Start() {
    Samples s(SampleCount(0.37));
    cNoise noise(0x5eed0001);
    constexpr int kClicks = 18;
    double t = 0.008;
    for (int i = 0; i < kClicks; ++i) {
        const double x = static_cast<double>(i) / (kClicks - 1);
        const double swell = 0.55 + 0.45 * std::sin(kPi * std::min(1.0, x * 1.25));
        AddClick(s, t, 1700 + 1500 * noise.Fraction(), 1.4, 0.0016, swell * (0.8 + 0.2 * noise.Fraction()), noise);
        t += (0.024 - 0.010 * std::sin(kPi * x)) * (0.85 + 0.3 * noise.Fraction());
    }
    Finish(s, 0.45, 0.001, 0.01);
    return s;
}

// Lifting a card: a short, light, bright tick. The game asks for it as "CardDown", when
// the button goes down on a card.
Samples LiftTick() {
    Samples s(SampleCount(0.010));
    cNoise noise(0x5eed0002);
    AddClick(s, 0, 3800, 1.0, 0.0017, 1.0, noise);
    Finish(s, 0.35, 0.0003, 0.002);
    return s;
}

// Laying a card down: a duller tap with a little body under it. The game asks for it as
// "CardUp", when the button comes up and the card is laid or goes back.
Samples LayTap() {
    Samples s(SampleCount(0.018));
    cNoise noise(0x5eed0003);
    cFilter low;
    low.LowPass(1400, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tap = low.Run(noise.Next()) * std::exp(-t / 0.0035);
        const double body = 0.5 * std::sin(2 * kPi * 170 * t) * std::exp(-t / 0.006);
        s[i] = std::min(1.0, t / 0.0005) * (tap + body);
    }
    Finish(s, 0.4, 0.0005, 0.003);
    return s;
}

// Turning the stock: a short low blip.
Samples Stock() {
    Samples s(SampleCount(0.05));
    AddTone(s, 0, 587.33, {1.0, 0.2}, 0.003, 0.015, 1.0);
    Finish(s, 0.4, 0.001, 0.005);
    return s;
}

// Selecting: a short blip gliding upwards.
Samples Sel() {
    Samples s(SampleCount(0.045));
    const int n = static_cast<int>(s.size());
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / n;
        phase += 2 * kPi * (880 + 440 * x) / kRate;
        s[i] = std::sin(kPi * x) * std::sin(phase);
    }
    Finish(s, 0.4, 0.001, 0.003);
    return s;
}

// A card going home by itself: a small bell, a fifth with a faint metallic overtone.
Samples AutoPlay() {
    Samples s(SampleCount(0.15));
    AddTone(s, 0, 1046.5, {1.0}, 0.002, 0.045, 1.0);
    AddTone(s, 0, 1568.0, {1.0}, 0.002, 0.035, 0.5);
    AddTone(s, 0, 1046.5 * 2.76, {1.0}, 0.001, 0.015, 0.12);
    Finish(s, 0.4, 0.001, 0.02);
    return s;
}

// Taking a move back: a swish, noise whose band sweeps down while it swells and fades.
Samples Undo() {
    Samples s(SampleCount(0.13));
    cNoise noise(0x5eed0004);
    cFilter band, soft;
    soft.LowPass(5000, 0.7);
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / n;
        band.BandPass(3500 * std::pow(600.0 / 3500.0, x), 1.8);
        const double envelope =
            x < 0.3 ? std::sin(kPi / 2 * x / 0.3) : std::pow(std::cos(kPi / 2 * (x - 0.3) / 0.7), 1.5);
        s[i] = soft.Run(band.Run(noise.Next())) * envelope;
    }
    Finish(s, 0.4, 0.002, 0.005);
    return s;
}

// The game is won: C, E, G and the high C one after another, each left ringing.
Samples Win() {
    Samples s(SampleCount(1.0));
    const double notes[] = {523.25, 659.26, 783.99, 1046.5};
    const std::vector<double> voice = {1.0, 0.3, 0.12};
    for (int i = 0; i < 4; ++i)
        AddTone(s, 0.11 * i, notes[i], voice, 0.008, i == 3 ? 0.35 : 0.25, i == 3 ? 1.0 : 0.8);
    Finish(s, 0.5, 0.002, 0.12);
    return s;
}

// The eight sounds in load order, each made anew whenever it is asked for: the one who asks
// (cSounds) keeps it.
struct cSound {
    const char *Name;
    Samples (*Make)();
};
const cSound kSoundRecipes[] = {
    {"Start", Start},       {"CardUp", LayTap}, {"CardDown", LiftTick}, {"Stock", Stock},
    {"AutoPlay", AutoPlay}, {"Undo", Undo},     {"Sel", Sel},           {"Win", Win},
};

} // namespace

const QStringList &SoundResourceNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const cSound &sound : kSoundRecipes)
            list << QString::fromLatin1(sound.Name);
        return list;
    }();
    return names;
}

QByteArray SoundResource(const QString &name) {
    for (const cSound &sound : kSoundRecipes)
        if (name.compare(QLatin1String(sound.Name), Qt::CaseInsensitive) == 0)
            return ToWave(sound.Make(), kRate);
    return {};
}

} // namespace tabloo
