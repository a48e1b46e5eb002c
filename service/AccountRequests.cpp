#include "PasswordHash.h"
#include "WebService.h"

#include "online/ServiceReplies.h"

namespace vesrin::service {
namespace {

std::string Fail() { return std::string(kFailReply); }
std::string No() { return "no"; }
std::string Ok() { return "ok"; }
std::string Num(long long value) { return std::to_string(value); }

constexpr long long kBig = 1'000'000'000'000LL;
constexpr const char* kInfoNames[14] = {"namei",   "name2",    "about",   "telephone",  "emailo",
                                        "website", "skype",    "ok",      "vk",         "telegram",
                                        "facebook", "twitter", "instagramm", "youtube"};

std::vector<std::string> InfoFields(const std::string& info) {
    std::vector<std::string> fields = RecordFields(info, '~');
    fields.erase(fields.begin()); // the piece before the record
    fields.pop_back();            // the piece after it
    fields.resize(14);
    return fields;
}

} // namespace

std::string WebService::AccountReply(const RecognisedRequest& kind, const FormFields& fields) {
    switch (kind.Kind) {
    case RequestKind::AccountCreate: {
        const std::string* nick = FieldValue(fields, "nick");
        const std::string* pw = FieldValue(fields, "pw");
        if (nick == nullptr || pw == nullptr || !IsValidNick(*nick) || pw->size() < 4 || pw->size() > 64) return Fail();
        AccountRow a;
        a.Nick = *nick;
        std::optional<std::string> texts[9];
        static constexpr std::pair<const char*, std::size_t> kTexts[9] = {
            {"city", 30}, {"country1", 60}, {"country2", 10}, {"sex", 1}, {"email", 60},
            {"dater", 20}, {"R01", 30},     {"R02", 30},      {"R03", 30}};
        for (int i = 0; i < 9; ++i) {
            texts[i] = WordField(fields, kTexts[i].first, kTexts[i].second, i == 3 ? "M" : "#");
            if (!texts[i]) return Fail();
        }
        a.City = *texts[0];
        a.Country1 = *texts[1];
        a.Country2 = *texts[2];
        a.Sex = *texts[3];
        a.EMail = *texts[4];
        a.DateR = *texts[5];
        a.R01 = *texts[6];
        a.R02 = *texts[7];
        a.R03 = *texts[8];
        // The balance and the two other counters start at 0 whatever the program sends.
        a.PwHash = HashPassword(*pw);
        if (a.PwHash.empty()) return Fail();
        switch (storage_.CreateAccount(a)) {
        case CreateResult::Created: return Ok();
        case CreateResult::Exists: return "is";
        case CreateResult::Failed: return Fail();
        }
        return Fail();
    }
    case RequestKind::AccountRead: {
        const auto a = SignedIn(fields);
        if (!a) return No();
        return RecordReply({a->City, a->Country1, a->Country2, a->Sex.substr(0, 1), a->EMail, a->DateR, a->R01, a->R02,
                            a->R03, Num(a->R04), Num(a->R05), Num(a->R06)});
    }
    case RequestKind::AccountTopTenRead: {
        std::vector<std::vector<std::string>> records;
        long long place = 0;
        double previous = 0;
        const auto rows = storage_.AccountTop(kind.Prefix, 10);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == 0 || rows[i].Rating != previous) place = static_cast<long long>(i) + 1;
            previous = rows[i].Rating;
            const auto& r = rows[i];
            records.push_back({Num(place), r.Nick, r.City, r.Country1, r.Country2, r.Sex.substr(0, 1), WriteRating(r.Rating)});
        }
        return RecordsReply(records);
    }
    case RequestKind::AccountPlaceRead: {
        const std::string* value = FieldValue(fields, kind.Prefix + "rating");
        const auto rating = value ? ParseRatingField(*value) : std::nullopt;
        if (!rating) return Fail();
        const long long place = storage_.AccountPlace(kind.Prefix, *rating);
        return place < 0 ? Fail() : NumberReply(place);
    }
    case RequestKind::AccountCountRead: {
        const long long count = storage_.CountAccounts();
        return count < 0 ? Fail() : NumberReply(count);
    }
    case RequestKind::PointsRead: {
        const std::string* nick = FieldValue(fields, "nick");
        const auto a = nick && IsValidNick(*nick) ? storage_.FindAccount(*nick) : std::nullopt;
        return a ? RecordReply({Num(a->R04)}) : No();
    }
    case RequestKind::PointsSave: {
        // Points are only spent here: the service itself grants the points of the top ten,
        // and a transfer moves them between two accounts in one step.
        const auto delta = NumberField(fields, "R04", -kBig, kBig);
        if (!delta) return Fail();
        const auto a = SignedIn(fields);
        if (!a || *delta > 0) return No();
        return storage_.AddPoints(a->Nick, *delta) ? Ok() : No();
    }
    case RequestKind::PointsTransfer: {
        const auto amount = NumberField(fields, "amount", 1, kBig);
        const std::string* receiver = FieldValue(fields, "receiver");
        if (!amount || receiver == nullptr) return Fail();
        const auto a = SignedIn(fields);
        if (!a || !IsValidNick(*receiver)) return No();
        switch (storage_.TransferPoints(a->Nick, *receiver, *amount)) {
        case TransferResult::Done: return Ok();
        case TransferResult::Refused: return No();
        case TransferResult::Failed: return Fail();
        }
        return Fail();
    }
    case RequestKind::InfoRead: {
        const std::string* nick = FieldValue(fields, "nick");
        const auto a = nick && IsValidNick(*nick) ? storage_.FindAccount(*nick) : std::nullopt;
        return a ? RecordReply(InfoFields(a->Info), '~') : No();
    }
    case RequestKind::InfoSave: {
        std::string info;
        for (int i = 0; i < 14; ++i) {
            const std::string* value = FieldValue(fields, kInfoNames[i]);
            if (value == nullptr && i == 0) value = FieldValue(fields, "name1");
            if (value != nullptr && value->size() > 120) return Fail();
            if (i > 0) info += '~';
            if (value != nullptr) info += InfoWord(*value);
        }
        const auto a = SignedIn(fields);
        if (!a) return No();
        return storage_.SaveInfo(a->Nick, info) ? Ok() : Fail();
    }
    case RequestKind::GameRead: {
        const auto a = SignedIn(fields);
        if (!a) return No();
        const auto g = storage_.ReadGame(a->Nick, kind.Prefix);
        if (!g) return Fail();
        return RecordReply({Num(g->Kon), Num(g->Best), WriteRating(g->Rating), Num(g->Sessions), Num(g->KonL),
                            Num(g->Score), Num(g->R1), g->R2});
    }
    case RequestKind::GameSave: {
        const std::string& p = kind.Prefix;
        GameRow g;
        const auto kon = NumberField(fields, p + "kon", 0, kBig, 0);
        const auto best = NumberField(fields, p + "best", -kBig, kBig, 0);
        const auto sessions = NumberField(fields, p + "ses", 0, kBig, 0);
        const auto konl = NumberField(fields, p + "konl", 0, kBig, 0);
        const auto score = NumberField(fields, p + "score", -kBig, kBig, 0);
        const auto r1 = NumberField(fields, p + "R1", -kBig, kBig, 0);
        const std::string* ratingText = FieldValue(fields, p + "rating");
        const auto rating = ratingText ? ParseRatingField(*ratingText) : std::optional<double>(0.0);
        const auto r2 = WordField(fields, p + "R2", 30);
        if (!kon || !best || !sessions || !konl || !score || !r1 || !rating || !r2) return Fail();
        g = GameRow{*kon, *best, *rating, *sessions, *konl, *score, *r1, *r2};
        const auto a = SignedIn(fields);
        if (!a) return No();
        return storage_.SaveGame(a->Nick, p, g) ? Ok() : Fail();
    }
    default: return Fail();
    }
}

} // namespace vesrin::service
