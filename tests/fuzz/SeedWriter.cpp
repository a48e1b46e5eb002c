// Writes the seed inputs of the fuzz targets whose files the self-play command does not
// make (the records and history seeds come from "vesrin-selfplay --records" and
// "vesrin-records-install"): settings files as the program writes them, stored service
// addresses and the account password as the cipher makes them, names in code page 1251.
//
//   vesrin_fuzz_seed_writer <tests/fuzz/corpus>

#include "base/Cp1251.h"
#include "base/SafeFile.h"
#include "base/TextCipher.h"
#include "base/TextFields.h"
#include "settings/SettingsFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

bool Write(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (vesrin::ReplaceFileContents(folder / name, bytes) == vesrin::WriteStatus::Ok) return true;
    std::fprintf(stderr, "cannot write %s\n", (folder / name).c_str());
    return false;
}

std::string KeyThen(std::uint16_t key, std::string_view text) {
    std::string bytes{static_cast<char>(key >> 8), static_cast<char>(key & 0xFF)};
    return bytes + std::string(text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    bool ok = true;

    const vesrin::Settings defaults;
    ok &= Write(corpus / "SettingsFile", "defaults.ini", vesrin::FormatSettings(defaults));
    vesrin::Settings changed;
    changed.Language = 2;
    changed.SoundOn = false;
    changed.NetMode = true;
    changed.Speed = 6;
    changed.WindowSize = 5;
    changed.CaptionScheme = 8;
    changed.AuxDesignPurple = true;
    changed.MenuDesign = 2;
    changed.FaceSet = 47;
    changed.BackSet = 12;
    changed.BackFixed = true;
    changed.Limit50 = true;
    changed.FontPercent = {50, 150, 75, 125};
    changed.LastAddress = "192.168.0.17";
    changed.BackgroundNo = 10;
    changed.BackgroundTint = 6;
    changed.DefaultPlayerName = *vesrin::Utf8ToCp1251("Сергей");
    vesrin::SetTopTenAddress(changed, "http://127.0.0.1:8042/wtgames");
    vesrin::SetStatsAddress(changed, "http://10.0.0.2:8042/stat");
    changed.TopTenNick = "Rapid";
    changed.TopTenCountry = "6-054";
    changed.TopTenCity = *vesrin::Utf8ToCp1251("Новосибирск");
    changed.TopTenSex = 'W';
    changed.SaveGif = true;
    changed.SaveGifArea = 2;
    changed.SaveGifDelay = 5000;
    ok &= Write(corpus / "SettingsFile", "changed.ini", vesrin::FormatSettings(changed));

    ok &= Write(corpus / "TextCipher", "topten-address",
                KeyThen(vesrin::kSettingsAddressKey, changed.TopTenAddressStored));
    ok &= Write(corpus / "TextCipher", "stats-address", KeyThen(vesrin::kSettingsAddressKey, changed.StatsAddressStored));
    ok &= Write(corpus / "TextCipher", "password",
                KeyThen(vesrin::kUserPasswordKey, vesrin::EncipherText("secret7", vesrin::kUserPasswordKey)));

    ok &= Write(corpus / "Cp1251", "name-cp1251", changed.DefaultPlayerName);
    ok &= Write(corpus / "Cp1251", "name-utf8", "Новосибирск Mr.X №1 «ёЁ»");
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    ok &= Write(corpus / "Cp1251", "every-byte", everyByte);

    ok &= Write(corpus / "TextFields", "rating", vesrin::CommaFixed(1234.567891, 6));
    ok &= Write(corpus / "TextFields", "games", "   -2147483648");
    ok &= Write(corpus / "TextFields", "score", "  4711");
    return ok ? 0 : 1;
}
