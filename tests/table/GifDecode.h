#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vesrin::test {

// A GIF file read back with giflib (DGifSlurp): each frame's place and display time and
// the whole picture after each frame (earlier frames left in place).
struct DecodedGif {
    bool Ok = false;
    std::string Version; // "GIF89a"
    int Width = 0, Height = 0;
    bool RepeatsForever = false;
    struct Frame {
        int Left = 0, Top = 0, Width = 0, Height = 0;
        int DelayMs = 0;
        std::vector<std::uint32_t> Screen; // 0x00RRGGBB, Width x Height of the picture
    };
    std::vector<Frame> Frames;
};

DecodedGif DecodeGif(const std::vector<std::uint8_t>& bytes);
DecodedGif DecodeGifFile(const std::string& path);

} // namespace vesrin::test
