#include "app/SoundPlayer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vesrin {
namespace {

void PutLe32(QByteArray& data, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A PCM clip header: RIFF, WAVE, a 16-byte fmt chunk and a data chunk of dataBytes.
QByteArray Wav(std::uint32_t byteRate, std::uint32_t dataBytes, int extraChunk = -1) {
    QByteArray data("RIFF\0\0\0\0WAVE", 12);
    if (extraChunk >= 0) {
        QByteArray chunk("LIST\0\0\0\0", 8);
        PutLe32(chunk, 4, std::uint32_t(extraChunk));
        chunk.append(QByteArray(extraChunk + (extraChunk & 1), 'x'));
        data.append(chunk);
    }
    QByteArray fmt("fmt \0\0\0\0", 8);
    PutLe32(fmt, 4, 16);
    QByteArray body(16, '\0');
    body[0] = 1;     // PCM
    body[2] = 1;     // mono
    PutLe32(body, 4, byteRate / 2);
    PutLe32(body, 8, byteRate);
    body[12] = 2;
    body[14] = 16;
    data.append(fmt).append(body);
    QByteArray chunk("data\0\0\0\0", 8);
    PutLe32(chunk, 4, dataBytes);
    data.append(chunk).append(QByteArray(int(dataBytes), '\0'));
    PutLe32(data, 4, std::uint32_t(data.size() - 8));
    return data;
}

TEST(WavDuration, FromTheDataSizeAndTheByteRate) {
    EXPECT_EQ(WavDurationMs(Wav(88200, 88200)), 1000);
    EXPECT_EQ(WavDurationMs(Wav(88200, 12348)), 140);
    EXPECT_EQ(WavDurationMs(Wav(88200, 0)), 0);
    EXPECT_EQ(WavDurationMs(Wav(88200, 44100, 5)), 500) << "an odd chunk before the format is padded";
}

TEST(WavDuration, DamagedClipsHaveNoLength) {
    const QByteArray good = Wav(88200, 4410);
    struct Case {
        const char* Name;
        QByteArray Data;
    };
    QByteArray notRiff = good;
    notRiff[0] = 'X';
    QByteArray noRate = good;
    PutLe32(noRate, 12 + 8 + 8, 0);
    QByteArray hugeChunk = Wav(88200, 10, 0);
    PutLe32(hugeChunk, 16, 0xFFFFFFF0u);
    const Case cases[] = {
        {"empty", QByteArray()},
        {"not RIFF", notRiff},
        {"header only", good.left(12)},
        {"format cut short", good.left(30)},
        {"no byte rate", noRate},
        {"chunk past the end", hugeChunk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_FALSE(WavDurationMs(c.Data).has_value());
    }
    // A data chunk cut short counts with what it holds.
    EXPECT_EQ(WavDurationMs(good.left(good.size() - 2205)), 25);
}

TEST(ClipSoundPlayer, KnowsTheLengthOfTheProgramsClipsWhenSilent) {
    ClipSoundPlayer player(LibraryPlaces{}, false);
    EXPECT_EQ(player.Play("WHodsDo"), 140);
    EXPECT_EQ(player.Play("whodsdo"), 140);
    EXPECT_EQ(player.Play("WTasoKo"), 900);
    EXPECT_EQ(player.Play("NoSuchClip"), 0);
    EXPECT_FALSE(player.Speak(QStringLiteral("Pi3QVoiceEng"))) << "no voice library";
}

} // namespace
} // namespace vesrin
