#include "base/TextCipher.h"
#include "online/RemoteConfig.h"
#include "online/ServiceAddresses.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

struct Named {
    const char* name;
    const StoredAddress ServiceAddresses::*member;
    const char* path;
};
const Named kAll[] = {
    {"account", &ServiceAddresses::Account, "/account"},
    {"top ten", &ServiceAddresses::TopTen, "/worldtop"},
    {"statistics", &ServiceAddresses::Stats, "/stat"},
    {"avatar pictures", &ServiceAddresses::AvatarBase, "/avatars/"},
    {"avatar upload", &ServiceAddresses::AvatarUpload, "/avatars"},
    {"tournament", &ServiceAddresses::Tour, "/tour"},
    {"news", &ServiceAddresses::News, "/news.html"},
    {"public address", &ServiceAddresses::PublicIp, "/get_ip.php"},
    {"remote configuration", &ServiceAddresses::RemoteConfig, "/config.txt"},
    {"start text", &ServiceAddresses::StartText, "/start.txt"},
};

TEST(ServiceAddresses, BuiltInOnesNameTheLocalServiceAndAreKeptEnciphered) {
    const ServiceAddresses a = BuiltInAddresses();
    for (const Named& n : kAll) {
        SCOPED_TRACE(n.name);
        const StoredAddress& stored = a.*n.member;
        EXPECT_EQ(PlainAddress(stored), std::string("http://127.0.0.1:8042") + n.path);
        EXPECT_EQ(stored.Enciphered.find("127.0.0.1"), std::string::npos);
    }
    EXPECT_TRUE(a.TopTenOn);
    EXPECT_TRUE(a.ChatOn);
}

TEST(ServiceAddresses, TheEnvironmentBaseReplacesThemAll) {
    const ServiceAddresses a = StartAddresses("http://192.168.1.5:9000/");
    for (const Named& n : kAll) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(PlainAddress(a.*n.member), std::string("http://192.168.1.5:9000") + n.path);
    }
    EXPECT_EQ(StartAddresses(nullptr), BuiltInAddresses());
    EXPECT_EQ(StartAddresses(""), BuiltInAddresses());
}

TEST(ServiceAddresses, RemoteConfigurationReplacesPausesOrKeeps) {
    const std::string base = "http://10.0.0.7:8042";
    const std::string full = ConfigEntry(kConfigAccountPath, EncipherText(base + "/account", kRemoteConfigKey)) +
                             ConfigEntry(kConfigTopTenPath, EncipherText(base + "/worldtop", kRemoteConfigKey)) +
                             ConfigEntry(kConfigStatsPath, EncipherText(base + "/stat", kRemoteConfigKey)) + "\r\n";
    struct Case {
        const char* name;
        std::string text;
        ConfigOutcome account, topTen, stats;
        bool topTenOn, chatOn;
    };
    const Case cases[] = {
        {"all three replaced", full, ConfigOutcome::Replaced, ConfigOutcome::Replaced, ConfigOutcome::Replaced, true, true},
        {"empty text keeps the old ones", "", ConfigOutcome::Old, ConfigOutcome::Old, ConfigOutcome::Old, true, true},
        {"a value that does not decipher is old", "AccPath=***#StatPath=#", ConfigOutcome::Old, ConfigOutcome::Old,
         ConfigOutcome::Old, true, true},
        {"top ten paused", full + ConfigEntry(kConfigTopTenPause, "1"), ConfigOutcome::Replaced, ConfigOutcome::Paused,
         ConfigOutcome::Replaced, false, true},
        {"chat paused", full + ConfigEntry(kConfigChatPause, "1"), ConfigOutcome::Replaced, ConfigOutcome::Replaced,
         ConfigOutcome::Replaced, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceAddresses a = BuiltInAddresses();
        const RemoteConfigOutcome outcome = ApplyRemoteConfig(a, c.text);
        EXPECT_EQ(outcome.Account, c.account);
        EXPECT_EQ(outcome.TopTen, c.topTen);
        EXPECT_EQ(outcome.Stats, c.stats);
        EXPECT_EQ(a.TopTenOn, c.topTenOn);
        EXPECT_EQ(a.ChatOn, c.chatOn);
        EXPECT_EQ(PlainAddress(a.Account), outcome.Account == ConfigOutcome::Replaced ? base + "/account"
                                                                                       : "http://127.0.0.1:8042/account");
        if (c.topTen == ConfigOutcome::Paused) {
            EXPECT_EQ(PlainAddress(a.TopTen), kPausedAddress);
        }
        // The addresses the configuration does not name stay as they were.
        EXPECT_EQ(PlainAddress(a.Tour), "http://127.0.0.1:8042/tour");
    }
}

} // namespace
} // namespace vesrin
