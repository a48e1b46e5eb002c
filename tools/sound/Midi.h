#pragma once

#include <cstdint>
#include <vector>

namespace vesrin::sound {

// A standard MIDI file (format 1) holding the program's background tune: a tempo track,
// melody, chords and bass.
std::vector<std::uint8_t> BackgroundTune();

} // namespace vesrin::sound
