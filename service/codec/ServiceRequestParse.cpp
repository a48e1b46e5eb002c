#include "codec/ServiceRequestParse.h"

#include "codec/HttpRequestReader.h"

#include <charconv>
#include <cmath>

namespace vesrin::service {
namespace {

constexpr std::size_t kMaxFields = 40;

std::string DecodeFormText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigitValue(text[i + 1]) >= 0 && HexDigitValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }
bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// "crd" and a few lower-case letters or digits.
bool IsGamePrefix(std::string_view prefix) {
    if (prefix.size() < 4 || prefix.size() > 24 || !StartsWith(prefix, "crd")) return false;
    for (char c : prefix)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// The prefix of a field named prefix + suffix, or empty.
std::string GamePrefixOf(const FormFields& fields, std::string_view suffix) {
    for (const FormField& field : fields)
        if (EndsWith(field.Name, suffix)) {
            const std::string_view prefix = std::string_view(field.Name).substr(0, field.Name.size() - suffix.size());
            if (IsGamePrefix(prefix)) return std::string(prefix);
        }
    return {};
}

std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

bool Has(const FormFields& fields, std::string_view name) { return FieldValue(fields, name) != nullptr; }

RecognisedRequest Account(const FormFields& fields) {
    RecognisedRequest r;
    const bool nick = Has(fields, "nick");
    if (Has(fields, "labelqortransfer")) r.Kind = RequestKind::PointsTransfer;
    else if (Has(fields, "labelqorsave")) r.Kind = RequestKind::PointsSave;
    else if (Has(fields, "labelqorread")) r.Kind = RequestKind::PointsRead;
    else if (Has(fields, "labelinfosave")) r.Kind = RequestKind::InfoSave;
    else if (Has(fields, "labelinforead")) r.Kind = RequestKind::InfoRead;
    else if (Has(fields, "label0")) r.Kind = RequestKind::AccountRead;
    else if (Has(fields, "label1")) r.Kind = RequestKind::AccountCountRead;
    else if (nick && Has(fields, "dater")) r.Kind = RequestKind::AccountCreate;
    else if (!(r.Prefix = GamePrefixOf(fields, "kon")).empty()) r.Kind = nick ? RequestKind::GameSave : RequestKind::AccountTopTenRead;
    else if (!(r.Prefix = GamePrefixOf(fields, "best")).empty() && nick) r.Kind = RequestKind::GameRead;
    else if (!(r.Prefix = GamePrefixOf(fields, "rating")).empty() && !nick) r.Kind = RequestKind::AccountPlaceRead;
    if (r.Kind == RequestKind::Unknown) r.Prefix.clear();
    return r;
}

RecognisedRequest WorldTop(const FormFields& fields) {
    RecognisedRequest r;
    if (Has(fields, "rgid")) r.Kind = RequestKind::WorldPlaceRead;
    else if (Has(fields, "gid") && Has(fields, "score")) r.Kind = RequestKind::WorldResultSend;
    else if (Has(fields, "gid") && Has(fields, "nick")) r.Kind = RequestKind::WorldNearRead;
    else if (Has(fields, "gid") && fields.size() == 1) r.Kind = RequestKind::WorldTopTenRead;
    return r;
}

RecognisedRequest Stat(const FormFields& fields) {
    RecognisedRequest r;
    if (!Has(fields, "gid")) return r;
    if (Has(fields, "stat3")) r.Kind = RequestKind::LikeSend;
    else if (Has(fields, "stat1")) r.Kind = RequestKind::StartCount;
    else if (Has(fields, "R1")) r.Kind = RequestKind::GameStatisticsSend;
    else if (fields.size() == 1) r.Kind = RequestKind::StatisticsRead;
    return r;
}

RecognisedRequest Tour(const FormFields& fields) {
    RecognisedRequest r;
    for (const FormField& field : fields) {
        const std::string_view name = field.Name;
        std::optional<int> number;
        if (StartsWith(name, "readtable4") && Has(fields, "gid")) {
            r.Kind = RequestKind::TableListRead;
        } else if (name == "serverinforead") {
            r.Kind = RequestKind::ServerInfoRead;
        } else if (StartsWith(name, "client4on") && (number = SmallNumber(name.substr(9)))) {
            r.Kind = RequestKind::SeatWrite;
            r.Number = *number;
        } else if (StartsWith(name, "readclient") && (number = SmallNumber(name.substr(10)))) {
            r.Kind = RequestKind::SeatRead;
            r.Number = *number;
        } else if (StartsWith(name, "readrating") && (number = SmallNumber(name.substr(10)))) {
            r.Kind = RequestKind::StandingRead;
            r.Number = *number;
        } else if (StartsWith(name, "top10") && name.size() > 6 && (number = SmallNumber(name.substr(6)))) {
            r.Kind = RequestKind::TourTopTenRead;
            r.Key = name[5];
            r.Number = *number;
        } else if (StartsWith(name, "place") && name.size() > 6 && (number = SmallNumber(name.substr(6)))) {
            r.Kind = RequestKind::TourPlaceRead;
            r.Key = name[5];
            r.Number = *number;
        }
        if (r.Kind != RequestKind::Unknown) break;
    }
    if ((r.Kind == RequestKind::TourTopTenRead || r.Kind == RequestKind::TourPlaceRead) && r.Key != 's' &&
        r.Key != 'r' && r.Key != 'k')
        return {};
    return r;
}

} // namespace

std::optional<FormFields> ParseFormBody(std::string_view body) {
    if (!body.empty() && body.back() == '*') body.remove_suffix(1);
    FormFields fields;
    if (body.empty()) return std::nullopt;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t amp = body.find('&', start);
        if (amp == std::string_view::npos) amp = body.size();
        const std::string_view piece = body.substr(start, amp - start);
        start = amp + 1;
        const std::size_t equals = piece.find('=');
        if (equals == std::string_view::npos || equals == 0) return std::nullopt;
        FormField field{DecodeFormText(piece.substr(0, equals)), DecodeFormText(piece.substr(equals + 1))};
        if (field.Name.empty() || FieldValue(fields, field.Name) != nullptr) return std::nullopt;
        for (const std::string* text : {&field.Name, &field.Value})
            for (char c : *text)
                if (static_cast<unsigned char>(c) < 32 || c == 127) return std::nullopt;
        fields.push_back(std::move(field));
        if (fields.size() > kMaxFields) return std::nullopt;
        if (amp == body.size()) break;
    }
    return fields;
}

const std::string* FieldValue(const FormFields& fields, std::string_view name) {
    for (const FormField& field : fields)
        if (field.Name == name) return &field.Value;
    return nullptr;
}

RecognisedRequest RecogniseRequest(ServiceArea area, const FormFields& fields) {
    switch (area) {
    case ServiceArea::Account: return Account(fields);
    case ServiceArea::WorldTop: return WorldTop(fields);
    case ServiceArea::Stat: return Stat(fields);
    case ServiceArea::Tour: return Tour(fields);
    }
    return {};
}

std::optional<long long> ParseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseRatingField(std::string_view text) {
    if (text.empty() || text.size() > 40) return std::nullopt;
    std::string cleaned(text);
    for (char& c : cleaned)
        if (c == ',') c = '.';
    double value = 0;
    const auto [end, error] = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
    if (error != std::errc() || end != cleaned.data() + cleaned.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace vesrin::service
