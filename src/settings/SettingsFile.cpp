#include "settings/SettingsFile.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"
#include "base/TextCipher.h"
#include "base/TextFields.h"

#include <optional>
#include <vector>

namespace vesrin {
namespace {

constexpr char kSaveGifOn = '\xE8';
constexpr char kSaveGifOff = '\xEB';

std::optional<int> NumberIn(std::string_view text, int low, int high) {
    const auto value = StrictInt(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return *value;
}

void SetIfValid(int& target, std::string_view text, int low, int high) {
    if (const auto value = NumberIn(text, low, high)) target = *value;
}

// The character at 1-based position pos, or 0 when the text is too short: a position is
// looked at only when the text reaches it.
char At(std::string_view text, std::size_t pos) {
    return text.size() >= pos ? text[pos - 1] : '\0';
}

bool InDigits(char c, char low, char high) {
    return c >= low && c <= high;
}

void ApplyGeneralFlags(Settings& s, std::string_view f) {
    if (const char c = At(f, 1); InDigits(c, '1', '9')) s.Language = c - '0';
    switch (At(f, 2)) {
    case '0':
        s.SoundOn = false, s.MusicOn = false;
        break;
    case '1':
        s.SoundOn = true, s.MusicOn = true;
        break;
    case '2':
        s.SoundOn = true, s.MusicOn = false;
        break;
    case '3':
        s.SoundOn = false, s.MusicOn = true;
        break;
    default:
        break;
    }
    if (At(f, 3) == '0') s.GifAnimation = false;
    if (At(f, 4) == '0') s.CardFlight = false;
    if (f.size() >= 5) s.RankingKind = At(f, 5) == '2' ? 2 : 1;
    if (At(f, 6) == '1') s.NetMode = true;
    if (At(f, 7) == '0') s.OwnCursor = false;
    if (f.size() >= 8) s.Speed = InDigits(At(f, 8), '1', '6') ? At(f, 8) - '0' : 4;
    if (f.size() >= 9) s.WindowSize = InDigits(At(f, 9), '1', '5') ? At(f, 9) - '0' : 1;
    if (f.size() >= 10) s.InstallReported = At(f, 10) == 'R';
    if (f.size() >= 11) s.StatsVoted = At(f, 11) == 'L';
    if (f.size() >= 12) s.RadioListFromServer = At(f, 12) == '0';
    if (f.size() >= 13) SetIfValid(s.CaptionScheme, f.substr(12, 1), 1, 8);
    if (f.size() >= 14) s.NewButtons = At(f, 14) == '1';
    if (f.size() >= 15) s.AuxDesignPurple = At(f, 15) == '1';
    if (f.size() >= 16) s.AuxDesign = InDigits(At(f, 16), '1', '3') ? At(f, 16) - '0' : 2;
    if (const char c = At(f, 17); c == '0' || c == '1') s.MenuDesign = c == '1' ? 2 : 1;
    if (const char c = At(f, 18); c == '0' || c == '1') s.TableDesign = c == '1' ? 2 : 1;
    if (const char c = At(f, 19); c == '0' || c == '1') s.ClickEffectButtons = c == '1';
    if (const char c = At(f, 20); c == '0' || c == '1') s.ClickEffectCards = c == '1';
}

void ApplyRuleOptions(Settings& s, std::string_view r) {
    if (At(r, 1) == '0') s.ShootMoon = false;
    if (At(r, 2) == '1') s.Limit50 = true;
    s.ShowHandsAtEnd = At(r, 3) == '1';
}

std::optional<std::string> Deciphered(std::string_view stored) {
    if (stored.empty()) return std::nullopt;
    return DecipherText(stored, kSettingsAddressKey);
}

// Lines 10 to 35, read as a chain that stops at the first line too short to hold its
// value; everything after it keeps its default.
void ApplyChain(Settings& s, const std::vector<std::string_view>& lines) {
    const auto line = [&](int n) { return lines[static_cast<std::size_t>(n - 1)]; };
    for (int k = 0; k < 4; ++k) {
        if (line(10 + k).size() <= 1) return;
        s.FontName[static_cast<std::size_t>(k)] = std::string(line(10 + k));
    }
    for (int k = 0; k < 4; ++k) {
        if (line(14 + k).empty()) return;
        SetIfValid(s.FontPercent[static_cast<std::size_t>(k)], line(14 + k), 50, 150);
    }
    if (line(18).empty() || line(19).empty()) return;
    s.LastAddress = std::string(line(19));
    if (line(20).empty()) return;
    s.LastPort = std::string(line(20));
    if (line(21).empty() || line(22).empty()) return;
    // Background 0 is the plain window colour without a picture.
    SetIfValid(s.BackgroundNo, line(22).substr(0, 2), 0, 10);
    if (line(22).size() >= 3) SetIfValid(s.BackgroundTint, line(22).substr(2, 1), 0, 6);
    if (line(23).empty() || line(24).empty()) return;
    s.DefaultPlayerName = std::string(line(24));

    // The world-top-ten values start from their defaults here, and a fresh record holds
    // them already.
    if (line(26).empty()) return;
    if (const auto plain = Deciphered(line(26))) {
        s.TopTenAddressStored = std::string(line(26));
        s.TopTenAddress = *plain;
    }
    if (line(27).empty()) return;
    s.TopTenNick = std::string(line(27).substr(0, 12));
    if (line(28).size() != 5) return;
    if (IsValidCountryCode(line(28))) s.TopTenCountry = std::string(line(28));
    if (line(29).empty()) return;
    s.TopTenCity = std::string(line(29).substr(0, 15));
    if (line(30).empty()) return;
    s.TopTenSex = line(30)[0] == 'W' ? 'W' : 'M';
    if (const auto plain = Deciphered(line(31))) {
        s.StatsAddressStored = std::string(line(31));
        s.StatsAddress = *plain;
    }
    s.SaveGif = line(33) == std::string_view(&kSaveGifOn, 1);
    SetIfValid(s.SaveGifArea, line(34), 1, 2);
    SetIfValid(s.SaveGifDelay, line(35), 10, 5000);
}

char Bit(bool on) {
    return on ? '1' : '0';
}

std::string GeneralFlags(const Settings& s) {
    std::string f(20, '#');
    f[0] = s.Language >= 0 && s.Language <= 9 ? static_cast<char>('0' + s.Language) : '0';
    f[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
    f[2] = Bit(s.GifAnimation);
    f[3] = Bit(s.CardFlight);
    f[4] = s.RankingKind == 2 ? '2' : '1';
    f[5] = Bit(s.NetMode);
    f[6] = Bit(s.OwnCursor);
    f[7] = s.Speed >= 1 && s.Speed <= 6 ? static_cast<char>('0' + s.Speed) : '4';
    f[8] = s.WindowSize >= 1 && s.WindowSize <= 5 ? static_cast<char>('0' + s.WindowSize) : '#';
    f[9] = s.InstallReported ? 'R' : '#';
    f[10] = s.StatsVoted ? 'L' : '#';
    f[11] = s.RadioListFromServer ? '0' : '1';
    f[12] = s.CaptionScheme >= 1 ? std::to_string(s.CaptionScheme)[0] : '1';
    f[13] = Bit(s.NewButtons);
    f[14] = Bit(s.AuxDesignPurple);
    f[15] = s.AuxDesign >= 1 && s.AuxDesign <= 3 ? static_cast<char>('0' + s.AuxDesign) : '1';
    f[16] = Bit(s.MenuDesign == 2);
    f[17] = Bit(s.TableDesign == 2);
    f[18] = Bit(s.ClickEffectButtons);
    f[19] = Bit(s.ClickEffectCards);
    return f;
}

// The back set and background fields: two digits with a leading "0".
std::string TwoDigits(int value) {
    if (value < 0 || value > 99) value = 0;
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

char OneDigit(int value) {
    return value >= 0 && value <= 9 ? static_cast<char>('0' + value) : '0';
}

// A text value as one line: a line break inside it would shift every later line, and a
// value too short for the reading chain would end the next reading there and lose all
// later settings, so such a value is written as its default instead.
std::string TextLine(std::string_view value, std::size_t minimum, std::string_view fallback) {
    std::string line = OneLine(value);
    return line.size() >= minimum ? line : std::string(fallback);
}

} // namespace

Settings ParseSettings(std::string_view fileBytes) {
    Settings s;
    const auto lines = SplitLines(fileBytes);
    if (lines.size() < 35) return s;
    const auto line = [&](int n) { return lines[static_cast<std::size_t>(n - 1)]; };

    ApplyGeneralFlags(s, line(2));
    SetIfValid(s.FaceSet, line(4), 0, 47);
    if (line(6).size() < 3) return s;
    SetIfValid(s.BackSet, line(6).substr(0, 2), 0, 12);
    s.BackFixed = line(6)[2] == '1';
    ApplyRuleOptions(s, line(8));
    ApplyChain(s, lines);
    return s;
}

std::string FormatSettings(const Settings& s) {
    const Settings defaults;
    std::vector<std::string> lines;
    lines.reserve(35);
    lines.push_back("<# General>");
    lines.push_back(GeneralFlags(s));
    lines.push_back("<# Cards>");
    lines.push_back(std::to_string(s.FaceSet));
    lines.push_back("<# Decks>");
    lines.push_back(TwoDigits(s.BackSet) + Bit(s.BackFixed));
    lines.push_back("<# Individual>");
    lines.push_back(std::string{Bit(s.ShootMoon), Bit(s.Limit50), Bit(s.ShowHandsAtEnd)} + "###");
    lines.push_back("<# Fonts>");
    for (std::size_t k = 0; k < 4; ++k)
        lines.push_back(TextLine(s.FontName[k], 2, defaults.FontName[k]));
    for (std::size_t k = 0; k < 4; ++k)
        lines.push_back(std::to_string(s.FontPercent[k]));
    lines.push_back("<# IP & Port>");
    lines.push_back(TextLine(s.LastAddress, 1, defaults.LastAddress));
    lines.push_back(TextLine(s.LastPort, 1, defaults.LastPort));
    lines.push_back("<# Background>");
    lines.push_back(TwoDigits(s.BackgroundNo) + OneDigit(s.BackgroundTint));
    lines.push_back("<# Name Of Player>");
    lines.push_back(TextLine(s.DefaultPlayerName, 1, defaults.DefaultPlayerName));
    lines.push_back("<# World Top Ten>");
    lines.push_back(TextLine(s.TopTenAddressStored, 1, defaults.TopTenAddressStored));
    lines.push_back(TextLine(s.TopTenNick, 1, defaults.TopTenNick));
    lines.push_back(IsValidCountryCode(s.TopTenCountry) ? s.TopTenCountry : defaults.TopTenCountry);
    lines.push_back(TextLine(s.TopTenCity, 1, defaults.TopTenCity));
    lines.push_back(std::string(1, s.TopTenSex == 'W' ? 'W' : 'M'));
    lines.push_back(TextLine(s.StatsAddressStored, 1, defaults.StatsAddressStored));
    lines.push_back("<# Save Games as GIF>");
    lines.push_back(std::string(1, s.SaveGif ? kSaveGifOn : kSaveGifOff));
    lines.push_back(std::to_string(s.SaveGifArea));
    lines.push_back(std::to_string(s.SaveGifDelay));
    return JoinCrLfLines(lines);
}

Settings ReadSettings(const std::filesystem::path& file) {
    auto bytes = ReadFileBytes(file);
    if (!bytes) bytes = ReadFileBytes(file);
    return bytes ? ParseSettings(*bytes) : Settings{};
}

bool WriteSettings(const std::filesystem::path& file, const Settings& settings, RecordsState records,
                   MessageSink& messages) {
    if (records == RecordsState::Unusable) return false;
    const std::string bytes = FormatSettings(settings);
    if (ReplaceFileContents(file, bytes) == WriteStatus::Ok ||
        ReplaceFileContents(file, bytes) == WriteStatus::Ok) {
        return true;
    }
    messages.ShowError(kCantSaveOptions);
    return false;
}

} // namespace vesrin
