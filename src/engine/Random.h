#pragma once

#include <cstdint>

namespace vesrin {

// The shuffle's pseudo-random generator (xoshiro256**, seeded through SplitMix64). Our
// own rather than the library's so that a seed gives the same deals on every platform.
class DealRandom {
public:
    explicit DealRandom(std::uint64_t seed) { Seed(seed); }

    void Seed(std::uint64_t seed) {
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // A uniform integer in 1..n (n >= 1), without modulo bias.
    int Uniform(int n) {
        const auto range = static_cast<std::uint64_t>(n);
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t x = Next();
        while (x >= limit) x = Next();
        return static_cast<int>(x % range) + 1;
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4]{};
};

} // namespace vesrin
