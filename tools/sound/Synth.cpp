#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace vesrin::sound {

namespace {

constexpr double Pi = 3.14159265358979323846;

double Oscillator(Wave shape, double phase) {
    const double t = phase - std::floor(phase);
    switch (shape) {
    case Wave::Sine: return std::sin(2 * Pi * t);
    case Wave::Triangle: return t < 0.5 ? 4 * t - 1 : 3 - 4 * t;
    case Wave::Saw: return 2 * t - 1;
    case Wave::Square: return t < 0.5 ? 1 : -1;
    }
    return 0;
}

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(tag[i]));
}

} // namespace

Clip::Clip(double seconds) : samples_(std::size_t(std::lround(seconds * SampleRate)), 0.0) {}

void Clip::Add(const Tone& tone) {
    const std::size_t first = std::size_t(std::lround(tone.Start * SampleRate));
    const std::size_t count = std::size_t(std::lround(tone.Length * SampleRate));
    double phase = 0;
    std::vector<double> partialPhase(tone.Harmonics.size(), 0.0);
    double filtered = 0;
    const double alpha = tone.LowPass > 0 ? 1 - std::exp(-2 * Pi * tone.LowPass / SampleRate) : 1;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double progress = double(i) / double(count);
        double frequency = tone.Frequency;
        if (tone.EndFrequency > 0) frequency = tone.Frequency * std::pow(tone.EndFrequency / tone.Frequency, progress);
        if (tone.Vibrato > 0) frequency *= std::pow(2.0, tone.Vibrato * std::sin(2 * Pi * 5.5 * t) / 12);
        phase += frequency / SampleRate;
        double value = Oscillator(tone.Shape, phase);
        for (std::size_t h = 0; h < tone.Harmonics.size(); ++h) {
            partialPhase[h] += frequency * double(h + 2) / SampleRate;
            value += tone.Harmonics[h] * std::sin(2 * Pi * partialPhase[h]);
        }
        filtered += alpha * (value - filtered);
        double envelope = 1;
        if (t < tone.Attack) envelope = t / tone.Attack;
        const double remaining = tone.Length - t;
        if (remaining < tone.Release) envelope *= std::max(0.0, remaining / tone.Release);
        if (tone.Decay > 0) envelope *= std::exp(-tone.Decay * t);
        samples_[first + i] += tone.Amplitude * envelope * filtered;
    }
}

void Clip::Add(const Burst& burst) {
    const std::size_t first = std::size_t(std::lround(burst.Start * SampleRate));
    const std::size_t count = std::size_t(std::lround(burst.Length * SampleRate));
    std::uint32_t state = burst.Seed * 2654435761u + 1;
    const double low = 1 - std::exp(-2 * Pi * burst.HighCut / SampleRate);
    const double high = std::exp(-2 * Pi * burst.LowCut / SampleRate);
    double lp = 0, hpIn = 0, hpOut = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 23) - 1.0;
        lp += low * (white - lp);
        hpOut = high * (hpOut + lp - hpIn);
        hpIn = lp;
        const double t = double(i) / SampleRate;
        double envelope = std::exp(-burst.Decay * t);
        if (i < 20) envelope *= double(i) / 20; // no click at the onset
        samples_[first + i] += burst.Amplitude * envelope * hpOut;
    }
}

std::vector<std::uint8_t> Clip::Wav(double peak) const {
    double loudest = 1e-9;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    const double gain = peak / loudest;
    std::vector<std::uint8_t> out;
    const std::uint32_t dataBytes = std::uint32_t(samples_.size() * 2);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    // A few milliseconds of fade at the end, so no clip ends in a click.
    const std::size_t fade = std::min<std::size_t>(samples_.size(), SampleRate / 200);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        double v = samples_[i] * gain;
        const std::size_t left = samples_.size() - i;
        if (left < fade) v *= double(left) / double(fade);
        const int value = int(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        Put16(out, unsigned(std::uint16_t(std::int16_t(value))));
    }
    return out;
}

double NoteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

} // namespace vesrin::sound
