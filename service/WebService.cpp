#include "WebService.h"

#include "PasswordHash.h"

namespace vesrin::service {

bool IsValidNick(const std::string& nick) {
    if (nick.size() < 2 || nick.size() > 12) return false;
    for (char c : nick) {
        const auto b = static_cast<unsigned char>(c);
        const bool latin = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9');
        const bool sign = c == '!' || c == '(' || c == ')' || c == ',' || c == '-' || c == '.' || c == '@' || c == '_';
        const bool cyrillic = b >= 0xC0 || b == 0xA8 || b == 0xB8;
        if (!latin && !sign && !cyrillic) return false;
    }
    return true;
}

std::optional<std::string> WordField(const FormFields& fields, std::string_view name, std::size_t maxBytes,
                                     std::string fallback) {
    const std::string* value = FieldValue(fields, name);
    if (value == nullptr) return fallback;
    if (value->size() > maxBytes) return std::nullopt;
    return RecordWord(*value);
}

std::optional<long long> NumberField(const FormFields& fields, std::string_view name, long long low, long long high,
                                     std::optional<long long> fallback) {
    const std::string* value = FieldValue(fields, name);
    if (value == nullptr) return fallback;
    const auto number = ParseInteger(*value);
    if (!number || *number < low || *number > high) return std::nullopt;
    return number;
}

HttpResponse TextResponse(int status, const QByteArray& body, const QByteArray& type) {
    HttpResponse response;
    response.Status = status;
    response.Body = body;
    response.ContentType = type;
    return response;
}

WebService::WebService(Storage& storage, ServiceOptions options)
    : storage_(storage), options_(std::move(options)), limiter_(options_.RatePerSecond, options_.RateBurst) {}

std::optional<AccountRow> WebService::SignedIn(const FormFields& fields) {
    const std::string* nick = FieldValue(fields, "nick");
    const std::string* pw = FieldValue(fields, "pw");
    if (nick == nullptr || pw == nullptr || pw->empty() || pw->size() > 64 || !IsValidNick(*nick)) return std::nullopt;
    auto account = storage_.FindAccount(*nick);
    if (!account || !VerifyPassword(account->PwHash, *pw)) return std::nullopt;
    return account;
}

std::string WebService::FormReply(ServiceArea area, const FormFields& fields) {
    const RecognisedRequest kind = RecogniseRequest(area, fields);
    if (kind.Kind == RequestKind::Unknown) return std::string(kFailReply);
    switch (area) {
    case ServiceArea::Account: return AccountReply(kind, fields);
    case ServiceArea::WorldTop: return WorldReply(kind, fields);
    case ServiceArea::Stat: return StatReply(kind, fields);
    case ServiceArea::Tour: return TourReply(kind, fields);
    }
    return std::string(kFailReply);
}

QHostAddress WebService::ClientAddress(const HttpRequest& request, const QHostAddress& peer) const {
    if (!options_.TrustForwardedFor || !peer.isLoopback()) return peer;
    const auto forwarded = request.Header("x-forwarded-for");
    if (!forwarded) return peer;
    std::string_view last = *forwarded;
    if (const std::size_t comma = last.rfind(','); comma != std::string_view::npos) last = last.substr(comma + 1);
    const QHostAddress client(QString::fromLatin1(last.data(), static_cast<int>(last.size())).trimmed());
    return client.isNull() ? peer : client;
}

HttpResponse WebService::Handle(const HttpRequest& request, const QHostAddress& connectionPeer) {
    const QHostAddress peer = ClientAddress(request, connectionPeer);
    if (!limiter_.Allow(peer.toString())) return TextResponse(429, "fail");
    static const std::pair<const char*, ServiceArea> kAreas[] = {{"/account", ServiceArea::Account},
                                                                 {"/worldtop", ServiceArea::WorldTop},
                                                                 {"/stat", ServiceArea::Stat},
                                                                 {"/tour", ServiceArea::Tour}};
    for (const auto& [path, area] : kAreas) {
        if (request.Path != path) continue;
        if (request.Method != "POST") {
            HttpResponse response = TextResponse(405, "fail");
            response.Headers.append(qMakePair(QByteArray("Allow"), QByteArray("POST")));
            return response;
        }
        const auto fields = ParseFormBody(request.Body);
        // A malformed body is refused before anything is looked up or changed.
        if (!fields) return TextResponse(400, QByteArray(kFailReply.data(), static_cast<int>(kFailReply.size())));
        const std::string reply = FormReply(area, *fields);
        return TextResponse(200, QByteArray::fromStdString(reply), "text/html; charset=windows-1251");
    }
    return SiteResponse(request, peer);
}

} // namespace vesrin::service
