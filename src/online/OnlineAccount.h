#pragma once

#include "online/AccountRecords.h"
#include "online/ServiceAddresses.h"
#include "online/ServiceClient.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace vesrin {

// The player's account for the program run.
struct OnlineAccount {
    QorUser User;
    QorGame Game;
    AccountState State = AccountState::SignedOut;
};

// What `AccountCreate` gave.
enum class CreateResult { Created = 0, NickExists = 1, Failed = 2 };

// The account requests the account window and the start-up use, on the account address.
class AccountService {
public:
    AccountService(ServiceClient& client, const ServiceAddresses& addresses) : client_(client), addresses_(addresses) {}

    // Creates the account of user (its nick, password and profile as given).
    CreateResult Create(const QorUser& user);
    // `AccountRead`: on success the profile fields are filled and the state becomes
    // signed in (or playing for the account when playForAccount); a failure leaves the
    // account signed out. `PwC` follows the password either way.
    bool SignIn(OnlineAccount& account, std::string_view nick, std::string_view pw, bool playForAccount = false);
    // `GameRead` into account.Game; false when the service could not be reached.
    bool ReadGame(OnlineAccount& account);
    // `GameSave`; whether the service accepted it.
    bool SaveGame(const OnlineAccount& account, const QorGame& game);

    // Books an account game before it starts: `GameRead`, then `GameSave` of the booked
    // values (one more game, the provisional rating). A refused save is tried again, three
    // times in all; onRefused(n) runs after the n-th refusal (the warning sound and the
    // wait before the next try). On success the program keeps the values from before the
    // booking in account.Game; on failure the account is signed out.
    bool BookGame(OnlineAccount& account, const std::function<void(int)>& onRefused = {});
    // Settles the booked game: `GameRead`, the real result in place of the provisional
    // loss, `GameSave`. On success account.Game holds the saved values; on failure it is
    // left as it was, so the caller may ask and repeat.
    bool SettleGame(OnlineAccount& account, long long gameResult, long long runningScore);

    // `AvatarGet`: a player's picture (JPEG bytes); empty without a picture or a connection.
    std::string AvatarGet(std::string_view nick);
    // Uploads the signed-in player's own picture (JPEG bytes), authenticated with the
    // account's password; whether the service took it.
    bool AvatarUpload(const OnlineAccount& account, std::string_view jpeg);

private:
    ServiceReply Call(const ServiceRequest& request);

    ServiceClient& client_;
    const ServiceAddresses& addresses_;
};

// Reads the remote configuration with a client of its own and applies it; without a
// reply every address stays as it was.
RemoteConfigOutcome FetchRemoteConfig(ServiceAddresses& addresses);

// The silent sign-in at program start with the account remembered in the user file of
// parentFolder. Without a user file, or when the sign-in fails, nothing changes but the
// state stays signed out; nothing is shown either way.
bool SignInAtStart(AccountService& service, OnlineAccount& account, const std::filesystem::path& parentFolder);

// Remembers the signed-in account in the user file ("Save"); whether it was written.
bool SaveAccountToUserFile(const OnlineAccount& account, const std::filesystem::path& parentFolder);

} // namespace vesrin
