#include "online/ServiceRequests.h"

#include "online/ServiceReplies.h"

namespace vesrin {
namespace {

std::string Num(long long value) { return std::to_string(value); }
std::string Str(std::string_view text) { return std::string(text); }
std::string Prefixed(std::string_view name) { return Str(kGamePrefix) + Str(name); }

ServiceRequest Fields(FormFields fields) { return {RequestStyle::Fields, std::move(fields), {}}; }
ServiceRequest Body(FormFields fields) { return {RequestStyle::Body, std::move(fields), {}}; }

} // namespace

std::string PercentEncode(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
            b == '.' || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

std::string EncodeRequest(const ServiceRequest& request) {
    std::string body;
    for (const FormField& field : request.Fields) {
        if (!body.empty()) body += '&';
        if (request.Style == RequestStyle::Fields) {
            body += PercentEncode(field.Name);
            body += '=';
            body += PercentEncode(field.Value);
        } else {
            body += field.Name;
            body += '=';
            body += field.Value;
        }
    }
    return body + request.Trailer;
}

ServiceRequest AccountCreate(const AccountCreateValues& a) {
    return Body({{"nick", a.Nick}, {"pw", a.Pw}, {"city", a.City}, {"country1", a.Country1},
                 {"country2", a.Country2}, {"sex", std::string(1, a.Sex)}, {"email", a.EMail},
                 {"dater", a.DateR}, {"R01", a.R01}, {"R02", a.R02}, {"R03", a.R03}, {"R04", Num(a.R04)},
                 {"R05", Num(a.R05)}, {"R06", Num(a.R06)}});
}

ServiceRequest AccountRead(std::string_view nick, std::string_view pw) {
    return Fields({{"nick", Str(nick)}, {"pw", Str(pw)}, {"label0", "0"}});
}

ServiceRequest AccountTopTenRead() { return Fields({{Prefixed("kon"), "0"}}); }

ServiceRequest AccountPlaceRead(double rating) { return Body({{Prefixed("rating"), WriteRating(rating)}}); }

ServiceRequest AccountCountRead() { return Body({{"label1", "0"}}); }

ServiceRequest PointsRead(std::string_view nick) { return Fields({{"nick", Str(nick)}, {"labelqorread", "0"}}); }

ServiceRequest PointsSave(std::string_view nick, std::string_view pw, long long points) {
    return Body({{"nick", Str(nick)}, {"labelqorsave", "0"}, {"R04", Num(points)}, {"pw", Str(pw)}});
}

ServiceRequest PointsTransfer(std::string_view nick, std::string_view pw, std::string_view receiver,
                              long long amount) {
    return Body({{"nick", Str(nick)}, {"pw", Str(pw)}, {"labelqortransfer", "0"}, {"receiver", Str(receiver)},
                 {"amount", Num(amount)}});
}

ServiceRequest InfoRead(std::string_view nick) { return Fields({{"nick", Str(nick)}, {"labelinforead", "0"}}); }

ServiceRequest InfoSave(std::string_view nick, std::string_view pw, const InfoValues& info) {
    static constexpr const char* kNames[14] = {"namei",   "name2",    "about",    "telephone", "emailo",
                                               "website", "skype",    "ok",       "vk",        "telegram",
                                               "facebook", "twitter", "instagramm", "youtube"};
    FormFields fields{{"nick", Str(nick)}, {"labelinfosave", "0"}};
    for (int i = 0; i < 14; ++i) fields.push_back({kNames[i], info[static_cast<std::size_t>(i)]});
    fields.push_back({"pw", Str(pw)});
    return Body(std::move(fields));
}

ServiceRequest GameRead(std::string_view nick, std::string_view pw) {
    return Fields({{"nick", Str(nick)}, {"pw", Str(pw)}, {Prefixed("best"), "0"}});
}

ServiceRequest GameSave(std::string_view nick, std::string_view pw, const GameValues& g) {
    return Body({{"nick", Str(nick)}, {"pw", Str(pw)}, {Prefixed("kon"), Num(g.Kon)}, {Prefixed("best"), Num(g.Best)},
                 {Prefixed("rating"), WriteRating(g.Rating)}, {Prefixed("ses"), Num(g.Sessions)},
                 {Prefixed("konl"), Num(g.KonL)}, {Prefixed("score"), Num(g.Score)}, {Prefixed("R1"), Num(g.R1)},
                 {Prefixed("R2"), g.R2}});
}

ServiceRequest WorldTopTenRead(int gid) { return Fields({{"gid", Num(gid)}}); }

ServiceRequest WorldNearRead(int gid, std::string_view nick, std::string_view city) {
    return Body({{"gid", Num(gid)}, {"nick", Str(nick)}, {"city", Str(city)}});
}

ServiceRequest WorldResultSend(const WorldResultValues& r) {
    ServiceRequest request = Body({{"gid", Num(r.Gid)}, {"nick", r.Nick}, {"city", r.City}, {"country", r.Country},
                                   {"score", Num(r.Score)}, {"R7", r.R7}, {"R8", Str(kVersionText)}, {"R9", r.R9},
                                   {"R10", r.R10}});
    if (!r.Pw.empty()) request.Fields.push_back({"pw", r.Pw});
    request.Trailer = "*";
    return request;
}

ServiceRequest WorldPlaceRead(int gid) { return Fields({{"rgid", Num(gid)}}); }

ServiceRequest TableListRead(int gid) { return Fields({{"readtable410", Num(gid)}, {"gid", Num(gid)}}); }

ServiceRequest ServerInfoRead(int gid) { return Fields({{"serverinforead", "0"}, {"gid", Num(gid)}}); }

ServiceRequest SeatWrite(int gid, int table, int seat, SeatAction action, const ClientValues& c,
                         std::string_view pw) {
    const std::string n = Num(seat);
    return Body({{"client4on" + n, "0"}, {"gid", Num(gid)}, {"num", Num(table)},
                 {"can", Num(static_cast<int>(action))}, {"nick" + n, c.Nick}, {"score" + n, Num(c.Score)},
                 {"kon" + n, Num(c.Kon)}, {"rating" + n, Num(c.Rating)}, {"country" + n, c.Country},
                 {"city" + n, c.City}, {"sex" + n, std::string(1, c.Sex)}, {"ip" + n, c.IP}, {"pw", Str(pw)}});
}

ServiceRequest SeatRead(int gid, int table, int seat) {
    return Fields({{"readclient" + Num(seat), "0"}, {"gid", Num(gid)}, {"num", Num(table)}});
}

ServiceRequest StandingRead(int gid, std::string_view nick) {
    return Body({{"readrating" + Num(gid), "0"}, {"nick", Str(nick)}});
}

ServiceRequest TourTopTenRead(char key, int gid) {
    return Fields({{"top10" + std::string(1, key) + Num(gid), "0"}, {"nick", "z"}});
}

ServiceRequest TourPlaceRead(char key, int gid, long long value) {
    const char* valueName = key == 's' ? "score1" : key == 'r' ? "rating1" : "kon1";
    return Body({{"place" + std::string(1, key) + Num(gid), "0"}, {valueName, Num(value)}});
}

ServiceRequest GameStatisticsSend(int gid, const std::array<long long, 12>& counters) {
    FormFields fields{{"gid", Num(gid)}};
    for (std::size_t i = 0; i < counters.size(); ++i) fields.push_back({"R" + Num(static_cast<long long>(i) + 1), Num(counters[i])});
    return Body(std::move(fields));
}

ServiceRequest StartCount(int gid, bool installReported) {
    return Body({{"gid", Num(gid)}, {"stat1", "1"}, {"stat2", installReported ? "0" : "1"}});
}

ServiceRequest LikeSend(int gid, std::string_view name) {
    return Body({{"gid", Num(gid)}, {"stat3", "1"}, {"stat4", Str(name)}});
}

ServiceRequest StatisticsRead(int gid) { return Fields({{"gid", Num(gid)}}); }

} // namespace vesrin
