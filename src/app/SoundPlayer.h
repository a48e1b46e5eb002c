#pragma once

#include "table/ResourceLibrary.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSoundEffect;

namespace vesrin {

// The length in milliseconds of a PCM WAV clip, from its header: the data chunk's size
// over the format chunk's byte rate. Nothing for data that is not such a clip; the
// reader never looks past the end of the data.
std::optional<int> WavDurationMs(const QByteArray& wav);

// Where the table plays its sounds. Play starts a clip of the program's own resources
// by name and gives its length, so that a caller that must wait for its end waits that
// long itself: no game step ever waits on a sound device's callback.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the clip (a clip still playing stops); its length in ms, 0 when unknown.
    virtual int Play(std::string_view name) = 0;
    // Speaks a card's voice from the voice library; false without the library.
    virtual bool Speak(const QString& voiceResource) = 0;
};

// The player of the running program: Qt Multimedia when the machine has an audio
// output, otherwise silent. Silent or not, it knows every clip's length.
class ClipSoundPlayer : public SoundPlayer {
public:
    ClipSoundPlayer(LibraryPlaces places, bool audible);
    ~ClipSoundPlayer() override;

    int Play(std::string_view name) override;
    bool Speak(const QString& voiceResource) override;

    bool Audible() const { return audible_; }
    // Whether this machine can play sounds safely (an audio output exists).
    static bool OutputAvailable();

private:
    struct Clip {
        int Ms = 0;
        QString Source;
    };
    const Clip& ClipOf(const QString& name);
    void Start(const QString& source);

    LibraryPlaces places_;
    bool audible_;
    std::map<QString, Clip> clips_;
    std::unique_ptr<QSoundEffect> effect_;
};

// A player that plays nothing; every clip has the given length (0 makes waits instant).
class SilentSoundPlayer : public SoundPlayer {
public:
    explicit SilentSoundPlayer(int clipMs = 0) : clipMs_(clipMs) {}
    int Play(std::string_view name) override;
    bool Speak(const QString& voiceResource) override;
    // The names played and the voices asked for so far, in order.
    std::vector<std::string> Played;
    std::vector<QString> Spoken;

private:
    int clipMs_;
};

} // namespace vesrin
