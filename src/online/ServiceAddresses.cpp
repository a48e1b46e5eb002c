#include "online/ServiceAddresses.h"

#include "base/TextCipher.h"
#include "online/RemoteConfig.h"

namespace vesrin {

namespace {

StoredAddress BuiltIn(std::string_view enciphered) { return {std::string(enciphered), kBuiltInAddressKey}; }

StoredAddress Under(std::string_view base, std::string_view path) {
    return {EncipherText(std::string(base) + std::string(path), kBuiltInAddressKey), kBuiltInAddressKey};
}

ConfigOutcome ReplaceFrom(StoredAddress& address, std::string_view text, std::string_view key) {
    const auto value = ConfigValue(text, key);
    if (!value || value->empty()) return ConfigOutcome::Old;
    const auto plain = DecipherText(*value, kRemoteConfigKey);
    if (!plain || plain->empty()) return ConfigOutcome::Old;
    address = {*value, kRemoteConfigKey};
    return ConfigOutcome::Replaced;
}

} // namespace

ServiceAddresses BuiltInAddresses() {
    // http://127.0.0.1:8042 followed by each service's path.
    ServiceAddresses a;
    a.Account = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mB2jkbB0oR0");
    a.TopTen = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mAs6o2rH6PGH");
    a.Stats = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mA+rbPw");
    a.AvatarBase = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mB22nj7nSpTs");
    a.AvatarUpload = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mB22nj7nSpQ");
    a.Tour = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mAgByAg");
    a.News = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mBKjkSxmNYUmpQ");
    a.PublicIp = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mBseOiLdgJEDrrQ");
    a.RemoteConfig = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mB9qfcpGLi7Uk3w");
    a.StartText = BuiltIn("BIKoIhaYUzEJo4yEy31+S//9YEc2mA+rbPpJXiovxw");
    return a;
}

ServiceAddresses AddressesUnder(std::string_view base) {
    while (!base.empty() && base.back() == '/') base.remove_suffix(1);
    ServiceAddresses a;
    a.Account = Under(base, "/account");
    a.TopTen = Under(base, "/worldtop");
    a.Stats = Under(base, "/stat");
    a.AvatarBase = Under(base, "/avatars/");
    a.AvatarUpload = Under(base, "/avatars");
    a.Tour = Under(base, "/tour");
    a.News = Under(base, "/news.html");
    a.PublicIp = Under(base, "/get_ip.php");
    a.RemoteConfig = Under(base, "/config.txt");
    a.StartText = Under(base, "/start.txt");
    return a;
}

ServiceAddresses StartAddresses(const char* environmentBase) {
    if (environmentBase == nullptr || *environmentBase == '\0') return BuiltInAddresses();
    return AddressesUnder(environmentBase);
}

std::string PlainAddress(const StoredAddress& address) {
    return DecipherText(address.Enciphered, address.Key).value_or(std::string());
}

RemoteConfigOutcome ApplyRemoteConfig(ServiceAddresses& addresses, std::string_view text) {
    RemoteConfigOutcome outcome;
    outcome.Account = ReplaceFrom(addresses.Account, text, kConfigAccountPath);
    outcome.TopTen = ReplaceFrom(addresses.TopTen, text, kConfigTopTenPath);
    outcome.Stats = ReplaceFrom(addresses.Stats, text, kConfigStatsPath);
    if (ConfigValue(text, kConfigTopTenPause)) {
        addresses.TopTen = {EncipherText(kPausedAddress, kRemoteConfigKey), kRemoteConfigKey};
        addresses.TopTenOn = false;
        outcome.TopTen = ConfigOutcome::Paused;
    }
    if (ConfigValue(text, kConfigChatPause)) addresses.ChatOn = false;
    return outcome;
}

} // namespace vesrin
