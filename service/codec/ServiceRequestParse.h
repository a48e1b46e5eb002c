#pragma once

#include "online/ServiceRequests.h"

#include <optional>
#include <string>
#include <string_view>

namespace vesrin::service {

// Reading the form bodies the program posts. Both styles arrive with the same content
// type: percent-encoded fields and raw code page 1251 text ("name=value&..."). Escapes
// are decoded where they are well formed ("+" is a blank); anything else stays as sent.
// A result send ends with "*" after its last value, which is not part of the value.
// nullopt for a malformed body: a piece without "=", an empty or repeated name, a
// control byte, or more fields than any request has.
std::optional<FormFields> ParseFormBody(std::string_view body);

// The value of a field; nullptr when the body has none.
const std::string* FieldValue(const FormFields& fields, std::string_view name);

// Every request the service knows, recognised by its marker fields.
enum class RequestKind {
    Unknown,
    AccountCreate,
    AccountRead,
    AccountTopTenRead,
    AccountPlaceRead,
    AccountCountRead,
    PointsRead,
    PointsSave,
    PointsTransfer,
    InfoRead,
    InfoSave,
    GameRead,
    GameSave,
    WorldTopTenRead,
    WorldNearRead,
    WorldResultSend,
    WorldPlaceRead,
    TableListRead,
    ServerInfoRead,
    SeatWrite,
    SeatRead,
    StandingRead,
    TourTopTenRead,
    TourPlaceRead,
    GameStatisticsSend,
    StartCount,
    LikeSend,
    StatisticsRead,
};

enum class ServiceArea { Account, WorldTop, Stat, Tour };

struct RecognisedRequest {
    RequestKind Kind = RequestKind::Unknown;
    std::string Prefix; // the game prefix of account game requests ("crdvesrin")
    int Number = 0;     // seat of a seat request, game identifier in a tournament marker
    char Key = 0;       // 's', 'r' or 'k' of the tournament ranking
};

RecognisedRequest RecogniseRequest(ServiceArea area, const FormFields& fields);

// Reading numbers of fields: decimal, optional sign, nothing else.
std::optional<long long> ParseInteger(std::string_view text);
// A rating: "." or "," as decimal separator.
std::optional<double> ParseRatingField(std::string_view text);

} // namespace vesrin::service
