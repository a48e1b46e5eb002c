#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace vesrin {

// One picture of the recording: rows of 32-bit pixels 0xAARRGGBB (the alpha byte is
// ignored), `Stride` pixels from one row to the next.
struct GifFrameView {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
};

enum class GifAppend {
    Added,    // the picture is a new frame
    Equal,    // the same picture as the last frame: dropped
    Full,     // the recording holds its 250 frames: dropped
    Mismatch, // not the size of the first frame, or no picture: dropped
    Failed,   // the encoder refused the frame
};

// An animated GIF held in memory while a hand is played. Each new frame is encoded at
// once, so a recording of 250 frames costs its compressed size, not 250 pictures: only
// the rectangle that changed since the frame before is stored, with a colour table of
// its own (the exact colours when it has at most 256, else a median cut of them), and the
// earlier pixels stay in place. The newest frame is held back until the next one arrives
// or the recording is finished, because the last frame gets a display time of its own.
// The file is GIF89a and repeats for ever.
class GifRecording {
public:
    static constexpr int MaxFrames = 250;

    GifRecording();
    ~GifRecording();
    GifRecording(const GifRecording&) = delete;
    GifRecording& operator=(const GifRecording&) = delete;

    // Forgets every frame.
    void Clear();
    // Appends a picture shown for `delayMs` when it differs from the last frame, byte for
    // byte, and the recording is not full.
    GifAppend Append(const GifFrameView& frame, int delayMs);
    // Frames stored so far (an appended picture counts at once).
    int FrameCount() const { return frames_; }
    bool Empty() const { return frames_ == 0; }
    // The last frame is shown for `lastDelayMs`; returns the bytes of the whole file and
    // empties the recording. No frame: no bytes.
    std::vector<std::uint8_t> Finish(int lastDelayMs);

private:
    struct Pending;
    struct Encoder;
    bool Flush(int delayMs);

    int frames_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> last_; // the last frame's pixels, packed rows
    std::unique_ptr<Pending> pending_;
    int pendingDelay_ = 0;
    std::unique_ptr<Encoder> encoder_;
};

// The colour table and pixel indices of a picture of at most 256 colours chosen for it:
// the exact colours when there are no more than 256, else boxes of a median cut of a
// 5-bit-per-channel histogram, each shown by the mean of the pixels that fell in it.
struct IndexedPicture {
    std::vector<std::uint32_t> Palette; // 0x00RRGGBB, 1..256 entries
    std::vector<std::uint8_t> Indices;  // width x height
};
IndexedPicture QuantizePicture(const GifFrameView& picture);

} // namespace vesrin
