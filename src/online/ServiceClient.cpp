#include "online/ServiceClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace vesrin {

namespace {

constexpr const char* kUserAgent = "NqwPioqBfwdmw";
constexpr const char* kFormType = "application/x-www-form-urlencoded";

QNetworkRequest MakeRequest(const std::string& address, int timeoutMs) {
    QNetworkRequest request(QUrl(QString::fromStdString(address)));
    request.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    request.setRawHeader("Accept", "text/html, */*");
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return request;
}

bool Usable(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

} // namespace

struct ServiceClient::Call {
    QNetworkReply* Reply = nullptr;
};

ServiceClient::ServiceClient() : manager_(std::make_unique<QNetworkAccessManager>()) {}

ServiceClient::~ServiceClient() = default;

ServiceReply ServiceClient::Wait(Call& call) {
    ServiceReply result;
    QNetworkReply* reply = call.Reply;
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
        const QByteArray bytes = reply->readAll();
        result.Connected = true;
        result.Body.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    reply->deleteLater();
    return result;
}

ServiceReply ServiceClient::ServicePostData(const std::string& address, std::string_view body, const char* contentType) {
    if (!Usable(address)) return {};
    QNetworkRequest request = MakeRequest(address, readTimeoutMs_);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    Call call{manager_->post(request, QByteArray(body.data(), static_cast<qsizetype>(body.size())))};
    return Wait(call);
}

ServiceReply ServiceClient::ServicePostBody(const std::string& address, std::string_view body) {
    return ServicePostData(address, body, kFormType);
}

ServiceReply ServiceClient::ServicePostFields(const std::string& address, const FormFields& fields) {
    return ServicePostBody(address, EncodeRequest({RequestStyle::Fields, fields, {}}));
}

ServiceReply ServiceClient::ServiceGet(const std::string& address) {
    if (!Usable(address)) return {};
    Call call{manager_->get(MakeRequest(address, readTimeoutMs_))};
    return Wait(call);
}

ServiceReply ServiceClient::Send(const std::string& address, const ServiceRequest& request) {
    return ServicePostBody(address, EncodeRequest(request));
}

ServiceClient& SharedServiceClient() {
    static ServiceClient client;
    return client;
}

} // namespace vesrin
