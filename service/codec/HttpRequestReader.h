#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesrin::service {

// One HTTP/1.1 request as it came off a connection.
struct HttpRequest {
    std::string Method;
    std::string Target; // as sent: path and query
    std::string Path;   // the target before "?", still percent-encoded
    std::string Query;
    bool Http10 = false;
    std::vector<std::pair<std::string, std::string>> Headers; // names in lower case
    std::string Body;

    // The first header of that (lower-case) name.
    std::optional<std::string_view> Header(std::string_view name) const;
    // HTTP/1.1 keeps the connection unless it says "close"; HTTP/1.0 only with "keep-alive".
    bool KeepAlive() const;
};

struct HttpLimits {
    std::size_t MaxHead = 8 * 1024;
    std::size_t MaxBody = 8 * 1024;
    std::size_t MaxUploadBody = 256 * 1024;
    std::string UploadPath = "/avatars"; // the one path whose bodies may be larger
};

enum class ReadStatus {
    NeedMore,    // the request is not complete yet
    Complete,    // one request taken from the buffer
    Bad,         // not HTTP: answer 400 and close
    HeadTooLarge,
    BodyTooLarge,
    Unsupported, // a transfer coding other than a plain length: answer 501 and close
};

// Cuts requests out of the bytes of one connection. Requests may arrive in pieces or
// several in one read; the reader keeps what it has not used. Heads and bodies are
// bounded, so a client cannot make the service hold more than a few KiB per connection
// (an avatar upload somewhat more).
class HttpRequestReader {
public:
    explicit HttpRequestReader(HttpLimits limits = {});

    void Feed(std::string_view bytes);
    ReadStatus Next(HttpRequest& request);
    // True once for a request whose head asked for "100-continue" and whose body is
    // still to come.
    bool TakeContinueRequest();
    std::size_t Buffered() const { return buffer_.size() - used_; }

private:
    ReadStatus ParseHead(std::string_view head);

    HttpLimits limits_;
    std::string buffer_;
    std::size_t used_ = 0;
    bool haveHead_ = false;
    bool continueAsked_ = false;
    std::size_t bodyLength_ = 0;
    HttpRequest pending_;
};

// A "Range" header for a file of a known size: one range "bytes=a-b", "bytes=a-" or
// "bytes=-n". Several ranges or another unit are ignored (the whole file is sent).
struct ByteRange {
    std::uint64_t First = 0;
    std::uint64_t Last = 0; // inclusive
};
enum class RangeStatus { None, Satisfiable, Unsatisfiable };
RangeStatus ParseRange(std::string_view header, std::uint64_t size, ByteRange& range);

// The value of a hexadecimal digit, -1 for any other character.
int HexDigitValue(char c);

// Percent-decoding of a path; nullopt for a broken escape or a NUL byte.
std::optional<std::string> DecodePath(std::string_view path);

} // namespace vesrin::service
