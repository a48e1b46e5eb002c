#include "ServiceFixture.h"

#include "base/FileBytes.h"
#include "base/TextCipher.h"
#include "online/OnlineAccount.h"
#include "online/OnlineStatistics.h"
#include "online/ServiceReplies.h"
#include "online/UserFile.h"

#include <QBuffer>
#include <QHostAddress>
#include <QImage>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

QorUser NewUser(const std::string& nick, const std::string& pw) {
    QorUser user;
    user.Nick = nick;
    user.Pw = pw;
    user.City = "Paris";
    user.Country1 = "France";
    user.Country2 = "1-015";
    user.Sex = 'W';
    user.EMail = "a@b.c";
    user.DateR = "11.12.2026";
    user.R01 = user.R02 = user.R03 = "xxx";
    return user;
}

// Two copies of the program installed side by side share the parent folder.
struct SiblingFolders {
    test::TempFolder parent;
    std::filesystem::path first = parent / "GameOne";
    std::filesystem::path second = parent / "GameTwo";
    SiblingFolders() {
        std::filesystem::create_directories(first);
        std::filesystem::create_directories(second);
    }
};

class OnlineAccountTest : public ::testing::Test {
protected:
    void SetUp() override {
        service_ = std::make_unique<test::ServiceProcess>();
        ASSERT_TRUE(service_->Started());
        addresses_ = AddressesUnder("http://127.0.0.1:" + std::to_string(service_->Port()));
    }
    std::string StatsAddress() const { return PlainAddress(addresses_.Stats); }
    // Starts, unique starts, likes, last like and the twelve game counters.
    test::Words Statistics() {
        const ServiceReply reply = client_.Send(StatsAddress(), StatisticsRead(kServiceGameId));
        EXPECT_TRUE(reply.Connected);
        const auto records = test::OwnedRecords(reply.Body, 1);
        return records.empty() ? test::Words{} : test::LeadingFields(records[0], 16);
    }

    std::unique_ptr<test::ServiceProcess> service_;
    ServiceAddresses addresses_;
    ServiceClient client_;
};

TEST_F(OnlineAccountTest, CreateSignInSaveAndSignInSilentlyFromASiblingProgram) {
    AccountService accounts(client_, addresses_);
    ASSERT_EQ(accounts.Create(NewUser("Alice", "open-sesame")), CreateResult::Created);
    EXPECT_EQ(accounts.Create(NewUser("Alice", "other12")), CreateResult::NickExists);

    OnlineAccount wrong;
    EXPECT_FALSE(accounts.SignIn(wrong, "Alice", "not-it"));
    EXPECT_EQ(wrong.State, AccountState::SignedOut);

    OnlineAccount account;
    ASSERT_TRUE(accounts.SignIn(account, "Alice", "open-sesame"));
    EXPECT_EQ(account.State, AccountState::SignedIn);
    EXPECT_EQ(account.User.City, "Paris");
    EXPECT_EQ(account.User.Country2, "1-015");
    EXPECT_EQ(account.User.Sex, 'W');

    SiblingFolders folders;
    // The first copy saves the account in the shared parent folder.
    ASSERT_TRUE(SaveAccountToUserFile(account, folders.first.parent_path()));
    ASSERT_TRUE(std::filesystem::exists(folders.parent / "QorUser.qor"));

    // The second copy starts and finds it.
    OnlineAccount atStart;
    AccountService fresh(client_, addresses_);
    ASSERT_TRUE(SignInAtStart(fresh, atStart, folders.second.parent_path()));
    EXPECT_EQ(atStart.State, AccountState::SignedIn);
    EXPECT_EQ(atStart.User.Nick, "Alice");
    EXPECT_EQ(atStart.User.City, "Paris");
    EXPECT_EQ(DecipherText(atStart.User.PwC, kUserPasswordKey), "open-sesame");
}

TEST_F(OnlineAccountTest, ARememberedPasswordWithABlankIsSentWithAHyphen) {
    AccountService accounts(client_, addresses_);
    ASSERT_EQ(accounts.Create(NewUser("Boris", "ab-cd-ef")), CreateResult::Created);
    test::TempFolder parent;
    ASSERT_EQ(WriteUserFile(parent.Path(), {"Boris", EncipherText("ab cd#ef", kUserPasswordKey)}), WriteStatus::Ok);
    OnlineAccount account;
    EXPECT_TRUE(SignInAtStart(accounts, account, parent.Path()));
    EXPECT_EQ(account.State, AccountState::SignedIn);
}

TEST_F(OnlineAccountTest, WithoutAUserFileOrWithADamagedOneNobodySignsIn) {
    AccountService accounts(client_, addresses_);
    test::TempFolder parent;
    OnlineAccount account;
    EXPECT_FALSE(SignInAtStart(accounts, account, parent.Path()));
    test::WriteBytes(parent / "QorUser.qor", "Qor User File\r\nAlice\r\n!!not base64!!\r\n");
    EXPECT_FALSE(SignInAtStart(accounts, account, parent.Path()));
    EXPECT_EQ(account.State, AccountState::SignedOut);
}

