#include "ServiceFixture.h"

#include "base/TextCipher.h"
#include "online/RemoteConfig.h"
#include "online/ServiceReplies.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>

namespace vesrin::test {
namespace {

using ::vesrin::HasMarker;

TEST_P(ServiceTest, ConfigurationNewsAndTheOperatorsSwitches) {
    const HttpReply config = Service().Get("/config.txt");
    ASSERT_EQ(config.Status, 200);
    const std::string host = Service().Get("/get_ip.php").Body;
    EXPECT_EQ(host, "127.0.0.1");
    const struct {
        std::string_view key;
        const char* path;
    } addresses[] = {{kConfigAccountPath, "/account"}, {kConfigTopTenPath, "/worldtop"}, {kConfigStatsPath, "/stat"}};
    for (const auto& a : addresses) {
        SCOPED_TRACE(std::string(a.key));
        const auto value = ConfigValue(config.Body, a.key);
        ASSERT_TRUE(value);
        const auto plain = DecipherText(*value, kRemoteConfigKey);
        ASSERT_TRUE(plain);
        EXPECT_EQ(plain->substr(0, 17), "http://127.0.0.1:");
        EXPECT_EQ(plain->substr(plain->size() - std::string(a.path).size()), a.path);
    }
    EXPECT_FALSE(ConfigValue(config.Body, kConfigTopTenPause));
    EXPECT_FALSE(ConfigValue(config.Body, kConfigChatPause));
    EXPECT_NE(Service().Get("/news.html").Body.find("QorNews00000"), std::string::npos);

    ASSERT_EQ(Service().Admin({"news", "A new card back QorNews99999"}), 0);
    ASSERT_EQ(Service().Admin({"pause", "chat"}), 0);
    const std::string news = Service().Get("/news.html").Body;
    EXPECT_LT(news.find("QorNews00001"), news.find("QorNews99999")) << "the number comes before the text";
    EXPECT_TRUE(ConfigValue(Service().Get("/config.txt").Body, kConfigChatPause));
    WorldResultValues post;
    post.Gid = 100;
    post.Nick = "Anna";
    post.City = "Paris";
    post.R10 = "hello";
    EXPECT_FALSE(NumberAfterLastDollar(World(WorldResultSend(post)))) << "posting to a paused chat";
    ASSERT_EQ(Service().Admin({"resume", "chat"}), 0);
    EXPECT_TRUE(NumberAfterLastDollar(World(WorldResultSend(post))));

    const std::string start = Service().Get("/start.txt").Body;
    EXPECT_EQ(ConfigValue(start, "NewsVesrin5.3"), "N");
    EXPECT_TRUE(ConfigValue(start, "DownLoad_Link_Vesrin"));

    CreateAccount("Anna", "secret1");
    ASSERT_EQ(Service().Admin({"remove-account", "Anna"}), 0);
    EXPECT_TRUE(HasMarker(Account(AccountRead("Anna", "secret1")), "no"));
    EXPECT_NE(Service().Admin({"remove-account", "Anna"}), 0);
}

TEST_P(ServiceTest, AvatarsNeedThePasswordAndAJpeg) {
    CreateAccount("Nokia_is_ok", "secret1");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "JPG"));
    const std::string jpeg = buffer.data().toStdString();
    const auto upload = [&](const std::string& query, const std::string& body) {
        return Service().Raw("POST /avatars?" + query + " HTTP/1.1\r\nHost: x\r\nContent-Type: image/jpeg\r\n"
                             "Connection: close\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
    };
    EXPECT_EQ(upload("nick=Nokia_is_ok&pw=wrong11", jpeg).Status, 403);
    EXPECT_EQ(upload("nick=Nokia_is_ok&pw=secret1", "not a picture at all").Status, 400);
    EXPECT_EQ(upload("nick=Nokia_is_ok&pw=secret1", std::string(300 * 1024, 'x')).Status, 413);
    EXPECT_EQ(Service().Get("/avatars/Nokia_is_ok.jpg").Status, 404);
    EXPECT_EQ(upload("nick=Nokia_is_ok&pw=secret1", jpeg).Status, 200);
    const HttpReply got = Service().Get("/avatars/Nokia_is_ok.jpg");
    EXPECT_EQ(got.Status, 200);
    EXPECT_EQ(got.Headers.at("content-type"), "image/jpeg");
    EXPECT_EQ(got.Body, jpeg);
    EXPECT_EQ(Service().Get("/avatars/..%2Fservice.sqlite").Status, 404);
}

TEST(ServiceSite, DownloadsAndSongsAreServedSafelyWithRanges) {
    ServiceProcess service;
    ASSERT_TRUE(service.Started());
    namespace fs = std::filesystem;
    fs::create_directories(service.DataDir() / "downloads/progr/cards");
    fs::create_directories(service.DataDir() / "musik");
    std::string song;
    for (int i = 0; i < 300000; ++i) song += static_cast<char>('a' + i % 26);
    WriteBytes(service.DataDir() / "musik/Some_Artist~A_Song.mp3", song);
    WriteBytes(service.DataDir() / "musik/_playlist.html", "Some_Artist~A_Song.mp3\r\n");
    WriteBytes(service.DataDir() / "downloads/progr/cards/QorRadio.rad", "stations");
    WriteBytes(service.DataDir() / "secret.txt", "do not serve");
    fs::create_symlink(service.DataDir() / "secret.txt", service.DataDir() / "musik/link.txt");

    const HttpReply whole = service.Get("/musik/Some_Artist~A_Song.mp3");
    EXPECT_EQ(whole.Status, 200);
    EXPECT_EQ(whole.Headers.at("content-type"), "audio/mpeg");
    EXPECT_EQ(whole.Body, song);
    const HttpReply part = service.Get("/musik/Some_Artist~A_Song.mp3", "Range: bytes=100000-100009\r\n");
    EXPECT_EQ(part.Status, 206);
    EXPECT_EQ(part.Body, song.substr(100000, 10));
    EXPECT_EQ(part.Headers.at("content-range"), "bytes 100000-100009/300000");
    const HttpReply tail = service.Get("/musik/Some_Artist~A_Song.mp3", "Range: bytes=-5\r\n");
    EXPECT_EQ(tail.Body, song.substr(song.size() - 5));
    EXPECT_EQ(service.Get("/musik/Some_Artist~A_Song.mp3", "Range: bytes=400000-\r\n").Status, 416);
    EXPECT_EQ(service.Get("/musik/_playlist.html").Headers.at("content-type"), "text/html; charset=utf-8");
    EXPECT_EQ(service.Get("/downloads/progr/cards/QorRadio.rad").Body, "stations");

    const char* escapes[] = {"/musik/../secret.txt", "/musik/%2e%2e/secret.txt", "/downloads/..%2Fsecret.txt",
                             "/musik/link.txt", "/musik/", "/downloads/progr", "/musik//etc/passwd"};
    for (const char* path : escapes) {
        SCOPED_TRACE(path);
        const HttpReply reply = service.Get(path);
        EXPECT_EQ(reply.Status, 404);
        EXPECT_EQ(reply.Body.find("do not serve"), std::string::npos);
    }
}

TEST(ServiceSite, PublicPagesShowTheListsEscaped) {
    ServiceProcess service;
    ASSERT_TRUE(service.Started());
    WorldResultValues result;
    result.Nick = "Nokia_is_ok";
    result.City = "<b>Sonora</b>";
    result.Country = "1-000";
    result.Score = 150;
    ASSERT_TRUE(NumberAfterLastDollar(service.Call("/worldtop", WorldResultSend(result)).Body));
    ASSERT_TRUE(StatAccepted(service.Call("/stat", LikeSend(42, "Nokia_is_ok")).Body));
    const HttpReply index = service.Get("/");
    EXPECT_EQ(index.Status, 200);
    EXPECT_NE(index.Body.find("href=\"/top/42\""), std::string::npos);
    const HttpReply list = service.Get("/top/42");
    EXPECT_EQ(list.Headers.at("content-type"), "text/html; charset=utf-8");
    EXPECT_NE(list.Body.find("Nokia is ok"), std::string::npos);
    EXPECT_NE(list.Body.find("&lt;b&gt;Sonora&lt;/b&gt;"), std::string::npos);
    EXPECT_EQ(list.Body.find("<b>Sonora"), std::string::npos);
    EXPECT_NE(service.Get("/stats").Body.find("Nokia is ok"), std::string::npos);
    EXPECT_EQ(service.Get("/nothing-here").Status, 404);
}

TEST(ServiceSite, KeepAliveAnswersEveryRequestOfAConnection) {
    ServiceProcess service;
    ASSERT_TRUE(service.Started());
    const std::string body = EncodeRequest(WorldTopTenRead(42));
    const std::string one = "POST /worldtop HTTP/1.1\r\nHost: x\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    const HttpReply replies = service.Raw(one + one + "GET /get_ip.php HTTP/1.1\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(replies.Status, 200);
    EXPECT_EQ(replies.Headers.at("connection"), "keep-alive");
    // The body of the first reply runs on into the two that follow on the same connection.
    EXPECT_NE(replies.Body.find("HTTP/1.1 200 OK"), std::string::npos);
    EXPECT_NE(replies.Body.find("127.0.0.1"), std::string::npos);
}

TEST(ServiceSite, BehindAProxyTheForwardedAddressCounts) {
    ServiceProcess service({}, {"--rate-limit", "0", "--trust-forwarded-for"});
    ASSERT_TRUE(service.Started());
    EXPECT_EQ(service.Get("/get_ip.php", "X-Forwarded-For: 10.1.2.3, 203.0.113.7\r\n").Body, "203.0.113.7");
    EXPECT_EQ(service.Get("/get_ip.php", "X-Forwarded-For: nonsense\r\n").Body, "127.0.0.1");
    ServiceProcess direct;
    ASSERT_TRUE(direct.Started());
    EXPECT_EQ(direct.Get("/get_ip.php", "X-Forwarded-For: 203.0.113.7\r\n").Body, "127.0.0.1");
}

TEST(ServiceSite, WorkerProcessesShareThePortAndTheDatabase) {
    ServiceProcess service({}, {"--rate-limit", "0", "--workers", "3"});
    ASSERT_TRUE(service.Started());
    ASSERT_EQ(service.Call("/account", AccountCreate({"Anna", "secret1", "Paris", "France", "1-015", 'M', "a@b.c", "1"})).Body,
              "ok");
    // Whichever worker takes a request, it sees what another one stored.
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(service.Call("/account", AccountCreate({"Anna", "secret1", "Paris", "France", "1-015", 'M', "a", "1"})).Body,
                  "is");
        EXPECT_EQ(NumberAfterLastDollar(service.Call("/account", AccountCountRead()).Body), 1);
    }
}

TEST(ServiceSite, EachAddressIsRateLimited) {
    ServiceProcess service({}, {"--rate-limit", "0.5", "--rate-burst", "3"});
    ASSERT_TRUE(service.Started());
    int refused = 0;
    for (int i = 0; i < 5; ++i)
        if (service.Get("/get_ip.php").Status == 429) ++refused;
    EXPECT_GE(refused, 1);
    EXPECT_LE(refused, 2);
}

} // namespace
} // namespace vesrin::test
