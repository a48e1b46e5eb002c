#include "table/GifRecording.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace vesrin {

namespace {

constexpr std::uint32_t RgbMask = 0x00FFFFFFu;
constexpr int BinCount = 1 << 15;

int BinOf(std::uint32_t pixel) {
    return int(((pixel >> 9) & 0x7C00u) | ((pixel >> 6) & 0x03E0u) | ((pixel >> 3) & 0x001Fu));
}

int Channel(int bin, int channel) { return (bin >> (10 - 5 * channel)) & 0x1F; }

// Exact colours of the picture, or nothing when it has more than 256.
bool ExactPalette(const GifFrameView& picture, IndexedPicture& out) {
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    index.reserve(512);
    out.Indices.resize(std::size_t(picture.Width) * std::size_t(picture.Height));
    std::uint32_t lastColour = 0xFFFFFFFFu;
    std::uint8_t lastIndex = 0;
    std::size_t at = 0;
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* row = picture.Pixels + std::size_t(y) * std::size_t(picture.Stride);
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t colour = row[x] & RgbMask;
            if (colour != lastColour) {
                auto found = index.find(colour);
                if (found == index.end()) {
                    if (out.Palette.size() == 256) return false;
                    found = index.emplace(colour, std::uint8_t(out.Palette.size())).first;
                    out.Palette.push_back(colour);
                }
                lastColour = colour;
                lastIndex = found->second;
            }
            out.Indices[at++] = lastIndex;
        }
    }
    return true;
}

struct Box {
    std::size_t Begin = 0, End = 0; // range of the occupied bins
    std::uint64_t Pixels = 0;
    std::array<int, 3> Low{}, High{};

    int WidestChannel() const {
        int best = 0;
        for (int c = 1; c < 3; ++c)
            if (High[std::size_t(c)] - Low[std::size_t(c)] > High[std::size_t(best)] - Low[std::size_t(best)]) best = c;
        return best;
    }
    int Range() const {
        const int c = WidestChannel();
        return High[std::size_t(c)] - Low[std::size_t(c)];
    }
};

void Measure(Box& box, const std::vector<int>& bins, const std::vector<std::uint32_t>& counts) {
    box.Pixels = 0;
    box.Low = {31, 31, 31};
    box.High = {0, 0, 0};
    for (std::size_t i = box.Begin; i < box.End; ++i) {
        const int bin = bins[i];
        box.Pixels += counts[std::size_t(bin)];
        for (int c = 0; c < 3; ++c) {
            box.Low[std::size_t(c)] = std::min(box.Low[std::size_t(c)], Channel(bin, c));
            box.High[std::size_t(c)] = std::max(box.High[std::size_t(c)], Channel(bin, c));
        }
    }
}

