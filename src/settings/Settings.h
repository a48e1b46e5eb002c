#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesrin {

// Every user choice of the program, read once at start-up from "Vesrin.ini", changed by
// the options dialog and written back at exit. One object for the whole process, passed
// by reference. Texts are code page 1251 bytes as they stand in the file; window code
// converts them (Cp1251ToUtf8 / Utf8ToCp1251).
//
// The member initialisers are the defaults of a missing or unreadable file.

enum class FontKind { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

struct Settings {
    // General flags (line 2).
    int Language = 0; // 0..9
    bool SoundOn = true;
    bool MusicOn = true;
    bool GifAnimation = true;
    bool CardFlight = true;
    int RankingKind = 1; // main-menu list: 1 score, 2 rating
    bool NetMode = false;
    bool OwnCursor = true;
    int Speed = 4;      // 1..6
    int WindowSize = 1; // 1..5
    bool InstallReported = true;
    bool StatsVoted = true;
    bool RadioListFromServer = true;
    int CaptionScheme = 1; // 1..8
    bool NewButtons = false;
    bool AuxDesignPurple = false;
    int AuxDesign = 2;   // 1..3
    int MenuDesign = 1;  // 1 or 2
    int TableDesign = 1; // 1 or 2
    bool ClickEffectButtons = false;
    bool ClickEffectCards = false;

    int FaceSet = 0; // 0..47
    int BackSet = 0; // 0..12
    bool BackFixed = false;

    // Rule options (line 8).
    bool ShootMoon = true;
    bool Limit50 = false;
    bool ShowHandsAtEnd = true;

    // Indexed by FontKind.
    std::array<std::string, 4> FontName = {"Comic Sans MS", "Comic Sans MS", "FixedSys", "Courier New"};
    std::array<int, 4> FontPercent = {100, 100, 100, 100}; // 50..150

    std::string LastAddress = "127.0.0.1";
    std::string LastPort = "25666";

    int BackgroundNo = 2;   // 1..10
    int BackgroundTint = 0; // 0..6

    std::string DefaultPlayerName = "Mr.X";

    // World top ten identity and the two service addresses, each address both as stored
    // (enciphered) and plain.
    std::string TopTenAddressStored;
    std::string TopTenAddress;
    std::string TopTenNick = "Incognito"; // at most 12 characters
    std::string TopTenCountry = "1-001";
    std::string TopTenCity = "Moscow"; // at most 15 characters
    char TopTenSex = 'M';              // 'M' or 'W'
    std::string StatsAddressStored;
    std::string StatsAddress;

    bool SaveGif = false;
    int SaveGifArea = 1;     // 1 main window only, 2 whole screen
    int SaveGifDelay = 1000; // ms, 10..5000

    Settings();
    bool operator==(const Settings&) const = default;
};

// Start key of the addresses kept in the settings file.
inline constexpr std::uint16_t kSettingsAddressKey = 24379;

// The built-in service addresses (plain form). They name the game web service of this
// deployment; the remote configuration may replace them at start-up.
inline constexpr std::string_view kDefaultTopTenAddress = "http://127.0.0.1:8042/worldtop";
inline constexpr std::string_view kDefaultStatsAddress = "http://127.0.0.1:8042/stat";

// Sets both forms of an address from its plain text.
void SetTopTenAddress(Settings& settings, std::string_view plain);
void SetStatsAddress(Settings& settings, std::string_view plain);

// The country-code rule of the world-top-ten identity: "d-nnn" with a region digit 1..6
// and a country number from 1 up to the region's count (48, 51, 35, 14, 23, 54).
bool IsValidCountryCode(std::string_view code);

} // namespace vesrin
