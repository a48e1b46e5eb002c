#include "Effects.h"

#include "Synth.h"

namespace vesrin::sound {

// The program's sound effects. Card sounds are short (the program waits for them);
// announcements of results are small melodic phrases in a bell or brass colour.

namespace {

using Tone = Clip::Tone;
using Burst = Clip::Burst;

// A soft mallet note (marimba-like): sine with a quick decay and a faint fourth partial.
Tone Mallet(double start, int note, double length, double amplitude = 0.5) {
    Tone t;
    t.Start = start;
    t.Length = length;
    t.Frequency = NoteFrequency(note);
    t.Amplitude = amplitude;
    t.Attack = 0.003;
    t.Release = 0.04;
    t.Decay = 6;
    t.Harmonics = {0.0, 0.18, 0.0, 0.06};
    return t;
}

// A bell: longer ring with inharmonic-sounding upper partials.
Tone Bell(double start, int note, double length, double amplitude = 0.5) {
    Tone t = Mallet(start, note, length, amplitude);
    t.Decay = 4;
    t.Harmonics = {0.35, 0.12, 0.2, 0.05};
    return t;
}

// A brass-like note: a filtered saw with a slower attack.
Tone Brass(double start, int note, double length, double amplitude = 0.4) {
    Tone t;
    t.Start = start;
    t.Length = length;
    t.Frequency = NoteFrequency(note);
    t.Amplitude = amplitude;
    t.Attack = 0.03;
    t.Release = 0.08;
    t.Shape = Wave::Saw;
    t.LowPass = 1800;
    t.Vibrato = 0.08;
    return t;
}

Clip CardSnap(std::uint32_t seed, double amplitude) {
    Clip c(0.14);
    c.Add(Burst{0.0, 0.05, amplitude, 90, 1200, 7000, seed});
    Tone thump;
    thump.Length = 0.06;
    thump.Frequency = 190;
    thump.EndFrequency = 110;
    thump.Amplitude = amplitude * 0.5;
    thump.Attack = 0.002;
    thump.Decay = 50;
    c.Add(thump);
    return c;
}

Clip Shuffle() {
    Clip c(0.9);
    // A riffle: the cards fall faster in the middle, then the bridge closes the deck.
    double t = 0.02;
    std::uint32_t seed = 3;
    while (t < 0.68) {
        const double x = (t - 0.35) / 0.35;
        const double gap = 0.012 + 0.012 * x * x;
        c.Add(Burst{t, 0.018, 0.35 + 0.15 * (1 - x * x), 160, 1800, 8000, seed++});
        t += gap;
    }
    c.Add(Burst{0.74, 0.1, 0.8, 45, 300, 3000, 99});
    Tone thump;
    thump.Start = 0.74;
    thump.Length = 0.1;
    thump.Frequency = 150;
    thump.EndFrequency = 90;
    thump.Amplitude = 0.4;
    thump.Decay = 30;
    c.Add(thump);
    return c;
}

Clip QueenOfSpades() {
    Clip c(0.6);
    // A dark diminished chord struck like a low bell.
    for (int note : {50, 53, 56, 62}) c.Add(Bell(0.0, note, 0.59, 0.3));
    c.Add(CardSnapTone());
    return c;
}

} // namespace

Tone CardSnapTone() {
    Tone t;
    t.Length = 0.05;
    t.Frequency = 180;
    t.EndFrequency = 110;
    t.Amplitude = 0.3;
    t.Attack = 0.002;
    t.Decay = 60;
    return t;
}

std::vector<Effect> MakeEffects() {
    std::vector<Effect> effects;
    effects.push_back({"WTasoKo", Shuffle()});
    effects.push_back({"WHodsDo", CardSnap(7, 0.8)});
    effects.push_back({"WSays40", QueenOfSpades()});
    {
        Clip c(0.5);
        c.Add(CardSnapTone());
        c.Add(Bell(0.02, 76, 0.3, 0.4)); // E5
        c.Add(Bell(0.14, 81, 0.35, 0.45)); // A5
        effects.push_back({"WSays20", c});
    }
    {
        Clip c(0.8);
        const int notes[] = {72, 76, 79, 84, 88};
        for (int i = 0; i < 5; ++i) c.Add(Bell(i * 0.09, notes[i], 0.78 - i * 0.09, 0.35));
        for (int i = 0; i < 6; ++i) c.Add(Mallet(0.42 + i * 0.05, 96 - (i % 2) * 3, 0.2, 0.12));
        effects.push_back({"WPlMore", c});
    }
    {
        Clip c(0.5);
        c.Add(Mallet(0.0, 67, 0.25));
        c.Add(Mallet(0.12, 72, 0.38));
        effects.push_back({"WKoGutX", c});
    }
    {
        Clip c(0.5);
        c.Add(Mallet(0.0, 60, 0.25));
        c.Add(Mallet(0.14, 55, 0.36));
        effects.push_back({"WKoBadX", c});
    }
    {
        Clip c(0.85);
        c.Add(Mallet(0.0, 60, 0.3));
        c.Add(Mallet(0.1, 64, 0.3));
        c.Add(Mallet(0.2, 67, 0.3));
        for (int note : {72, 76, 79}) c.Add(Bell(0.32, note, 0.52, 0.28));
        effects.push_back({"WKoGood", c});
    }
    {
        Clip c(0.85);
        c.Add(Mallet(0.0, 64, 0.3));
        c.Add(Mallet(0.15, 63, 0.3));
        Tone last = Mallet(0.3, 62, 0.55);
        last.EndFrequency = NoteFrequency(61);
        last.Decay = 3;
        c.Add(last);
        effects.push_back({"WKoBads", c});
    }
    {
        Clip c(1.7);
        c.Add(Brass(0.0, 67, 0.16));
        c.Add(Brass(0.16, 67, 0.16));
        c.Add(Brass(0.32, 67, 0.16));
        c.Add(Brass(0.48, 72, 0.5));
        c.Add(Brass(0.98, 76, 0.2));
        for (int note : {72, 76, 79, 84}) c.Add(Brass(1.18, note, 0.5, 0.22));
        c.Add(Burst{1.18, 0.4, 0.15, 6, 4000, 10000, 17}); // cymbal shimmer
        effects.push_back({"WFiBest", c});
    }
    {
        Clip c(1.1);
        c.Add(Brass(0.0, 72, 0.18));
        c.Add(Brass(0.18, 76, 0.18));
        for (int note : {72, 76, 79}) c.Add(Brass(0.36, note, 0.7, 0.26));
        effects.push_back({"WFiGood", c});
    }
    {
        Clip c(1.3);
        const int notes[] = {67, 66, 65};
        for (int i = 0; i < 3; ++i) c.Add(Brass(i * 0.3, notes[i] - 12, 0.3, 0.4));
        Tone last = Brass(0.9, 52, 0.4, 0.4);
        last.Vibrato = 0.4;
        c.Add(last);
        effects.push_back({"WFiBads", c, 0.55});
    }
    {
        Clip c(0.25);
        c.Add(Burst{0.0, 0.2, 0.25, 14, 600, 3000, 21});
        Tone pop;
        pop.Length = 0.12;
        pop.Frequency = 420;
        pop.EndFrequency = 900;
        pop.Amplitude = 0.45;
        pop.Decay = 18;
        c.Add(pop);
        effects.push_back({"WOpenFo", c});
    }
    {
        Clip c(0.36);
        for (double start : {0.0, 0.17}) {
            Tone buzz;
            buzz.Start = start;
            buzz.Length = 0.14;
            buzz.Frequency = 185;
            buzz.Amplitude = 0.35;
            buzz.Shape = Wave::Square;
            buzz.LowPass = 900;
            buzz.Release = 0.03;
            c.Add(buzz);
        }
        effects.push_back({"WWrongs", c, 0.42});
    }
    {
        Clip c(0.4);
        c.Add(Bell(0.0, 88, 0.2, 0.35));  // E6
        c.Add(Bell(0.1, 93, 0.3, 0.35));  // A6
        effects.push_back({"WToMenK", c});
    }
    {
        Clip c(0.08);
        c.Add(Burst{0.0, 0.03, 0.6, 200, 2000, 9000, 31});
        Tone tick = Mallet(0.0, 96, 0.06, 0.25);
        tick.Decay = 60;
        c.Add(tick);
        effects.push_back({"STimerA", c, 0.5});
    }
    {
        Clip c(0.13);
        Tone beep;
        beep.Length = 0.12;
        beep.Frequency = 1480;
        beep.Amplitude = 0.5;
        beep.Shape = Wave::Triangle;
        beep.Release = 0.03;
        c.Add(beep);
        effects.push_back({"STimerB", c, 0.4});
    }
    return effects;
}

} // namespace vesrin::sound
