#include "online/ServiceReplies.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vesrin {

bool HasMarker(std::string_view reply, std::string_view marker) {
    const std::size_t dollar = reply.find('$');
    const std::string_view status = dollar == std::string_view::npos ? reply : reply.substr(0, dollar);
    return !marker.empty() && status.find(marker) != std::string_view::npos;
}

std::string_view RecordAfterDollar(std::string_view reply) {
    const std::size_t dollar = reply.find('$');
    if (dollar == std::string_view::npos) return {};
    const std::string_view rest = reply.substr(dollar + 1);
    return rest.substr(0, rest.find('$'));
}

std::vector<std::string_view> RecordsDollarStar(std::string_view reply, std::size_t max) {
    std::vector<std::string_view> records;
    std::size_t at = 0;
    while (records.size() < max) {
        const std::size_t dollar = reply.find('$', at);
        if (dollar == std::string_view::npos) break;
        const std::size_t star = reply.find('*', dollar + 1);
        const std::size_t end = star == std::string_view::npos ? reply.size() : star;
        records.push_back(reply.substr(dollar + 1, end - dollar - 1));
        at = end;
        if (at >= reply.size()) break;
    }
    return records;
}

std::optional<long long> NumberAfterLastDollar(std::string_view reply) {
    const std::size_t dollar = reply.rfind('$');
    if (dollar == std::string_view::npos) return std::nullopt;
    const std::string_view rest = reply.substr(dollar + 1);
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + digits, value);
    if (error != std::errc() || end != rest.data() + digits) return std::nullopt;
    return value;
}

std::vector<std::string> RecordFields(std::string_view record, char separator) {
    std::vector<std::string> fields{std::string()};
    std::size_t start = 0;
    while (true) {
        const std::size_t next = record.find(separator, start);
        if (next == std::string_view::npos) {
            fields.emplace_back(record.substr(start));
            break;
        }
        fields.emplace_back(record.substr(start, next - start));
        start = next + 1;
    }
    fields.emplace_back(); // the piece after the separator added at the end
    return fields;
}

double ReadRating(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == '-') cleaned += c;
        else if (c != ' ') cleaned += '.';
    }
    double value = 0;
    const auto [end, error] = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return 0;
    (void)end;
    return value;
}

std::string WriteRating(double rating) {
    if (!std::isfinite(rating) || std::fabs(rating) < 0.00001) return "0";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::general);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

bool StatAccepted(std::string_view reply) {
    const std::size_t dollar = reply.rfind('$');
    if (dollar == std::string_view::npos) return false;
    std::string_view rest = reply.substr(dollar + 1);
    rest = rest.substr(0, rest.find('#'));
    return rest.size() >= 3 && rest.substr(1, 2) == "ok";
}

} // namespace vesrin
