#include "PasswordHash.h"
#include "WebService.h"

namespace vesrin::service {
namespace {

std::string Fail() { return std::string(kFailReply); }
std::string Num(long long value) { return std::to_string(value); }

constexpr int kChatGid = 100;
constexpr int kAccountListGid = 342;
constexpr long long kBig = 1'000'000'000'000LL;

std::vector<std::vector<std::string>> EntryRecords(const std::vector<WorldEntry>& entries) {
    std::vector<std::vector<std::string>> records;
    for (const WorldEntry& e : entries)
        records.push_back({Num(e.Place), Num(e.Gid), Num(e.Score), e.Nick, e.Country, e.City, e.R07, e.R08, e.R09, e.R10});
    return records;
}

// Points an account cycle earns by its place in the account list.
long long PointsForPlace(long long place) { return place == 1 ? 25 : place >= 2 && place <= 10 ? 10 : 0; }

} // namespace

std::string WebService::WorldReply(const RecognisedRequest& kind, const FormFields& fields) {
    const auto gid = NumberField(fields, kind.Kind == RequestKind::WorldPlaceRead ? "rgid" : "gid", 0, 100000);
    if (!gid) return Fail();
    switch (kind.Kind) {
    case RequestKind::WorldTopTenRead: return RecordsReply(EntryRecords(storage_.WorldTop(static_cast<int>(*gid), 10)));
    case RequestKind::WorldNearRead: {
        const std::string* nick = FieldValue(fields, "nick");
        const std::string* city = FieldValue(fields, "city");
        if (nick == nullptr || nick->size() > 40) return Fail();
        return RecordsReply(EntryRecords(storage_.WorldNear(static_cast<int>(*gid), *nick, city ? *city : std::string())));
    }
    case RequestKind::WorldResultSend: {
        const bool chat = *gid == kChatGid;
        if (storage_.Setting(chat ? "chat_pause" : "topten_pause", "0") == "1") return Fail();
        WorldEntry e;
        e.Gid = static_cast<int>(*gid);
        const std::string* nick = FieldValue(fields, "nick");
        const auto score = NumberField(fields, "score", -kBig, kBig);
        const auto country = WordField(fields, "country", 60);
        const auto city = WordField(fields, "city", 30);
        const auto r7 = WordField(fields, "R7", 10);
        const auto r8 = WordField(fields, "R8", 20);
        const auto r9 = WordField(fields, "R9", 80);
        const auto r10 = WordField(fields, "R10", 200);
        if (nick == nullptr || !IsValidNick(*nick) || !score || !country || !city || !r7 || !r8 || !r9 || !r10)
            return Fail();
        e.Nick = *nick;
        e.Score = *score;
        e.Country = *country;
        e.City = *city;
        e.R07 = *r7;
        e.R08 = *r8;
        e.R09 = *r9;
        e.R10 = *r10;
        const auto place = storage_.AddWorldEntry(e);
        if (!place) return Fail();
        // An account's cycle in the account list earns its points here, once, for the
        // account whose password came with it.
        if (*gid == kAccountListGid && PointsForPlace(*place) > 0) {
            if (const auto account = SignedIn(fields)) storage_.AddPoints(account->Nick, PointsForPlace(*place));
        }
        return NumberReply(*place);
    }
    case RequestKind::WorldPlaceRead: return NumberReply(storage_.WorldCount(static_cast<int>(*gid)));
    default: return Fail();
    }
}

std::string WebService::StatReply(const RecognisedRequest& kind, const FormFields& fields) {
    const auto gid = NumberField(fields, "gid", 0, 100000);
    if (!gid) return Fail();
    const int g = static_cast<int>(*gid);
    switch (kind.Kind) {
    case RequestKind::GameStatisticsSend: {
        std::array<long long, 12> counters{};
        for (int i = 0; i < 12; ++i) {
            // One game adds little: a result of a game is far below this bound.
            const auto value = NumberField(fields, "R" + Num(i + 1), 0, 100000, 0);
            if (!value) return StatAckReply(false);
            counters[static_cast<std::size_t>(i)] = *value;
        }
        return StatAckReply(storage_.AddGameCounters(g, counters));
    }
    case RequestKind::StartCount: {
        const auto unique = NumberField(fields, "stat2", 0, 1, 0);
        if (!unique) return StatAckReply(false);
        return StatAckReply(storage_.CountStart(g, *unique == 1));
    }
    case RequestKind::LikeSend: {
        const auto name = WordField(fields, "stat4", 24, "Incognito");
        if (!name || name->empty()) return StatAckReply(false);
        return StatAckReply(storage_.AddLike(g, *name));
    }
    case RequestKind::StatisticsRead: {
        const StatRow s = storage_.ReadStats(g);
        std::vector<std::string> words{Num(s.Stat1), Num(s.Stat2), Num(s.Stat3), s.Stat4};
        for (long long c : s.Counters) words.push_back(Num(c));
        words.push_back("0");
        words.push_back("#");
        return RecordsReply({words});
    }
    default: return Fail();
    }
}

} // namespace vesrin::service
