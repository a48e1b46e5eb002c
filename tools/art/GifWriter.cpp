#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vesrin::art {

namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), length);
    return length;
}

constexpr int Transparent = 0;
constexpr int CubeStart = 1;   // 6 x 6 x 6 colours
constexpr int GreyStart = 217; // 32 greys
constexpr int Colours = 256;

int CubeLevel(int v) { return (v * 5 + 127) / 255; }

int IndexOf(QRgb pixel) {
    if (qAlpha(pixel) < 128) return Transparent;
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const int cr = CubeLevel(r), cg = CubeLevel(g), cb = CubeLevel(b);
    const int cubeIndex = CubeStart + cr * 36 + cg * 6 + cb;
    const auto distance = [&](int pr, int pg, int pb) {
        return (pr - r) * (pr - r) + (pg - g) * (pg - g) + (pb - b) * (pb - b);
    };
    const int cubeDistance = distance(cr * 51, cg * 51, cb * 51);
    const int grey = (r * 30 + g * 59 + b * 11) / 100;
    const int greyLevel = std::clamp((grey * 31 + 127) / 255, 0, 31);
    const int greyValue = greyLevel * 255 / 31;
    return distance(greyValue, greyValue, greyValue) < cubeDistance ? GreyStart + greyLevel : cubeIndex;
}

} // namespace

QByteArray AnimatedGif(const QList<QImage>& frames, int delayMs) {
    if (frames.isEmpty()) return {};
    const int width = frames.first().width(), height = frames.first().height();
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, Append, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(Colours, nullptr);
    map->Colors[Transparent] = {0, 0, 0};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                map->Colors[CubeStart + r * 36 + g * 6 + b] = {GifByteType(r * 51), GifByteType(g * 51), GifByteType(b * 51)};
    for (int i = 0; i < 32; ++i) {
        const auto v = GifByteType(i * 255 / 31);
        map->Colors[GreyStart + i] = {v, v, v};
    }
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    // Loop for ever.
    const unsigned char loopName[] = "NETSCAPE2.0";
    const unsigned char loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK;
    ok = ok && EGifPutExtensionBlock(gif, 11, loopName) == GIF_OK;
    ok = ok && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK;
    ok = ok && EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifByteType> line(std::size_t(width), 0);
    for (const QImage& source : frames) {
        if (!ok) break;
        const QImage frame = source.convertToFormat(QImage::Format_ARGB32);
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = delayMs / 10;
        control.TransparentColor = Transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
        ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; y < height && ok; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < width; ++x) line[std::size_t(x)] = GifByteType(IndexOf(row[x]));
            ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? out : QByteArray();
}

} // namespace vesrin::art