TEST_F(OnlineAccountTest, StatisticsCountALocalGameALikeAndTheStarts) {
    EXPECT_TRUE(SendGameStatistics(client_, StatsAddress(), {false, false, false, true, -12}));
    EXPECT_TRUE(SendLike(client_, StatsAddress(), "Alice"));
    EXPECT_EQ(Statistics(), (test::Words{"0", "0", "1", "Alice", "1", "1", "0", "12", "0", "0", "0", "0", "0", "0", "0", "0"}));

    bool installReported = false;
    int saves = 0;
    const auto save = [&saves] { ++saves; };
    // Another distribution does not count its starts.
    EXPECT_FALSE(CountStart(client_, StatsAddress(), "xyz", installReported, save));
    EXPECT_EQ(saves, 0);
    // The first start of an installation counts it as unique; the next ones do not.
    EXPECT_TRUE(CountStart(client_, StatsAddress(), kCountingDistribution, installReported, save));
    EXPECT_TRUE(installReported);
    EXPECT_TRUE(CountStart(client_, StatsAddress(), kCountingDistribution, installReported, save));
    EXPECT_EQ(saves, 2);
    const test::Words counted = Statistics();
    ASSERT_GE(counted.size(), 2u);
    EXPECT_EQ((test::Words{counted[0], counted[1]}), (test::Words{"2", "1"}));
}

TEST_F(OnlineAccountTest, WithTheServiceStoppedNothingIsLostAndNothingIsCounted) {
    // First a remembered account, while the service runs.
    AccountService accounts(client_, addresses_);
    ASSERT_EQ(accounts.Create(NewUser("Alice", "open-sesame")), CreateResult::Created);
    OnlineAccount account;
    ASSERT_TRUE(accounts.SignIn(account, "Alice", "open-sesame"));
    test::TempFolder parent;
    ASSERT_TRUE(SaveAccountToUserFile(account, parent.Path()));
    const auto before = ReadFileBytes(parent / "QorUser.qor");

    service_.reset();
    const ServiceAddresses gone = AddressesUnder("http://127.0.0.1:" + std::to_string(test::ClosedPort()));
    AccountService offline(client_, gone);
    OnlineAccount atStart;
    EXPECT_FALSE(SignInAtStart(offline, atStart, parent.Path()));
    EXPECT_EQ(atStart.State, AccountState::SignedOut);
    EXPECT_EQ(ReadFileBytes(parent / "QorUser.qor"), before) << "the remembered account stays";
    EXPECT_EQ(offline.Create(NewUser("Boris", "secret1")), CreateResult::Failed);
    EXPECT_FALSE(offline.ReadGame(account));

    const std::string stats = PlainAddress(gone.Stats);
    EXPECT_FALSE(SendGameStatistics(client_, stats, {false, false, false, false, 5}));
    EXPECT_FALSE(SendLike(client_, stats, "Alice"));
    bool installReported = false;
    int saves = 0;
    EXPECT_FALSE(CountStart(client_, stats, kCountingDistribution, installReported, [&saves] { ++saves; }));
    EXPECT_FALSE(installReported) << "the unique start is reported again next time";
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(client_.ServiceGet(stats).Connected);
}

} // namespace
} // namespace vesrin

namespace vesrin {
namespace {

class AccountGameOnServiceTest : public OnlineAccountTest {
protected:
    void SetUp() override {
        OnlineAccountTest::SetUp();
        if (HasFatalFailure()) return;
        accounts_ = std::make_unique<AccountService>(client_, addresses_);
        ASSERT_EQ(accounts_->Create(NewUser("Alice", "open-sesame")), CreateResult::Created);
        ASSERT_TRUE(accounts_->SignIn(account_, "Alice", "open-sesame", true));
        ASSERT_EQ(account_.State, AccountState::PlayingForAccount);
    }
    QorGame Stored() {
        OnlineAccount copy = account_;
        EXPECT_TRUE(accounts_->ReadGame(copy));
        return copy.Game;
    }

