#pragma once

#include "online/ServiceRequests.h"

#include <memory>
#include <string>
#include <string_view>

class QNetworkAccessManager;

namespace vesrin {

// What a request gave: the reply's bytes (code page 1251 text, or a picture), or "not
// connected" for a refused connection, an HTTP error or a time-out.
struct ServiceReply {
    bool Connected = false;
    std::string Body;
};

// The text every window shows when the service could not be reached.
inline constexpr std::string_view kNoConnectText = "No Connect";

// The HTTP client of the game web service. Each call blocks its caller until the reply
// or a failure: a nested event loop keeps timers and repaints going, but user input and
// other sockets wait until it is over, so no handler runs inside the request.
class ServiceClient {
public:
    // The read time-out of the reads that must not hold the window up: once set, it
    // stays on the client for every later request.
    static constexpr int kShortReadTimeoutMs = 3000;
    // Until then a request gives up after this long without data (a service that accepts
    // the connection and never answers must not freeze the program for good).
    static constexpr int kDefaultReadTimeoutMs = 30000;

    ServiceClient();
    ~ServiceClient();
    ServiceClient(const ServiceClient&) = delete;
    ServiceClient& operator=(const ServiceClient&) = delete;

    // POST of body bytes as they are (no escaping), form content type.
    ServiceReply ServicePostBody(const std::string& address, std::string_view body);
    // POST of form fields, percent-encoded and joined with "&".
    ServiceReply ServicePostFields(const std::string& address, const FormFields& fields);
    // GET of bytes (pictures, configuration texts).
    ServiceReply ServiceGet(const std::string& address);
    // POST of any body with its content type (the avatar upload).
    ServiceReply ServicePostData(const std::string& address, std::string_view body, const char* contentType);
    // A request of the service in its own style.
    ServiceReply Send(const std::string& address, const ServiceRequest& request);

    // From now on every request gives up after ms without data.
    void SetReadTimeout(int ms) { readTimeoutMs_ = ms; }
    int ReadTimeout() const { return readTimeoutMs_; }

private:
    struct Call;
    ServiceReply Wait(Call& call);

    std::unique_ptr<QNetworkAccessManager> manager_;
    int readTimeoutMs_ = kDefaultReadTimeoutMs;
};

// The one client of the program's main window.
ServiceClient& SharedServiceClient();

} // namespace vesrin
