#pragma once

#include "HttpServer.h"
#include "RateLimiter.h"
#include "ServiceOptions.h"
#include "Storage.h"
#include "codec/ServiceReplyWriter.h"
#include "codec/ServiceRequestParse.h"

#include <optional>
#include <string>

namespace vesrin::service {

// The game web service: routes each request by path, recognises the form requests by
// their marker fields and answers in the reply forms the program reads. Everything a
// request needs is in the storage, so several processes may share one PostgreSQL.
class WebService {
public:
    WebService(Storage& storage, ServiceOptions options);
    HttpResponse Handle(const HttpRequest& request, const QHostAddress& peer);

private:
    std::string FormReply(ServiceArea area, const FormFields& fields);
    std::string AccountReply(const RecognisedRequest& kind, const FormFields& fields);
    std::string WorldReply(const RecognisedRequest& kind, const FormFields& fields);
    std::string StatReply(const RecognisedRequest& kind, const FormFields& fields);
    std::string TourReply(const RecognisedRequest& kind, const FormFields& fields);
    std::string SeatWriteReply(int seat, const FormFields& fields);

    // The account named by "nick" when "pw" is its password.
    std::optional<AccountRow> SignedIn(const FormFields& fields);

    HttpResponse SiteResponse(const HttpRequest& request, const QHostAddress& peer);
    HttpResponse ConfigText(const HttpRequest& request);
    HttpResponse StartText(const HttpRequest& request);
    HttpResponse NewsPage();
    HttpResponse StaticFile(const HttpRequest& request, const QString& folder, const std::string& relative);
    HttpResponse AvatarGet(const HttpRequest& request, const std::string& name);
    HttpResponse AvatarUpload(const HttpRequest& request);
    HttpResponse PublicPage(const std::string& path);
    QString BaseUrl(const HttpRequest& request) const;
    QHostAddress ClientAddress(const HttpRequest& request, const QHostAddress& peer) const;

    Storage& storage_;
    ServiceOptions options_;
    RateLimiter limiter_;
};

// Shared checks of field values.
// A nick: 2 to 12 characters of the name check's set (Latin letters, digits, "!(),-.@_",
// Cyrillic letters).
bool IsValidNick(const std::string& nick);
// A word field: at most maxBytes, made safe for a blank-separated record.
std::optional<std::string> WordField(const FormFields& fields, std::string_view name, std::size_t maxBytes,
                                     std::string fallback = "#");
std::optional<long long> NumberField(const FormFields& fields, std::string_view name, long long low, long long high,
                                     std::optional<long long> fallback = std::nullopt);

HttpResponse TextResponse(int status, const QByteArray& body, const QByteArray& type = "text/plain; charset=utf-8");

} // namespace vesrin::service
