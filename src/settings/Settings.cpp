#include "settings/Settings.h"

#include "base/TextCipher.h"
#include "base/TextFields.h"

namespace vesrin {

Settings::Settings() {
    SetTopTenAddress(*this, kDefaultTopTenAddress);
    SetStatsAddress(*this, kDefaultStatsAddress);
}

void SetTopTenAddress(Settings& settings, std::string_view plain) {
    settings.TopTenAddress = std::string(plain);
    settings.TopTenAddressStored = EncipherText(plain, kSettingsAddressKey);
}

void SetStatsAddress(Settings& settings, std::string_view plain) {
    settings.StatsAddress = std::string(plain);
    settings.StatsAddressStored = EncipherText(plain, kSettingsAddressKey);
}

bool IsValidCountryCode(std::string_view code) {
    constexpr int kCountries[] = {48, 51, 35, 14, 23, 54};
    if (code.size() != 5 || code[1] != '-' || code[0] < '1' || code[0] > '6') return false;
    if (!AllDigits(code.substr(2))) return false;
    const int n = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
    return n >= 1 && n <= kCountries[code[0] - '1'];
}

} // namespace vesrin
