#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vesrin::sound {

// A tiny additive synthesiser for the program's sound effects: sounds are mixed into a
// float buffer at one sample rate and written as 16-bit mono PCM WAV files.
constexpr int SampleRate = 22050;

enum class Wave { Sine, Triangle, Saw, Square };

class Clip {
public:
    explicit Clip(double seconds);

    // A tone from start (s) for length (s): frequency in Hz gliding to endFrequency,
    // amplitude 0..1, attack and release in seconds, exponential decay rate per second
    // (0 for none) and a few harmonics for bell or brass colours.
    struct Tone {
        double Start = 0;
        double Length = 0.2;
        double Frequency = 440;
        double EndFrequency = 0; // 0: no glide
        double Amplitude = 0.5;
        double Attack = 0.005;
        double Release = 0.05;
        double Decay = 0;
        Wave Shape = Wave::Sine;
        double Vibrato = 0; // depth in semitones at 5.5 Hz
        std::vector<double> Harmonics; // relative amplitudes of partials 2, 3, ...
        double LowPass = 0;            // cut-off in Hz, 0 for none
    };
    void Add(const Tone& tone);

    // Band-limited noise burst: a one-pole low-pass and high-pass around the colour.
    struct Burst {
        double Start = 0;
        double Length = 0.02;
        double Amplitude = 0.5;
        double Decay = 80;
        double LowCut = 500;   // high-pass cut-off, Hz
        double HighCut = 6000; // low-pass cut-off, Hz
        std::uint32_t Seed = 1;
    };
    void Add(const Burst& burst);

    double Seconds() const { return double(samples_.size()) / SampleRate; }

    // 16-bit mono PCM WAV, normalised so the loudest sample sits at the given peak.
    std::vector<std::uint8_t> Wav(double peak = 0.7) const;

private:
    std::vector<double> samples_;
};

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteFrequency(int note);

} // namespace vesrin::sound
