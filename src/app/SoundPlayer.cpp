#include "app/SoundPlayer.h"

#include "resources/BuiltInResources.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#include <cstring>

namespace vesrin {

namespace {

std::uint32_t Le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

} // namespace

std::optional<int> WavDurationMs(const QByteArray& wav) {
    const char* data = wav.constData();
    const qsizetype size = wav.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return std::nullopt;
    std::uint32_t byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= size) {
        const std::uint32_t chunkSize = Le32(data + at + 4);
        const qsizetype body = at + 8;
        if (std::memcmp(data + at, "fmt ", 4) == 0) {
            if (chunkSize < 16 || body + 16 > size) return std::nullopt;
            byteRate = Le32(data + body + 8);
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            if (byteRate == 0) return std::nullopt;
            // A clip cut short counts with what it holds.
            const std::uint64_t bytes = std::min<std::uint64_t>(chunkSize, std::uint64_t(size - body));
            return int(bytes * 1000 / byteRate);
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = std::uint64_t(body) + chunkSize + (chunkSize & 1);
        if (next > std::uint64_t(size)) return std::nullopt;
        at = qsizetype(next);
    }
    return std::nullopt;
}

ClipSoundPlayer::ClipSoundPlayer(LibraryPlaces places, bool audible) : places_(std::move(places)), audible_(audible) {}

ClipSoundPlayer::~ClipSoundPlayer() = default;

bool ClipSoundPlayer::OutputAvailable() { return !QMediaDevices::audioOutputs().isEmpty(); }

const ClipSoundPlayer::Clip& ClipSoundPlayer::ClipOf(const QString& name) {
    auto found = clips_.find(name);
    if (found != clips_.end()) return found->second;
    Clip clip;
    clip.Source = BuiltInResourcePath(name);
    QFile file(clip.Source);
    if (file.open(QIODevice::ReadOnly)) clip.Ms = WavDurationMs(file.readAll()).value_or(0);
    else clip.Source.clear();
    return clips_.emplace(name, clip).first->second;
}

void ClipSoundPlayer::Start(const QString& source) {
    if (!audible_ || source.isEmpty()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(source.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + source)
                                                           : QUrl::fromLocalFile(source));
    effect_->play();
}

int ClipSoundPlayer::Play(std::string_view name) {
    const Clip& clip = ClipOf(QString::fromLatin1(name.data(), qsizetype(name.size())));
    Start(clip.Source);
    return clip.Ms;
}

bool ClipSoundPlayer::Speak(const QString& voiceResource) {
    const std::optional<ResourceLibrary> library = ResourceLibrary::Open(QStringLiteral("QorCVoice3.dll"), places_);
    if (!library) return false;
    const std::optional<QByteArray> wav = library->Read(voiceResource);
    if (!wav) return true;
    // The effect plays from a file: the voice is copied out of the library first.
    const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                             .filePath(QStringLiteral("vesrin-voice.wav"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(*wav);
        file.close();
        Start(path);
    }
    return true;
}

int SilentSoundPlayer::Play(std::string_view name) {
    Played.emplace_back(name);
    return clipMs_;
}

bool SilentSoundPlayer::Speak(const QString& voiceResource) {
    Spoken.push_back(voiceResource);
    return false;
}

} // namespace vesrin
