#include "PasswordHash.h"
#include "WebService.h"

namespace vesrin::service {
namespace {

std::string Fail() { return std::string(kFailReply); }
std::string Num(long long value) { return std::to_string(value); }

std::vector<std::string> SeatWords(const SeatRow& s) {
    return {s.Nick, Num(s.Score), Num(s.Kon), Num(s.Rating), s.Country, s.City, s.Sex, s.IP};
}

} // namespace

std::string WebService::TourReply(const RecognisedRequest& kind, const FormFields& fields) {
    switch (kind.Kind) {
    case RequestKind::TableListRead: {
        std::vector<std::vector<std::string>> records;
        auto tables = storage_.Tables();
        // Table 10 comes first, table 1 last.
        for (auto it = tables.rbegin(); it != tables.rend(); ++it) {
            std::vector<std::string> words{Num(it->Number), it->IP, Num(it->Port), it->Free, Num(it->R1), it->R2};
            for (const SeatRow& seat : it->Seats)
                for (std::string& word : SeatWords(seat)) words.push_back(std::move(word));
            records.push_back(std::move(words));
        }
        return RecordsReply(records);
    }
    case RequestKind::ServerInfoRead:
        return RecordReply({storage_.Setting("server_flag", "Y"),
                            RecordWord(storage_.Setting("welcome", "Welcome_to_the_Vesrin_tournament!"))});
    case RequestKind::SeatWrite: return SeatWriteReply(kind.Number, fields);
    case RequestKind::SeatRead: {
        const auto table = NumberField(fields, "num", 1, 10);
        if (!table || kind.Number < 1 || kind.Number > 4) return Fail();
        const auto tables = storage_.Tables();
        for (const TableRow& t : tables)
            if (t.Number == *table) return RecordReply(SeatWords(t.Seats[static_cast<std::size_t>(kind.Number - 1)]));
        return Fail();
    }
    case RequestKind::StandingRead: {
        const std::string* nick = FieldValue(fields, "nick");
        if (nick == nullptr || nick->size() > 40) return Fail();
        const auto s = storage_.Standing(*nick);
        return s ? RecordReply({Num(s->Score), Num(s->Kon), Num(s->Rating)}) : RecordReply({"0", "0", "0"});
    }
    case RequestKind::TourTopTenRead: {
        // The ordering value stands in the score field; score, games and rating follow.
        std::vector<std::vector<std::string>> records;
        const auto rows = storage_.TourTop(kind.Key, 10);
        long long place = 0;
        long long previous = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const StandingRow& r = rows[i];
            const long long value = kind.Key == 'r' ? r.Rating : kind.Key == 'k' ? r.Kon : r.Score;
            if (i == 0 || value != previous) place = static_cast<long long>(i) + 1;
            previous = value;
            records.push_back({Num(place), Num(kind.Number), Num(value), r.Nick, r.Country, r.City, "#", Num(r.Score),
                               Num(r.Kon), Num(r.Rating)});
        }
        return RecordsReply(records);
    }
    case RequestKind::TourPlaceRead: {
        const char* name = kind.Key == 's' ? "score1" : kind.Key == 'r' ? "rating1" : "kon1";
        const auto value = NumberField(fields, name, -1'000'000'000'000LL, 1'000'000'000'000LL);
        if (!value) return Fail();
        return NumberReply(storage_.TourPlace(kind.Key, *value));
    }
    default: return Fail();
    }
}

std::string WebService::SeatWriteReply(int seat, const FormFields& fields) {
    const auto table = NumberField(fields, "num", 1, 10);
    const auto action = NumberField(fields, "can", 0, 2);
    const std::string n = Num(seat);
    SeatRow row;
    const std::string* nick = FieldValue(fields, "nick" + n);
    const auto score = NumberField(fields, "score" + n, -1'000'000'000LL, 1'000'000'000LL, 0);
    const auto kon = NumberField(fields, "kon" + n, 0, 1'000'000'000LL, 0);
    const auto rating = NumberField(fields, "rating" + n, -1'000'000'000LL, 1'000'000'000LL, 0);
    const auto country = WordField(fields, "country" + n, 60, "X");
    const auto city = WordField(fields, "city" + n, 30, "X");
    const auto sex = WordField(fields, "sex" + n, 1, "X");
    const auto ip = WordField(fields, "ip" + n, 45, "X");
    const std::string* pw = FieldValue(fields, "pw");
    if (!table || !action || seat < 1 || seat > 4 || nick == nullptr || !score || !kon || !rating || !country || !city ||
        !sex || !ip)
        return Fail();
    row = SeatRow{*nick, *score, *kon, *rating, *country, *city, *sex, *ip};
    if (pw == nullptr || pw->empty() || pw->size() > 64) return "no";

    TableRow current;
    for (const TableRow& t : storage_.Tables())
        if (t.Number == *table) current = t;
    if (current.Number == 0) return Fail();
    const SeatRow& held = current.Seats[static_cast<std::size_t>(seat - 1)];
    const auto passwordOf = [&](const std::string& holder) {
        if (holder == "X" || !IsValidNick(holder)) return false;
        const auto account = storage_.FindAccount(holder);
        return account && VerifyPassword(account->PwHash, *pw);
    };

    if (*action == 1) {
        if (!IsValidNick(*nick)) return Fail();
        if (held.Nick != "X" && NickKey(held.Nick) != NickKey(*nick)) return "is";
        if (!passwordOf(*nick)) return "no";
        return storage_.WriteSeat(*table, seat, row) ? "ok" : Fail();
    }
    // Leaving or clearing writes the free-seat record; the password must be the one of
    // the seat's player or of another player at the same table.
    if (*nick != "X") return Fail();
    if (held.Nick != "X") {
        bool allowed = passwordOf(held.Nick);
        for (const SeatRow& other : current.Seats)
            if (!allowed && &other != &held) allowed = passwordOf(other.Nick);
        if (!allowed) return "no";
    }
    return storage_.WriteSeat(*table, seat, row) ? "ok" : Fail();
}

} // namespace vesrin::service
