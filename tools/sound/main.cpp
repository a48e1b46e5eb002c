// vesrin-sound OUTPUT-FOLDER
// Synthesises the program's sound effects (WAV) and writes its background tune (MIDI)
// into OUTPUT-FOLDER, with sound.qrc for the resource compiler and sound.list (name,
// kind, length) for the manifest check. Resource names are stored lower-cased.

#include "Effects.h"
#include "Midi.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// Writes only when the content differs, so unchanged sounds keep their time stamps; the
// new content goes to a temporary file that is renamed over the old one.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    {
        std::ifstream old(path, std::ios::binary);
        if (old) {
            std::vector<std::uint8_t> current((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
            if (current == data) return true;
        }
    }
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        if (!out) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vesrin-sound OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/vesrin\">\n";
    std::string listing;
    bool ok = true;
    auto add = [&](const std::string& name, const std::string& extension, const std::string& kind,
                   const std::string& size, const std::vector<std::uint8_t>& data) {
        const std::string lower = Lower(name);
        const std::string file = lower + "." + extension;
        if (!WriteFile(folder + "/" + file, data)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            ok = false;
        }
        qrc += "  <file alias=\"" + lower + "\">" + file + "</file>\n";
        listing += name + "\t" + kind + "\t" + size + "\n";
    };
    for (const vesrin::sound::Effect& e : vesrin::sound::MakeEffects())
        add(e.Name, "wav", "wav", std::to_string(int(e.Sound.Seconds() * 1000 + 0.5)) + "ms", e.Sound.Wav(e.Peak));
    add("MidiSong", "mid", "midi", "16bars", vesrin::sound::BackgroundTune());
    qrc += "</qresource>\n</RCC>\n";
    ok = ok && WriteFile(folder + "/sound.qrc", Bytes(qrc)) && WriteFile(folder + "/sound.list", Bytes(listing));
    return ok ? 0 : 1;
}
