#include "online/OnlineAccount.h"

#include "base/TextCipher.h"
#include "online/AccountGame.h"
#include "online/ServiceReplies.h"
#include "online/UserFile.h"

namespace vesrin {

ServiceReply AccountService::Call(const ServiceRequest& request) {
    return client_.Send(PlainAddress(addresses_.Account), request);
}

CreateResult AccountService::Create(const QorUser& user) {
    AccountCreateValues v;
    v.Nick = user.Nick;
    v.Pw = user.Pw;
    v.City = user.City;
    v.Country1 = user.Country1;
    v.Country2 = user.Country2;
    v.Sex = user.Sex;
    v.EMail = user.EMail;
    v.DateR = user.DateR;
    v.R01 = user.R01;
    v.R02 = user.R02;
    v.R03 = user.R03;
    v.R04 = user.R04;
    v.R05 = user.R05;
    v.R06 = user.R06;
    const ServiceReply reply = Call(AccountCreate(v));
    if (!reply.Connected) return CreateResult::Failed;
    if (HasMarker(reply.Body, kMarkerIs)) return CreateResult::NickExists;
    return HasMarker(reply.Body, kMarkerOk) ? CreateResult::Created : CreateResult::Failed;
}

bool AccountService::SignIn(OnlineAccount& account, std::string_view nick, std::string_view pw, bool playForAccount) {
    account.User.Nick = std::string(nick);
    account.User.Pw = std::string(pw);
    account.User.PwC = EncipherPassword(pw);
    const ServiceReply reply = Call(AccountRead(nick, pw));
    // Only a reply that carries the account counts: a refusal, a failure page or no
    // connection all leave the player signed out.
    if (!reply.Connected || !HasMarker(reply.Body, kMarkerOk) || !ReadAccountReply(reply.Body, account.User)) {
        account.State = AccountState::SignedOut;
        return false;
    }
    account.State = playForAccount ? AccountState::PlayingForAccount : AccountState::SignedIn;
    return true;
}

bool AccountService::ReadGame(OnlineAccount& account) {
    const ServiceReply reply = Call(GameRead(account.User.Nick, account.User.Pw));
    if (!reply.Connected || HasMarker(reply.Body, kMarkerNo)) return false;
    const long long place = account.Game.Place;
    account.Game = ReadGameReply(reply.Body);
    account.Game.Place = place;
    return true;
}

bool AccountService::SaveGame(const OnlineAccount& account, const QorGame& game) {
    const ServiceReply reply = Call(GameSave(account.User.Nick, account.User.Pw, ToGameValues(game)));
    return reply.Connected && HasMarker(reply.Body, kMarkerOk);
}

bool AccountService::BookGame(OnlineAccount& account, const std::function<void(int)>& onRefused) {
    constexpr int kTries = 3;
    OnlineAccount read = account;
    bool saved = false;
    if (ReadGame(read)) {
        const QorGame booked = BookedGame(read.Game);
        for (int attempt = 1; attempt <= kTries && !saved; ++attempt) {
            saved = SaveGame(account, booked);
            if (!saved && onRefused) onRefused(attempt);
        }
    }
    if (!saved) {
        account.State = AccountState::SignedOut;
        return false;
    }
    // The program goes on with the values before the booking (the cycle's games and
    // score), which the settlement needs.
    account.Game = read.Game;
    return true;
}

bool AccountService::SettleGame(OnlineAccount& account, long long gameResult, long long runningScore) {
    OnlineAccount read = account;
    if (!ReadGame(read)) return false;
    const QorGame settled = SettledGame(read.Game, account.Game.KonL, gameResult, runningScore);
    if (!SaveGame(account, settled)) return false;
    account.Game = settled;
    account.Game.Place = read.Game.Place;
    return true;
}

std::string AccountService::AvatarGet(std::string_view nick) {
    const ServiceReply reply = client_.ServiceGet(PlainAddress(addresses_.AvatarBase) + PercentEncode(nick) + ".jpg");
    return reply.Connected ? reply.Body : std::string();
}

bool AccountService::AvatarUpload(const OnlineAccount& account, std::string_view jpeg) {
    if (account.State == AccountState::SignedOut || jpeg.empty()) return false;
    const std::string query =
        EncodeRequest({RequestStyle::Fields, {{"nick", account.User.Nick}, {"pw", account.User.Pw}}, {}});
    const ServiceReply reply = client_.ServicePostData(PlainAddress(addresses_.AvatarUpload) + "?" + query, jpeg, "image/jpeg");
    return reply.Connected && HasMarker(reply.Body, kMarkerOk);
}

RemoteConfigOutcome FetchRemoteConfig(ServiceAddresses& addresses) {
    ServiceClient shortLived;
    const ServiceReply reply = shortLived.ServiceGet(PlainAddress(addresses.RemoteConfig));
    if (!reply.Connected) return {};
    return ApplyRemoteConfig(addresses, reply.Body);
}

bool SignInAtStart(AccountService& service, OnlineAccount& account, const std::filesystem::path& parentFolder) {
    const auto remembered = ReadUserFile(parentFolder);
    if (!remembered) return false;
    const auto password = DecipherText(remembered->PwC, kUserPasswordKey);
    if (!password) return false;
    return service.SignIn(account, remembered->Nick, StartSignInPassword(*password));
}

bool SaveAccountToUserFile(const OnlineAccount& account, const std::filesystem::path& parentFolder) {
    if (account.State == AccountState::SignedOut) return false;
    return WriteUserFile(parentFolder, {account.User.Nick, EncipherPassword(account.User.Pw)}) == WriteStatus::Ok;
}

} // namespace vesrin
