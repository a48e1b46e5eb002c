#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {

// The requests of the game web service as the program sends them: which fields, in which
// order, and how the body is written. Values are code page 1251 bytes.

inline constexpr int kServiceGameId = 42;
inline constexpr std::string_view kGamePrefix = "crdvesrin";
inline constexpr std::string_view kVersionText = "5.7f";

struct FormField {
    std::string Name;
    std::string Value;
    bool operator==(const FormField&) const = default;
};
using FormFields = std::vector<FormField>;

enum class RequestStyle {
    Fields, // percent-encoded by the HTTP client's form encoding
    Body,   // the text as it is, not escaped
};

struct ServiceRequest {
    RequestStyle Style = RequestStyle::Fields;
    FormFields Fields;
    std::string Trailer; // written after the last value ("*" after a result send)
};

// The bytes of the POST body.
std::string EncodeRequest(const ServiceRequest& request);
// Form encoding: every byte but the unreserved ones as "%" and two hex digits.
std::string PercentEncode(std::string_view bytes);

// The account record as `AccountCreate` sends it.
struct AccountCreateValues {
    std::string Nick, Pw, City, Country1, Country2;
    char Sex = 'M';
    std::string EMail, DateR;
    std::string R01 = "xxx", R02 = "xxx", R03 = "xxx";
    long long R04 = 0, R05 = 0, R06 = 0;
};

// This game's statistics of an account (`TQorGame`), as `GameSave` sends them.
struct GameValues {
    long long Kon = 0, Best = 0;
    double Rating = 0;
    long long Sessions = 0, KonL = 0, Score = 0, R1 = 0;
    std::string R2 = "#";
};

// The contact details (`TInfo14`) in the order `InfoSave` sends them.
using InfoValues = std::array<std::string, 14>;

// A seat's player record (`TQorClient`).
struct ClientValues {
    std::string Nick = "X";
    long long Score = 0, Kon = 0, Rating = 0;
    std::string Country = "X", City = "X";
    char Sex = 'X';
    std::string IP = "X";
};

enum class SeatAction { Clear = 0, Take = 1, Leave = 2 };

ServiceRequest AccountCreate(const AccountCreateValues& account);
ServiceRequest AccountRead(std::string_view nick, std::string_view pw);
ServiceRequest AccountTopTenRead();
ServiceRequest AccountPlaceRead(double rating);
ServiceRequest AccountCountRead();
ServiceRequest PointsRead(std::string_view nick);
// Adds a (negative) number of points to the account's balance.
ServiceRequest PointsSave(std::string_view nick, std::string_view pw, long long points);
// Moves points from one account to another in one step: "ok" done, "no" no such member
// or not enough points, anything else a failure.
ServiceRequest PointsTransfer(std::string_view nick, std::string_view pw, std::string_view receiver,
                              long long amount);
ServiceRequest InfoRead(std::string_view nick);
ServiceRequest InfoSave(std::string_view nick, std::string_view pw, const InfoValues& info);
ServiceRequest GameRead(std::string_view nick, std::string_view pw);
ServiceRequest GameSave(std::string_view nick, std::string_view pw, const GameValues& game);

ServiceRequest WorldTopTenRead(int gid);
ServiceRequest WorldNearRead(int gid, std::string_view nick, std::string_view city);
struct WorldResultValues {
    int Gid = kServiceGameId;
    std::string Nick, City, Country;
    long long Score = 0;
    std::string R7 = "M", R9 = "#", R10 = "#";
    std::string Pw; // only for account cycles: the service grants their points
};
ServiceRequest WorldResultSend(const WorldResultValues& result);
ServiceRequest WorldPlaceRead(int gid);

ServiceRequest TableListRead(int gid);
ServiceRequest ServerInfoRead(int gid);
ServiceRequest SeatWrite(int gid, int table, int seat, SeatAction action, const ClientValues& client,
                         std::string_view pw);
ServiceRequest SeatRead(int gid, int table, int seat);
ServiceRequest StandingRead(int gid, std::string_view nick);
// key: 's' score, 'r' rating, 'k' games.
ServiceRequest TourTopTenRead(char key, int gid);
ServiceRequest TourPlaceRead(char key, int gid, long long value);

ServiceRequest GameStatisticsSend(int gid, const std::array<long long, 12>& counters);
ServiceRequest StartCount(int gid, bool installReported);
ServiceRequest LikeSend(int gid, std::string_view name);
ServiceRequest StatisticsRead(int gid);

} // namespace vesrin
