#include "online/RemoteConfig.h"

#include "base/TextCipher.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(RemoteConfig, ValuesRunToTheNextHash) {
    const std::string text = "x AccPath=abc#WTGamesPatt=def#CTGamesPause=1#StatPath=ghi";
    EXPECT_EQ(ConfigValue(text, kConfigAccountPath), "abc");
    EXPECT_EQ(ConfigValue(text, kConfigTopTenPath), "def");
    EXPECT_EQ(ConfigValue(text, kConfigStatsPath), "ghi");
    EXPECT_EQ(ConfigValue(text, kConfigChatPause), "1");
    EXPECT_EQ(ConfigValue(text, kConfigTopTenPause), std::nullopt);
    EXPECT_EQ(ConfigValue("AccPath#AccPath=x#", kConfigAccountPath), "x");
}

TEST(RemoteConfig, EnciphersAddressesForTheProgram) {
    const std::string entry = ConfigEntry(kConfigAccountPath, EncipherText("http://h:1/account", kRemoteConfigKey));
    const auto value = ConfigValue(entry, kConfigAccountPath);
    ASSERT_TRUE(value);
    EXPECT_EQ(DecipherText(*value, kRemoteConfigKey), "http://h:1/account");
}

} // namespace
} // namespace vesrin
