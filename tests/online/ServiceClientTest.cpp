#include "ServiceFixture.h"

#include "online/ServiceAddresses.h"
#include "online/ServiceClient.h"
#include "online/ServiceReplies.h"

#include <QHostAddress>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

std::string Base(quint16 port) { return "http://127.0.0.1:" + std::to_string(port); }

TEST(ServiceClient, RequestsReachTheRealServiceInBothStyles) {
    test::ServiceProcess service;
    ASSERT_TRUE(service.Started());
    const std::string base = Base(service.Port());
    ServiceClient client;

    // An unknown account: the service answers and refuses.
    const ServiceReply read = client.Send(base + "/account", AccountRead("Nobody", "secret"));
    ASSERT_TRUE(read.Connected);
    EXPECT_TRUE(HasMarker(read.Body, kMarkerNo));

    // The body style sends the account record as it is.
    const ServiceReply created =
        client.Send(base + "/account", AccountCreate({"Alice", "secret1", "Paris", "France", "1-015", 'W', "a@b.c", "11.12.2026"}));
    ASSERT_TRUE(created.Connected);
    EXPECT_TRUE(HasMarker(created.Body, kMarkerOk));

    // The field style, percent-encoded by the client.
    const ServiceReply fields = client.ServicePostFields(base + "/account", AccountRead("Alice", "secret1").Fields);
    ASSERT_TRUE(fields.Connected);
    EXPECT_TRUE(HasMarker(fields.Body, kMarkerOk));
    EXPECT_EQ(test::LeadingFields(RecordAfterDollar(fields.Body), 2), (test::Words{"Paris", "France"}));
}

TEST(ServiceClient, TheRemoteConfigurationPointsAtTheServiceItCameFrom) {
    test::ServiceProcess service;
    ASSERT_TRUE(service.Started());
    ServiceClient client;
    ServiceAddresses addresses = BuiltInAddresses();
    const ServiceReply config = client.ServiceGet(Base(service.Port()) + "/config.txt");
    ASSERT_TRUE(config.Connected);
    const RemoteConfigOutcome outcome = ApplyRemoteConfig(addresses, config.Body);
    EXPECT_EQ(outcome.Account, ConfigOutcome::Replaced);
    EXPECT_EQ(PlainAddress(addresses.Account), Base(service.Port()) + "/account");
    EXPECT_EQ(PlainAddress(addresses.TopTen), Base(service.Port()) + "/worldtop");
    EXPECT_EQ(PlainAddress(addresses.Stats), Base(service.Port()) + "/stat");
}

TEST(ServiceClient, FailuresAreNotConnected) {
    test::ServiceProcess service;
    ASSERT_TRUE(service.Started());
    ServiceClient client;
    struct Case {
        const char* name;
        std::string address;
    };
    const Case cases[] = {
        {"nothing listens", Base(test::ClosedPort()) + "/account"},
        {"an HTTP error", Base(service.Port()) + "/no-such-page"},
        {"not an address", "pause"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ServiceReply reply = client.ServiceGet(c.address);
        EXPECT_FALSE(reply.Connected);
        EXPECT_TRUE(reply.Body.empty());
        EXPECT_FALSE(client.ServicePostBody(c.address, "gid=42").Connected);
    }
}

TEST(ServiceClient, ASilentServiceGivesUpAfterTheReadTimeOut) {
    // Accepts connections (the system's backlog does) and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    ServiceClient client;
    EXPECT_EQ(client.ReadTimeout(), ServiceClient::kDefaultReadTimeoutMs);
    client.SetReadTimeout(ServiceClient::kShortReadTimeoutMs);
    const ServiceReply reply = client.ServicePostBody(Base(silent.serverPort()) + "/stat", "gid=42");
    EXPECT_FALSE(reply.Connected);
    // The setting stays on the client.
    EXPECT_EQ(client.ReadTimeout(), ServiceClient::kShortReadTimeoutMs);
}

} // namespace
} // namespace vesrin