    std::unique_ptr<AccountService> accounts_;
    OnlineAccount account_;
};

TEST_F(AccountGameOnServiceTest, ABookedGameCountsAsALossUntilItIsSettled) {
    QorGame start;
    start.Kon = 9;
    start.Rating = 5.0;
    start.KonL = 4;
    start.Score = 33;
    ASSERT_TRUE(accounts_->SaveGame(account_, start));

    ASSERT_TRUE(accounts_->BookGame(account_));
    const QorGame booked = Stored();
    EXPECT_EQ(booked.Kon, 10);
    EXPECT_NEAR(booked.Rating, -15.405, 1e-9);
    EXPECT_EQ(booked.KonL, 0);
    // The program keeps the cycle it is playing.
    EXPECT_EQ(account_.Game.Kon, 9);
    EXPECT_EQ(account_.Game.KonL, 4);
    EXPECT_EQ(account_.Game.Score, 33);

    ASSERT_TRUE(accounts_->SettleGame(account_, 10, 45));
    const QorGame settled = Stored();
    EXPECT_EQ(settled.Kon, 10);
    EXPECT_NEAR(settled.Rating, 5.595, 1e-9);
    EXPECT_EQ(settled.KonL, 5);
    EXPECT_EQ(settled.Score, 45);
    EXPECT_EQ(account_.Game.KonL, 5);
}

TEST_F(AccountGameOnServiceTest, TheTwentiethGameClosesTheCycleOnTheService) {
    QorGame start;
    start.Kon = 19;
    start.KonL = 19;
    start.Score = 70;
    start.Best = 50;
    ASSERT_TRUE(accounts_->SaveGame(account_, start));
    ASSERT_TRUE(accounts_->BookGame(account_));
    ASSERT_TRUE(accounts_->SettleGame(account_, -3, 80));
    const QorGame closed = Stored();
    EXPECT_EQ(closed.Kon, 20);
    EXPECT_EQ(closed.Sessions, 1);
    EXPECT_EQ(closed.KonL, 0);
    EXPECT_EQ(closed.Score, 0);
    EXPECT_EQ(closed.Best, 80);
}

TEST_F(AccountGameOnServiceTest, WithoutTheServiceNoGameIsBookedAndNothingSettledIsLost) {
    ASSERT_TRUE(accounts_->BookGame(account_));
    const QorGame kept = account_.Game;
    service_.reset();
    EXPECT_FALSE(accounts_->SettleGame(account_, 10, 45));
    EXPECT_EQ(account_.Game.Kon, kept.Kon);
    EXPECT_EQ(account_.Game.KonL, kept.KonL);
    EXPECT_EQ(account_.State, AccountState::PlayingForAccount) << "the player may repeat the settlement";

    int refusals = 0;
    EXPECT_FALSE(accounts_->BookGame(account_, [&refusals](int) { ++refusals; }));
    EXPECT_EQ(account_.State, AccountState::SignedOut);
    EXPECT_EQ(refusals, 0) << "nothing was read, so nothing was saved and refused";
}

TEST_F(AccountGameOnServiceTest, ARefusedBookingIsTriedThreeTimes) {
    // The service keeps counts up to a bound; one more game than that is refused.
    QorGame full;
    full.Kon = 1'000'000'000'000LL;
    ASSERT_TRUE(accounts_->SaveGame(account_, full));
    std::vector<int> refusals;
    EXPECT_FALSE(accounts_->BookGame(account_, [&refusals](int n) { refusals.push_back(n); }));
    EXPECT_EQ(refusals, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(account_.State, AccountState::SignedOut);
    EXPECT_EQ(Stored().Kon, full.Kon) << "nothing was booked";
}

} // namespace
} // namespace vesrin

namespace vesrin {
namespace {

std::string SmallJpeg() {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG");
    return bytes.toStdString();
}

TEST_F(OnlineAccountTest, TheOwnPictureIsUploadedWithThePasswordAndDownloadedByNick) {
    AccountService accounts(client_, addresses_);
    ASSERT_EQ(accounts.Create(NewUser("Alice", "open-sesame")), CreateResult::Created);
    OnlineAccount account;
    ASSERT_TRUE(accounts.SignIn(account, "Alice", "open-sesame"));
    EXPECT_TRUE(accounts.AvatarGet("Alice").empty()) << "no picture yet";

    const std::string jpeg = SmallJpeg();
    ASSERT_FALSE(jpeg.empty());
    OnlineAccount impostor = account;
    impostor.User.Pw = "guessed1";
    EXPECT_FALSE(accounts.AvatarUpload(impostor, jpeg));
    EXPECT_FALSE(accounts.AvatarUpload(account, "not a picture"));
    ASSERT_TRUE(accounts.AvatarUpload(account, jpeg));
    EXPECT_EQ(accounts.AvatarGet("Alice"), jpeg);
}

TEST_F(OnlineAccountTest, TheRemoteConfigurationIsFetchedFromTheConfiguredAddress) {
    ServiceAddresses addresses = addresses_;
    const RemoteConfigOutcome outcome = FetchRemoteConfig(addresses);
    EXPECT_EQ(outcome.Account, ConfigOutcome::Replaced);
    EXPECT_EQ(PlainAddress(addresses.Account), PlainAddress(addresses_.Account));

    service_.reset();
    ServiceAddresses offline = BuiltInAddresses();
    offline.RemoteConfig = addresses_.RemoteConfig;
    const RemoteConfigOutcome old = FetchRemoteConfig(offline);
    EXPECT_EQ(old.Account, ConfigOutcome::Old);
    EXPECT_EQ(offline.Account, BuiltInAddresses().Account);
    EXPECT_TRUE(offline.TopTenOn);
}

} // namespace
} // namespace vesrin
