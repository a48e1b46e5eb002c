#include "Midi.h"

#include <algorithm>
#include <string>

namespace vesrin::sound {

// The background tune: sixteen bars in C major at 108 beats a minute, a light melody on
// the vibraphone over soft strings and a plucked bass, written as a standard MIDI file.

namespace {

constexpr int Ticks = 480; // per quarter note

struct Event {
    std::uint32_t Time;
    int Order; // note-offs before note-ons at the same time
    std::vector<std::uint8_t> Bytes;
};

class Track {
public:
    explicit Track(int channel) : channel_(channel) {}
    void Program(int program) { events_.push_back({0, 0, {std::uint8_t(0xC0 | channel_), std::uint8_t(program)}}); }
    void Volume(int volume) { events_.push_back({0, 0, {std::uint8_t(0xB0 | channel_), 7, std::uint8_t(volume)}}); }
    void Note(double beat, double beats, int note, int velocity) {
        const auto on = std::uint32_t(beat * Ticks);
        const auto off = std::uint32_t((beat + beats) * Ticks) - 10;
        events_.push_back({on, 1, {std::uint8_t(0x90 | channel_), std::uint8_t(note), std::uint8_t(velocity)}});
        events_.push_back({off, 0, {std::uint8_t(0x80 | channel_), std::uint8_t(note), 0}});
    }
    void Meta(std::uint32_t time, int type, std::vector<std::uint8_t> data) {
        std::vector<std::uint8_t> bytes = {0xFF, std::uint8_t(type), std::uint8_t(data.size())};
        bytes.insert(bytes.end(), data.begin(), data.end());
        events_.push_back({time, 0, bytes});
    }
    std::vector<std::uint8_t> Chunk() {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.Time != b.Time ? a.Time < b.Time : a.Order < b.Order;
        });
        std::vector<std::uint8_t> body;
        std::uint32_t now = 0;
        for (const Event& e : events_) {
            Delta(body, e.Time - now);
            now = e.Time;
            body.insert(body.end(), e.Bytes.begin(), e.Bytes.end());
        }
        Delta(body, 0);
        body.insert(body.end(), {0xFF, 0x2F, 0x00}); // end of track
        std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
        Be32(chunk, std::uint32_t(body.size()));
        chunk.insert(chunk.end(), body.begin(), body.end());
        return chunk;
    }
    static void Be32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
    }

private:
    static void Delta(std::vector<std::uint8_t>& out, std::uint32_t value) {
        std::uint8_t bytes[5];
        int n = 0;
        bytes[n++] = value & 0x7F;
        while ((value >>= 7) != 0) bytes[n++] = std::uint8_t(0x80 | (value & 0x7F));
        while (n > 0) out.push_back(bytes[--n]);
    }
    int channel_;
    std::vector<Event> events_;
};

// Note numbers: C4 = 60.
enum : int { C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, A3 = 57, B3 = 59,
             C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83,
             C6 = 84, D6 = 86, E6 = 88, F6 = 89 };

struct Step {
    int Note;
    double Beats;
};

} // namespace

std::vector<std::uint8_t> BackgroundTune() {
    // Chords of the sixteen bars (root, third, fifth below the melody).
    const int chords[16][3] = {{C3, E3, G3}, {A3 - 12, C3, E3}, {F3, A3, C3 + 12}, {G3, B3, D3 + 12},
                               {C3, E3, G3}, {A3 - 12, C3, E3}, {D3, F3, A3},      {G3, B3, D3 + 12},
                               {F3, A3, C3 + 12}, {G3, B3, D3 + 12}, {E3, G3, B3}, {A3 - 12, C3, E3},
                               {D3, F3, A3},      {G3, B3, D3 + 12}, {C3, E3, G3}, {C3, E3, G3}};
    const std::vector<Step> melody = {
        {E5, 1}, {G5, 1}, {C6, 1.5}, {B5, 0.5},   {A5, 2}, {E5, 1}, {C5, 1},
        {F5, 1}, {A5, 1}, {C6, 1}, {A5, 1},       {G5, 3}, {D5, 1},
        {E5, 1}, {G5, 1}, {C6, 1}, {E6, 1},       {D6, 1.5}, {C6, 0.5}, {A5, 2},
        {F5, 1}, {A5, 1}, {D6, 1}, {C6, 1},       {B5, 2}, {G5, 2},
        {A5, 1}, {C6, 1}, {F6, 1.5}, {E6, 0.5},   {D6, 1}, {B5, 1}, {G5, 2},
        {G5, 1}, {B5, 1}, {E6, 1}, {D6, 1},       {C6, 2}, {A5, 2},
        {F5, 1}, {A5, 1}, {D6, 1}, {F6, 1},       {E6, 1}, {D6, 1}, {B5, 1}, {G5, 1},
        {C6, 3}, {G5, 1},                         {C6, 4}};

    Track tempo(0);
    const std::uint32_t microsPerBeat = 60000000 / 108;
    tempo.Meta(0, 0x51, {std::uint8_t(microsPerBeat >> 16), std::uint8_t(microsPerBeat >> 8), std::uint8_t(microsPerBeat)});
    tempo.Meta(0, 0x58, {4, 2, 24, 8});
    const std::string title = "Vesrin";
    tempo.Meta(0, 0x03, std::vector<std::uint8_t>(title.begin(), title.end()));

    Track lead(0);
    lead.Program(11); // vibraphone
    lead.Volume(100);
    double beat = 0;
    for (const Step& s : melody) {
        lead.Note(beat, s.Beats, s.Note, 84);
        beat += s.Beats;
    }

    Track pads(1);
    pads.Program(48); // strings
    pads.Volume(64);
    Track bass(2);
    bass.Program(32); // acoustic bass
    bass.Volume(96);
    for (int bar = 0; bar < 16; ++bar) {
        const double start = bar * 4.0;
        for (int n : chords[bar]) pads.Note(start, 4, n + 12, 52);
        const int root = chords[bar][0] - 12;
        bass.Note(start, 1.5, root, 90);
        bass.Note(start + 2, 1, root + 7, 80);
        bass.Note(start + 3, 1, bar == 15 ? root : root + 12, 74);
    }

    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
    Track::Be32(file, 6);
    file.insert(file.end(), {0, 1, 0, 4, std::uint8_t(Ticks >> 8), std::uint8_t(Ticks & 0xFF)});
    for (Track* t : {&tempo, &lead, &pads, &bass}) {
        const std::vector<std::uint8_t> chunk = t->Chunk();
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

} // namespace vesrin::sound
