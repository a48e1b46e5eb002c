#include "GifDecode.h"
#include "table/GifRecording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vesrin::test {
namespace {

// A picture of plain colours: the felt with a few card-like rectangles.
struct Picture {
    int Width, Height;
    std::vector<std::uint32_t> Pixels;
    Picture(int w, int h, std::uint32_t colour) : Width(w), Height(h), Pixels(std::size_t(w) * std::size_t(h), colour) {}
    void Fill(int left, int top, int w, int h, std::uint32_t colour) {
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x) Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)] = colour;
    }
    GifFrameView View() const { return {Pixels.data(), Width, Height, Width}; }
};

constexpr std::uint32_t Felt = 0xFF1E6B2Eu;

TEST(GifRecordingTest, EqualPicturesAreDroppedAndOnlyTheChangedRectangleIsStored) {
    GifRecording recording;
    Picture picture(120, 80, Felt);
    EXPECT_EQ(recording.Append(picture.View(), 300), GifAppend::Added);
    EXPECT_EQ(recording.Append(picture.View(), 300), GifAppend::Equal);
    picture.Fill(30, 20, 10, 15, 0xFFFFFFFFu);
    picture.Fill(33, 24, 3, 3, 0xFFC00000u);
    EXPECT_EQ(recording.Append(picture.View(), 300), GifAppend::Added);
    EXPECT_EQ(recording.Append(picture.View(), 300), GifAppend::Equal);
    Picture other(60, 80, Felt);
    EXPECT_EQ(recording.Append(other.View(), 300), GifAppend::Mismatch);
    picture.Fill(100, 70, 1, 1, 0xFF000000u);
    EXPECT_EQ(recording.Append(picture.View(), 300), GifAppend::Added);
    EXPECT_EQ(recording.FrameCount(), 3);

    const DecodedGif gif = DecodeGif(recording.Finish(5000));
    EXPECT_TRUE(recording.Empty());
    ASSERT_TRUE(gif.Ok);
    EXPECT_EQ(gif.Version, "GIF89a");
    EXPECT_TRUE(gif.RepeatsForever);
    EXPECT_EQ(gif.Width, 120);
    EXPECT_EQ(gif.Height, 80);
    ASSERT_EQ(gif.Frames.size(), 3u);
    EXPECT_EQ(gif.Frames[0].DelayMs, 300);
    EXPECT_EQ(gif.Frames[1].DelayMs, 300);
    EXPECT_EQ(gif.Frames[2].DelayMs, 5000);
    EXPECT_EQ(gif.Frames[1].Left, 30);
    EXPECT_EQ(gif.Frames[1].Top, 20);
    EXPECT_EQ(gif.Frames[1].Width, 10);
    EXPECT_EQ(gif.Frames[1].Height, 15);
    EXPECT_EQ(gif.Frames[2].Width, 1);
    EXPECT_EQ(gif.Frames[2].Height, 1);
    // Few colours are kept exactly.
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i)
        ASSERT_EQ(gif.Frames[2].Screen[i], picture.Pixels[i] & 0xFFFFFFu) << i;
}

TEST(GifRecordingTest, TheRecordingStopsAtTwoHundredFiftyFrames) {
    GifRecording recording;
    Picture picture(16, 16, Felt);
    for (int i = 0; i < GifRecording::MaxFrames; ++i) {
        picture.Pixels[0] = 0xFF000000u | std::uint32_t(i);
        ASSERT_EQ(recording.Append(picture.View(), 100), GifAppend::Added) << i;
    }
    picture.Pixels[0] = 0xFFFFFFFFu;
    EXPECT_EQ(recording.Append(picture.View(), 100), GifAppend::Full);
    const DecodedGif gif = DecodeGif(recording.Finish(5000));
    ASSERT_TRUE(gif.Ok);
    ASSERT_EQ(gif.Frames.size(), std::size_t(GifRecording::MaxFrames));
    EXPECT_EQ(gif.Frames.front().DelayMs, 100);
    EXPECT_EQ(gif.Frames.back().DelayMs, 5000);
    EXPECT_EQ(gif.Frames.back().Screen[0], 249u);
}

TEST(GifRecordingTest, ANoFrameRecordingWritesNothing) {
    GifRecording recording;
    EXPECT_TRUE(recording.Finish(5000).empty());
    EXPECT_EQ(recording.Append(GifFrameView{}, 100), GifAppend::Mismatch);
    EXPECT_TRUE(recording.Finish(5000).empty());
}

// Smooth shading (a lit felt, card edges) has far more than 256 colours: each channel
// of the chosen palette stays close to the original, so no visible bands appear.
TEST(GifRecordingTest, ManyColoursAreReducedWithoutBands) {
    struct Case {
        const char* Name;
        std::uint32_t (*Colour)(int x, int y);
        int MaxError;
    };
    const Case cases[] = {
        {"green felt lit from the centre",
         [](int x, int y) {
             const int d = std::abs(x - 160) / 2 + std::abs(y - 100) / 2;
             const int g = std::max(60, 160 - d);
             return 0xFF000000u | std::uint32_t(g / 4 + x / 8) << 16 | std::uint32_t(g) << 8 | std::uint32_t(g / 3);
         },
         6},
        {"felt with white cards and red and black pips",
         [](int x, int y) {
             if (x % 80 > 20 && x % 80 < 70 && y > 40 && y < 160) {
                 if ((x + y) % 17 == 0) return 0xFFD01010u;
                 if ((x * 3 + y) % 23 == 0) return 0xFF101010u;
                 return 0xFF000000u | std::uint32_t(0xF0F0F0 - (y % 16) * 0x010101);
             }
             const int g = 90 + (x + y) % 60;
             return 0xFF000000u | std::uint32_t(20 + x % 7) << 16 | std::uint32_t(g) << 8 | std::uint32_t(40 + y % 9);
         },
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Picture picture(320, 200, 0);
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x)
                picture.Pixels[std::size_t(y) * 320 + std::size_t(x)] = c.Colour(x, y);
        std::vector<std::uint32_t> colours(picture.Pixels);
        std::sort(colours.begin(), colours.end());
        ASSERT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 256);
        GifRecording recording;
        ASSERT_EQ(recording.Append(picture.View(), 100), GifAppend::Added);
        const DecodedGif gif = DecodeGif(recording.Finish(100));
        ASSERT_TRUE(gif.Ok);
        ASSERT_EQ(gif.Frames.size(), 1u);
        int worst = 0;
        for (std::size_t i = 0; i < picture.Pixels.size(); ++i)
            for (int shift : {0, 8, 16}) {
                const int a = int((picture.Pixels[i] >> shift) & 0xFF);
                const int b = int((gif.Frames[0].Screen[i] >> shift) & 0xFF);
                worst = std::max(worst, std::abs(a - b));
            }
        EXPECT_LE(worst, c.MaxError);
    }
}

} // namespace
} // namespace vesrin::test