void MedianCut(const GifFrameView& picture, IndexedPicture& out) {
    std::vector<std::uint32_t> counts(BinCount, 0);
    std::vector<std::array<std::uint64_t, 3>> sums(BinCount, {0, 0, 0});
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* row = picture.Pixels + std::size_t(y) * std::size_t(picture.Stride);
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t pixel = row[x];
            const auto bin = std::size_t(BinOf(pixel));
            ++counts[bin];
            sums[bin][0] += (pixel >> 16) & 0xFF;
            sums[bin][1] += (pixel >> 8) & 0xFF;
            sums[bin][2] += pixel & 0xFF;
        }
    }
    std::vector<int> bins;
    for (int bin = 0; bin < BinCount; ++bin)
        if (counts[std::size_t(bin)] != 0) bins.push_back(bin);

    std::vector<Box> boxes(1);
    boxes[0].End = bins.size();
    Measure(boxes[0], bins, counts);
    while (boxes.size() < 256) {
        // The box that spreads the most pixels over the widest range is split next, so
        // large smooth areas (the felt) get as many shades as the small busy ones.
        std::size_t pick = boxes.size();
        double best = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const double weight = double(boxes[i].Range()) * double(boxes[i].Pixels);
            if (boxes[i].End - boxes[i].Begin > 1 && weight > best) {
                best = weight;
                pick = i;
            }
        }
        if (pick == boxes.size()) break;
        Box& box = boxes[pick];
        const int c = box.WidestChannel();
        const auto begin = bins.begin() + std::ptrdiff_t(box.Begin);
        const auto end = bins.begin() + std::ptrdiff_t(box.End);
        std::sort(begin, end, [c](int a, int b) { return Channel(a, c) < Channel(b, c); });
        // Split at the pixel median, keeping at least one bin on each side.
        std::uint64_t seen = 0;
        std::size_t split = box.Begin + 1;
        for (std::size_t i = box.Begin; i + 1 < box.End; ++i) {
            seen += counts[std::size_t(bins[i])];
            split = i + 1;
            if (seen * 2 >= box.Pixels) break;
        }
        Box upper;
        upper.Begin = split;
        upper.End = box.End;
        box.End = split;
        Measure(box, bins, counts);
        Measure(upper, bins, counts);
        boxes.push_back(upper);
    }

    std::vector<std::uint8_t> lookup(BinCount, 0);
    out.Palette.clear();
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        std::array<std::uint64_t, 3> total{0, 0, 0};
        for (std::size_t i = boxes[b].Begin; i < boxes[b].End; ++i) {
            const auto bin = std::size_t(bins[i]);
            lookup[bin] = std::uint8_t(b);
            for (std::size_t c = 0; c < 3; ++c) total[c] += sums[bin][c];
        }
        const std::uint64_t n = std::max<std::uint64_t>(boxes[b].Pixels, 1);
        out.Palette.push_back(std::uint32_t(((total[0] + n / 2) / n) << 16 | ((total[1] + n / 2) / n) << 8 |
                                            ((total[2] + n / 2) / n)));
    }
    out.Indices.resize(std::size_t(picture.Width) * std::size_t(picture.Height));
    std::size_t at = 0;
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint32_t* row = picture.Pixels + std::size_t(y) * std::size_t(picture.Stride);
        for (int x = 0; x < picture.Width; ++x) out.Indices[at++] = lookup[std::size_t(BinOf(row[x]))];
    }
}

int Centiseconds(int ms) { return std::clamp((ms + 5) / 10, 0, 65535); }

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
}

} // namespace

IndexedPicture QuantizePicture(const GifFrameView& picture) {
    IndexedPicture out;
    if (picture.Width <= 0 || picture.Height <= 0 || !picture.Pixels) {
        out.Palette.push_back(0);
        return out;
    }
    if (!ExactPalette(picture, out)) {
        out.Palette.clear();
        MedianCut(picture, out);
    }
    return out;
}

// The frame held back: where it lies on the picture and its indexed pixels.
struct GifRecording::Pending {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    IndexedPicture Picture;
};

// The giflib encoder writing into memory.
struct GifRecording::Encoder {
    std::vector<std::uint8_t> Bytes;
    GifFileType* Gif = nullptr;

    ~Encoder() {
        if (Gif) {
            int error = 0;
            EGifCloseFile(Gif, &error);
        }
    }

    bool Open(int width, int height) {
        int error = 0;
        Gif = EGifOpen(&Bytes, AppendBytes, &error);
        if (!Gif) return false;
        EGifSetGifVersion(Gif, true);
        if (EGifPutScreenDesc(Gif, width, height, 8, 0, nullptr) == GIF_ERROR) return false;
        // Viewers and browsers play the hand again after the long last frame.
        static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType repeatForever[] = {1, 0, 0};
        return EGifPutExtensionLeader(Gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
               EGifPutExtensionBlock(Gif, sizeof application, application) != GIF_ERROR &&
               EGifPutExtensionBlock(Gif, sizeof repeatForever, repeatForever) != GIF_ERROR &&
               EGifPutExtensionTrailer(Gif) != GIF_ERROR;
    }

    bool Put(const Pending& frame, int delayMs) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = Centiseconds(delayMs);
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR) return false;

