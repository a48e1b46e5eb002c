#include "online/AccountRecords.h"

#include "base/TextCipher.h"
#include "online/ServiceReplies.h"

#include <charconv>

namespace vesrin {

namespace {

long long Number(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+') ++begin;
    if (std::from_chars(begin, end, value).ec != std::errc()) return 0;
    return value;
}

} // namespace

bool ReadAccountReply(std::string_view reply, QorUser& user) {
    if (HasMarker(reply, kMarkerNo)) return false;
    user.City = user.Country1 = user.Country2 = user.EMail = user.R01 = user.R02 = user.R03 = "#";
    user.Sex = '#';
    user.DateR = "00.00.0000";
    user.R04 = user.R05 = user.R06 = 0;
    const std::vector<std::string> f = RecordFields(RecordAfterDollar(reply));
    const auto field = [&f](std::size_t i) -> const std::string* { return i < f.size() ? &f[i] : nullptr; };
    std::string* const texts[] = {&user.City, &user.Country1, &user.Country2};
    for (std::size_t i = 0; i < 3; ++i)
        if (field(i + 1)) *texts[i] = *field(i + 1);
    if (field(4) && !field(4)->empty()) user.Sex = (*field(4))[0];
    std::string* const more[] = {&user.EMail, &user.DateR, &user.R01, &user.R02, &user.R03};
    for (std::size_t i = 0; i < 5; ++i)
        if (field(i + 5)) *more[i] = *field(i + 5);
    long long* const numbers[] = {&user.R04, &user.R05, &user.R06};
    for (std::size_t i = 0; i < 3; ++i)
        if (field(i + 10)) *numbers[i] = Number(*field(i + 10));
    return true;
}

QorGame ReadGameReply(std::string_view reply) {
    QorGame game;
    if (reply.find('$') == std::string_view::npos) return game;
    const std::vector<std::string> f = RecordFields(RecordAfterDollar(reply));
    const auto at = [&f](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
    game.Kon = Number(at(1));
    game.Best = Number(at(2));
    game.Rating = ReadRating(at(3));
    game.Sessions = Number(at(4));
    game.KonL = Number(at(5));
    game.Score = Number(at(6));
    game.R1 = Number(at(7));
    if (f.size() > 8) game.R2 = f[8];
    return game;
}

GameValues ToGameValues(const QorGame& game) {
    GameValues v;
    v.Kon = game.Kon;
    v.Best = game.Best;
    v.Rating = game.Rating;
    v.Sessions = game.Sessions;
    v.KonL = game.KonL;
    v.Score = game.Score;
    v.R1 = game.R1;
    v.R2 = game.R2;
    return v;
}

std::string EncipherPassword(std::string_view password) { return EncipherText(password, kUserPasswordKey); }

} // namespace vesrin
