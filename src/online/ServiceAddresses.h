#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesrin {

// Where the game web service answers. Every address is kept enciphered with the string
// cipher and deciphered just before use: the built-in ones under kBuiltInAddressKey, the
// ones the remote configuration sends under kRemoteConfigKey.
inline constexpr std::uint16_t kBuiltInAddressKey = 27749;

// The environment variable that names a service base address ("http://host:port"); it
// replaces every built-in address, so a LAN or public service needs no rebuild.
inline constexpr const char* kServiceEnvironmentVariable = "VESRIN_SERVICE";

// What the statistics and top ten addresses hold while the service switched them off.
inline constexpr std::string_view kPausedAddress = "pause";

struct StoredAddress {
    std::string Enciphered;
    std::uint16_t Key = kBuiltInAddressKey;
    bool operator==(const StoredAddress&) const = default;
};

struct ServiceAddresses {
    StoredAddress Account;      // every account request
    StoredAddress TopTen;       // world top ten reads and posts, the web chat
    StoredAddress Stats;        // the statistics counters
    StoredAddress AvatarBase;   // followed by the nick and ".jpg"
    StoredAddress AvatarUpload; // POST of the player's own picture
    StoredAddress Tour;         // table registry and tournament
    StoredAddress News;         // the news page
    StoredAddress PublicIp;     // the caller's public address
    StoredAddress RemoteConfig; // the configuration text read at start
    StoredAddress StartText;    // the start announcement and download addresses
    bool TopTenOn = true;
    bool ChatOn = true;
    bool operator==(const ServiceAddresses&) const = default;
};

// The addresses built into the program (a service on this machine).
ServiceAddresses BuiltInAddresses();

// Every address under one base address ("http://host:port", a trailing "/" ignored).
ServiceAddresses AddressesUnder(std::string_view base);

// The built-in addresses, or those under the base address an environment variable
// gives (nullptr or empty: the built-in ones).
ServiceAddresses StartAddresses(const char* environmentBase);

// The plain address; empty when the stored text does not decipher.
std::string PlainAddress(const StoredAddress& address);

// What one key of the remote configuration did to its address: replaced by the text's
// value, kept ("old": missing key or a value that does not decipher), or paused.
enum class ConfigOutcome { Replaced, Old, Paused };

struct RemoteConfigOutcome {
    ConfigOutcome Account = ConfigOutcome::Old;
    ConfigOutcome TopTen = ConfigOutcome::Old;
    ConfigOutcome Stats = ConfigOutcome::Old;
};

// Applies a fetched configuration text (UTF-8) to the addresses.
RemoteConfigOutcome ApplyRemoteConfig(ServiceAddresses& addresses, std::string_view text);

} // namespace vesrin
