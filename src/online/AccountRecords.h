#pragma once

#include "online/ServiceRequests.h"

#include <string>
#include <string_view>

namespace vesrin {

// The account as the program holds it for the run, and what the service's account
// replies put into it.

enum class AccountState {
    SignedOut = 1,
    SignedIn = 2,
    PlayingForAccount = 3,
};

// `TQorUser`: texts are code page 1251 bytes.
struct QorUser {
    std::string Nick, Pw, City = "#", Country1 = "#", Country2 = "#";
    char Sex = '#';
    std::string EMail = "#", DateR = "00.00.0000", R01 = "#", R02 = "#", R03 = "#";
    long long R04 = 0, R05 = 0, R06 = 0;
    std::string PwC; // the password enciphered as the user file keeps it
    InfoValues Info;
};

// `TQorGame`: this game's statistics of the account.
struct QorGame {
    long long Kon = 0, Score = 0, Sessions = 0;
    double Rating = 0;
    char PlayNow = 'N';
    long long R1 = 0;
    std::string R2 = "#";
    long long Place = 0, Best = 0, KonL = 0;
};

// Reads an `AccountRead` reply into the record: false when it is refused ("no"). The
// fields the reply does not carry keep their "not read" values.
bool ReadAccountReply(std::string_view reply, QorUser& user);

// Reads a `GameRead` reply. A reply without a record leaves the values at zero and still
// counts as read.
QorGame ReadGameReply(std::string_view reply);

// The values `GameSave` sends for a game record.
GameValues ToGameValues(const QorGame& game);

// `PwC` of a password.
std::string EncipherPassword(std::string_view password);

} // namespace vesrin
