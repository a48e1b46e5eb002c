// The driver of the fuzz harnesses in the ordinary build: feeds every file of the given
// folders (the seed corpus, a crashing input) to LLVMFuzzerTestOneInput, then a number of
// inputs made from them by small random changes. No coverage guidance: that is what the
// libFuzzer build is for; this keeps every harness building and its checks passing on
// any compiler, and replays a single input under a debugger.
//
//   <Name>_replay [--mutations N] [--seed S] FILE_OR_FOLDER...

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputFiles(const std::vector<std::filesystem::path>& roots) {
    std::vector<std::filesystem::path> files;
    for (const auto& root : roots) {
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
        } else {
            files.push_back(root);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool ReadAll(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The input being run, kept for the crash handler.
const std::uint8_t* currentData = nullptr;
std::size_t currentSize = 0;

// On a failed check or a crash the input goes to "replay-crash" in the current folder,
// so that a mutation that found a fault can be replayed and turned into a test.
void SaveInputAndDie(int signal) {
    constexpr char kName[] = "replay-crash";
    const int fd = ::open(kName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        if (currentSize > 0 && ::write(fd, currentData, currentSize) < 0) {
        }
        ::close(fd);
        constexpr char kNote[] = "the failing input is saved as replay-crash\n";
        if (::write(2, kNote, sizeof kNote - 1) < 0) {
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void Run(const std::string& bytes) {
    // A copy of exactly the input's size, so that a read past its end is a read past
    // an allocation (and found by AddressSanitizer when the build has it).
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    currentData = copy.data();
    currentSize = copy.size();
    LLVMFuzzerTestOneInput(copy.data(), copy.size());
    currentData = nullptr;
    currentSize = 0;
}

// Bytes that matter to the program's text formats: line ends, digits, signs, the
// separators and markers of the files, and the upper half of the code page.
constexpr std::string_view kInteresting = "\r\n0123456789-+,.#$}=/ \x8E\xE8\xEB\xC0\xFF\x98";

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::string Mutate(std::string bytes, const std::string& other) {
        const int steps = Below(4) + 1;
        for (int i = 0; i < steps; ++i)
            Step(bytes, other);
        return bytes;
    }

private:
    int Below(std::size_t n) { return n == 0 ? 0 : static_cast<int>(random_() % n); }
    std::size_t Pos(const std::string& bytes) { return static_cast<std::size_t>(Below(bytes.size() + 1)); }
    char AnyByte() {
        return Below(2) == 0 ? kInteresting[static_cast<std::size_t>(Below(kInteresting.size()))]
                             : static_cast<char>(Below(256));
    }

    void Step(std::string& bytes, const std::string& other) {
        const std::size_t at = Pos(bytes);
        switch (Below(7)) {
        case 0: // change one byte
            if (at < bytes.size()) bytes[at] = AnyByte();
            break;
        case 1: // flip one bit
            if (at < bytes.size()) bytes[at] = static_cast<char>(bytes[at] ^ (1 << Below(8)));
            break;
        case 2: // insert bytes
            bytes.insert(at, static_cast<std::size_t>(Below(4) + 1), AnyByte());
            break;
        case 3: // erase a stretch
            bytes.erase(at, static_cast<std::size_t>(Below(16) + 1));
            break;
        case 4: // cut the end off
            bytes.resize(at);
            break;
        case 5: { // repeat a stretch
            const std::string piece = bytes.substr(at, static_cast<std::size_t>(Below(64) + 1));
            bytes.insert(Pos(bytes), piece);
            break;
        }
        default: { // splice in a stretch of another input
            const std::size_t from = Pos(other);
            bytes.insert(at, other.substr(from, static_cast<std::size_t>(Below(128) + 1)));
            break;
        }
        }
    }

    std::mt19937 random_;
};

} // namespace

int main(int argc, char** argv) {
    long mutations = 0;
    std::uint32_t seed = 20;
    std::vector<std::filesystem::path> roots;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--mutations" || arg == "--seed") && i + 1 < argc) {
            const long value = std::strtol(argv[++i], nullptr, 10);
            if (arg == "--mutations") mutations = value;
            else seed = static_cast<std::uint32_t>(value);
        } else {
            roots.emplace_back(arg);
        }
    }

    for (const int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, SaveInputAndDie);

    std::vector<std::string> inputs;
    for (const auto& file : InputFiles(roots)) {
        std::string bytes;
        if (!ReadAll(file, bytes)) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        std::fprintf(stderr, "input %s (%zu bytes)\n", file.c_str(), bytes.size());
        Run(bytes);
        inputs.push_back(std::move(bytes));
    }
    if (inputs.empty()) inputs.emplace_back();

    Mutator mutator(seed);
    std::mt19937 pick(seed + 1);
    for (long i = 0; i < mutations; ++i) {
        const std::string& base = inputs[pick() % inputs.size()];
        const std::string& other = inputs[pick() % inputs.size()];
        Run(mutator.Mutate(base, other));
    }
    std::fprintf(stderr, "%zu inputs and %ld mutations ran without a failure\n", inputs.size(), mutations);
    return 0;
}
