#include "codec/HttpRequestReader.h"

#include <charconv>

namespace vesrin::service {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerText(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Lower(c);
    return out;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsToken(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 32 || b >= 127 || c == ':' || c == '(' || c == ')' || c == ',' || c == '"' || c == '/') return false;
    }
    return true;
}

bool ContainsToken(std::string_view list, std::string_view token) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) comma = list.size();
        if (LowerText(Trim(list.substr(start, comma - start))) == token) return true;
        start = comma + 1;
    }
    return false;
}

std::optional<std::uint64_t> Decimal(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string_view> HttpRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : Headers)
        if (key == name) return std::string_view(value);
    return std::nullopt;
}

bool HttpRequest::KeepAlive() const {
    const auto connection = Header("connection");
    if (Http10) return connection && ContainsToken(*connection, "keep-alive");
    return !(connection && ContainsToken(*connection, "close"));
}

HttpRequestReader::HttpRequestReader(HttpLimits limits) : limits_(std::move(limits)) {}

void HttpRequestReader::Feed(std::string_view bytes) {
    if (used_ > 0 && used_ == buffer_.size()) {
        buffer_.clear();
        used_ = 0;
    }
    buffer_.append(bytes);
}

bool HttpRequestReader::TakeContinueRequest() {
    const bool asked = continueAsked_;
    continueAsked_ = false;
    return asked;
}

ReadStatus HttpRequestReader::ParseHead(std::string_view head) {
    pending_ = HttpRequest();
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    const std::size_t space1 = requestLine.find(' ');
    const std::size_t space2 = space1 == std::string_view::npos ? space1 : requestLine.find(' ', space1 + 1);
    if (space2 == std::string_view::npos || requestLine.find(' ', space2 + 1) != std::string_view::npos)
        return ReadStatus::Bad;
    const std::string_view method = requestLine.substr(0, space1);
    const std::string_view target = requestLine.substr(space1 + 1, space2 - space1 - 1);
    const std::string_view version = requestLine.substr(space2 + 1);
    if (!IsToken(method) || target.empty() || target.front() != '/') return ReadStatus::Bad;
    for (char c : target)
        if (static_cast<unsigned char>(c) <= 32 || static_cast<unsigned char>(c) == 127) return ReadStatus::Bad;
    if (version == "HTTP/1.0") pending_.Http10 = true;
    else if (version != "HTTP/1.1") return ReadStatus::Bad;
    pending_.Method = std::string(method);
    pending_.Target = std::string(target);
    const std::size_t question = target.find('?');
    pending_.Path = std::string(target.substr(0, question));
    if (question != std::string_view::npos) pending_.Query = std::string(target.substr(question + 1));

    std::optional<std::uint64_t> length;
    std::size_t at = lineEnd == std::string_view::npos ? head.size() : lineEnd + 2;
    while (at < head.size()) {
        std::size_t end = head.find("\r\n", at);
        if (end == std::string_view::npos) end = head.size();
        const std::string_view line = head.substr(at, end - at);
        at = end + 2;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || !IsToken(line.substr(0, colon))) return ReadStatus::Bad;
        const std::string name = LowerText(line.substr(0, colon));
        const std::string_view value = Trim(line.substr(colon + 1));
        for (char c : value)
            if (static_cast<unsigned char>(c) < 32 && c != '\t') return ReadStatus::Bad;
        if (name == "transfer-encoding") return ReadStatus::Unsupported;
        if (name == "content-length") {
            const auto parsed = Decimal(value);
            if (!parsed || (length && *length != *parsed)) return ReadStatus::Bad;
            length = parsed;
        }
        pending_.Headers.emplace_back(name, std::string(value));
    }
    const std::size_t limit = pending_.Path == limits_.UploadPath ? limits_.MaxUploadBody : limits_.MaxBody;
    if (length && *length > limit) return ReadStatus::BodyTooLarge;
    bodyLength_ = length ? static_cast<std::size_t>(*length) : 0;
    const auto expect = pending_.Header("expect");
    continueAsked_ = expect && LowerText(*expect) == "100-continue" && bodyLength_ > 0;
    return ReadStatus::Complete;
}

ReadStatus HttpRequestReader::Next(HttpRequest& request) {
    if (!haveHead_) {
        const std::string_view rest = std::string_view(buffer_).substr(used_);
        const std::size_t end = rest.find("\r\n\r\n");
        if (end == std::string_view::npos) return rest.size() > limits_.MaxHead ? ReadStatus::HeadTooLarge : ReadStatus::NeedMore;
        if (end + 4 > limits_.MaxHead) return ReadStatus::HeadTooLarge;
        const ReadStatus status = ParseHead(rest.substr(0, end));
        if (status != ReadStatus::Complete) return status;
        used_ += end + 4;
        haveHead_ = true;
    }
    if (buffer_.size() - used_ < bodyLength_) return ReadStatus::NeedMore;
    pending_.Body = buffer_.substr(used_, bodyLength_);
    used_ += bodyLength_;
    haveHead_ = false;
    continueAsked_ = false;
    request = std::move(pending_);
    pending_ = HttpRequest();
    if (used_ > 64 * 1024) {
        buffer_.erase(0, used_);
        used_ = 0;
    }
    return ReadStatus::Complete;
}

RangeStatus ParseRange(std::string_view header, std::uint64_t size, ByteRange& range) {
    header = Trim(header);
    if (header.substr(0, 6) != "bytes=") return RangeStatus::None;
    const std::string_view spec = Trim(header.substr(6));
    if (spec.find(',') != std::string_view::npos) return RangeStatus::None;
    const std::size_t dash = spec.find('-');
    if (dash == std::string_view::npos) return RangeStatus::None;
    const std::string_view firstText = Trim(spec.substr(0, dash));
    const std::string_view lastText = Trim(spec.substr(dash + 1));
    if (firstText.empty()) {
        const auto suffix = Decimal(lastText);
        if (!suffix) return RangeStatus::None;
        if (*suffix == 0 || size == 0) return RangeStatus::Unsatisfiable;
        range.First = *suffix >= size ? 0 : size - *suffix;
        range.Last = size - 1;
        return RangeStatus::Satisfiable;
    }
    const auto first = Decimal(firstText);
    if (!first) return RangeStatus::None;
    std::uint64_t last = size == 0 ? 0 : size - 1;
    if (!lastText.empty()) {
        const auto parsed = Decimal(lastText);
        if (!parsed || *parsed < *first) return RangeStatus::None;
        if (*parsed < last) last = *parsed;
    }
    if (*first >= size) return RangeStatus::Unsatisfiable;
    range.First = *first;
    range.Last = last;
    return RangeStatus::Satisfiable;
}

std::optional<std::string> DecodePath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        char c = path[i];
        if (c == '%') {
            if (i + 2 >= path.size()) return std::nullopt;
            const int high = HexDigitValue(path[i + 1]);
            const int low = HexDigitValue(path[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (c == '\0') return std::nullopt;
        out += c;
    }
    return out;
}

} // namespace vesrin::service
