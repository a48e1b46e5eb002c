#include "GifDecode.h"

#include <gif_lib.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace vesrin::test {

namespace {

struct Reader {
    const std::vector<std::uint8_t>* Bytes;
    std::size_t At = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* into, int length) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t left = reader->Bytes->size() - reader->At;
    const std::size_t n = std::min(left, std::size_t(length));
    std::memcpy(into, reader->Bytes->data() + reader->At, n);
    reader->At += n;
    return int(n);
}

} // namespace

DecodedGif DecodeGif(const std::vector<std::uint8_t>& bytes) {
    DecodedGif out;
    if (bytes.size() >= 6) out.Version.assign(bytes.begin(), bytes.begin() + 6);
    Reader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadBytes, &error);
    if (!gif) return out;
    if (DGifSlurp(gif) == GIF_ERROR) {
        DGifCloseFile(gif, &error);
        return out;
    }
    out.Width = gif->SWidth;
    out.Height = gif->SHeight;
    std::vector<std::uint32_t> screen(std::size_t(out.Width) * std::size_t(out.Height), 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && e + 1 < image.ExtensionBlockCount) {
                const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                out.RepeatsForever = data.ByteCount == 3 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
            }
        }
        DecodedGif::Frame frame;
        const GifImageDesc& d = image.ImageDesc;
        frame.Left = d.Left;
        frame.Top = d.Top;
        frame.Width = d.Width;
        frame.Height = d.Height;
        GraphicsControlBlock control{};
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) frame.DelayMs = control.DelayTime * 10;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int sx = d.Left + x, sy = d.Top + y;
                if (sx >= out.Width || sy >= out.Height || !map) continue;
                const int index = image.RasterBits[std::size_t(y) * std::size_t(d.Width) + std::size_t(x)];
                if (index >= map->ColorCount) continue;
                const GifColorType c = map->Colors[index];
                screen[std::size_t(sy) * std::size_t(out.Width) + std::size_t(sx)] =
                    std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue;
            }
        frame.Screen = screen;
        out.Frames.push_back(std::move(frame));
    }
    DGifCloseFile(gif, &error);
    out.Ok = true;
    return out;
}

DecodedGif DecodeGifFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodeGif(bytes);
}

} // namespace vesrin::test
