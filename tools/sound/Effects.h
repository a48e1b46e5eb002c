#pragma once

#include "Synth.h"

#include <string>
#include <vector>

namespace vesrin::sound {

struct Effect {
    std::string Name;
    Clip Sound;
    double Peak = 0.7; // loudest sample; steady tones sit lower so they do not sound harsh
};

// Every sound effect of the program under its resource name.
std::vector<Effect> MakeEffects();

// The low knock that card sounds share.
Clip::Tone CardSnapTone();

} // namespace vesrin::sound