        // The colour table of a GIF has a power-of-two size of at least two entries.
        const auto& palette = frame.Picture.Palette;
        int size = 2;
        while (size < int(palette.size())) size *= 2;
        std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
        for (std::size_t i = 0; i < palette.size(); ++i)
            colours[i] = GifColorType{GifByteType(palette[i] >> 16), GifByteType(palette[i] >> 8),
                                      GifByteType(palette[i])};
        ColorMapObject* map = GifMakeMapObject(size, colours.data());
        if (!map) return false;
        bool ok = EGifPutImageDesc(Gif, frame.Left, frame.Top, frame.Width, frame.Height, false, map) != GIF_ERROR;
        GifFreeMapObject(map);
        std::vector<GifPixelType> row(std::size_t(frame.Width));
        for (int y = 0; ok && y < frame.Height; ++y) {
            std::memcpy(row.data(), frame.Picture.Indices.data() + std::size_t(y) * std::size_t(frame.Width),
                        row.size());
            ok = EGifPutLine(Gif, row.data(), frame.Width) != GIF_ERROR;
        }
        return ok;
    }

    std::vector<std::uint8_t> Close() {
        int error = 0;
        const bool ok = EGifCloseFile(Gif, &error) != GIF_ERROR;
        Gif = nullptr;
        if (!ok) return {};
        return std::move(Bytes);
    }
};

GifRecording::GifRecording() = default;
GifRecording::~GifRecording() = default;

void GifRecording::Clear() {
    frames_ = 0;
    width_ = height_ = 0;
    last_.clear();
    last_.shrink_to_fit();
    pending_.reset();
    encoder_.reset();
}

bool GifRecording::Flush(int delayMs) {
    if (!pending_) return true;
    const bool ok = encoder_->Put(*pending_, delayMs);
    pending_.reset();
    return ok;
}

GifAppend GifRecording::Append(const GifFrameView& frame, int delayMs) {
    if (!frame.Pixels || frame.Width <= 0 || frame.Height <= 0 || frame.Stride < frame.Width) return GifAppend::Mismatch;
    if (frames_ >= MaxFrames) return GifAppend::Full;
    if (frames_ > 0 && (frame.Width != width_ || frame.Height != height_)) return GifAppend::Mismatch;
    const auto width = std::size_t(frame.Width);
    auto rowOf = [&](int y) { return frame.Pixels + std::size_t(y) * std::size_t(frame.Stride); };

    // The rectangle that changed since the last frame (all of the first frame).
    int top = 0, bottom = frame.Height - 1, left = 0, right = frame.Width - 1;
    if (frames_ > 0) {
        auto rowEqual = [&](int y) {
            return std::memcmp(rowOf(y), last_.data() + std::size_t(y) * width, width * 4) == 0;
        };
        while (top < frame.Height && rowEqual(top)) ++top;
        if (top == frame.Height) return GifAppend::Equal;
        while (rowEqual(bottom)) --bottom;
        left = frame.Width;
        right = -1;
        for (int y = top; y <= bottom; ++y) {
            const std::uint32_t* now = rowOf(y);
            const std::uint32_t* before = last_.data() + std::size_t(y) * width;
            int x = 0;
            while (x < left && now[x] == before[x]) ++x;
            left = std::min(left, x);
            int z = frame.Width - 1;
            while (z > right && now[z] == before[z]) --z;
            right = std::max(right, z);
        }
    } else {
        encoder_ = std::make_unique<Encoder>();
        if (!encoder_->Open(frame.Width, frame.Height)) {
            Clear();
            return GifAppend::Failed;
        }
        width_ = frame.Width;
        height_ = frame.Height;
        last_.resize(width * std::size_t(frame.Height));
    }
    for (int y = top; y <= bottom; ++y)
        std::memcpy(last_.data() + std::size_t(y) * width + std::size_t(left), rowOf(y) + left,
                    std::size_t(right - left + 1) * 4);

    if (!Flush(pendingDelay_)) {
        Clear();
        return GifAppend::Failed;
    }
    auto next = std::make_unique<Pending>();
    next->Left = left;
    next->Top = top;
    next->Width = right - left + 1;
    next->Height = bottom - top + 1;
    next->Picture = QuantizePicture(GifFrameView{rowOf(top) + left, next->Width, next->Height, frame.Stride});
    pending_ = std::move(next);
    pendingDelay_ = delayMs;
    ++frames_;
    return GifAppend::Added;
}

std::vector<std::uint8_t> GifRecording::Finish(int lastDelayMs) {
    std::vector<std::uint8_t> bytes;
    if (frames_ > 0 && Flush(lastDelayMs)) bytes = encoder_->Close();
    Clear();
    return bytes;
}

} // namespace vesrin
