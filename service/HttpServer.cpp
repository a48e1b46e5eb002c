#include "HttpServer.h"

#include <QTcpSocket>

namespace vesrin::service {
namespace {

constexpr int kIdleMs = 30000;
constexpr int kMaxConnections = 4000;
// Open connections of one client address; idle ones would otherwise let one client hold
// every place.
constexpr int kMaxConnectionsPerAddress = 256;
constexpr qint64 kFilePiece = 64 * 1024;
constexpr qint64 kWriteBacklog = 256 * 1024;

} // namespace

QByteArray StatusText(int status) {
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 206: return "Partial Content";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 416: return "Range Not Satisfiable";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

HttpServer::HttpServer(HttpHandler handler, HttpLimits limits, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), limits_(std::move(limits)) {
    connect(&server_, &QTcpServer::newConnection, this, &HttpServer::Accept);
}

bool HttpServer::Listen(const QHostAddress& address, quint16 port) { return server_.listen(address, port); }

bool HttpServer::ListenOn(qintptr descriptor) { return server_.setSocketDescriptor(descriptor); }

void HttpServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (connections_ >= kMaxConnections || perAddress_.value(socket->peerAddress().toString()) >= kMaxConnectionsPerAddress) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        new HttpConnection(socket, handler_, limits_, &connections_, &perAddress_);
    }
}

HttpConnection::HttpConnection(QTcpSocket* socket, const HttpHandler& handler, const HttpLimits& limits, int* counter,
                               QHash<QString, int>* perAddress)
    : QObject(socket), socket_(socket), handler_(handler), reader_(limits), counter_(counter), perAddress_(perAddress),
      address_(socket->peerAddress().toString()) {
    ++*counter_;
    ++(*perAddress_)[address_];
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    connect(&idle_, &QTimer::timeout, this, [this] { socket_->abort(); });
    connect(socket_, &QTcpSocket::readyRead, this, &HttpConnection::ReadData);
    connect(socket_, &QTcpSocket::bytesWritten, this, [this] {
        if (file_) WriteFilePiece();
        else if (closeAfter_ && socket_->bytesToWrite() == 0) socket_->disconnectFromHost();
    });
    connect(socket_, &QTcpSocket::disconnected, socket_, &QObject::deleteLater);
    connect(socket_, &QTcpSocket::errorOccurred, socket_, [this] {
        if (socket_->state() != QAbstractSocket::ConnectedState) socket_->deleteLater();
    });
    idle_.start();
}

HttpConnection::~HttpConnection() {
    --*counter_;
    if (--(*perAddress_)[address_] <= 0) perAddress_->remove(address_);
}

void HttpConnection::ReadData() {
    idle_.start();
    const QByteArray bytes = socket_->readAll();
    if (closeAfter_) return;
    reader_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    // A client that keeps sending while a file goes out must not fill our memory.
    if (file_ && reader_.Buffered() > 64 * 1024) {
        socket_->abort();
        return;
    }
    Process();
}

void HttpConnection::Process() {
    while (!file_ && !closeAfter_) {
        HttpRequest request;
        const ReadStatus status = reader_.Next(request);
        switch (status) {
        case ReadStatus::NeedMore:
            if (reader_.TakeContinueRequest()) socket_->write("HTTP/1.1 100 Continue\r\n\r\n");
            return;
        case ReadStatus::Complete: {
            const bool keepAlive = request.KeepAlive();
            Send(&request, handler_(request, socket_->peerAddress()), keepAlive);
            break;
        }
        case ReadStatus::Bad: SendError(400); return;
        case ReadStatus::HeadTooLarge: SendError(431); return;
        case ReadStatus::BodyTooLarge: SendError(413); return;
        case ReadStatus::Unsupported: SendError(501); return;
        }
    }
}

void HttpConnection::SendError(int status) {
    HttpResponse response;
    response.Status = status;
    response.ContentType = "text/plain; charset=utf-8";
    response.Body = "fail";
    Send(nullptr, response, false);
}

void HttpConnection::Send(const HttpRequest* request, HttpResponse response, bool keepAlive) {
    const bool head = request != nullptr && request->Method == "HEAD";
    const bool hasFile = !response.FilePath.isEmpty();
    if (hasFile) {
        file_ = std::make_unique<QFile>(response.FilePath);
        if (!file_->open(QIODevice::ReadOnly) || !file_->seek(response.FileOffset)) {
            file_.reset();
            response = HttpResponse();
            response.Status = 404;
            response.ContentType = "text/plain; charset=utf-8";
            response.Body = "not found";
        }
    }
    const qint64 length = file_ ? response.FileLength : response.Body.size();
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.Status) + ' ' + StatusText(response.Status) + "\r\n";
    out += "Content-Type: " + response.ContentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(length) + "\r\n";
    for (const auto& [name, value] : response.Headers) out += name + ": " + value + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    closeAfter_ = !keepAlive;
    if (head) {
        file_.reset();
    } else if (file_) {
        fileLeft_ = length;
    } else {
        out += response.Body;
    }
    socket_->write(out);
    if (file_) WriteFilePiece();
    else if (closeAfter_) Finish();
}

void HttpConnection::WriteFilePiece() {
    idle_.start();
    while (file_ && fileLeft_ > 0 && socket_->bytesToWrite() < kWriteBacklog) {
        const QByteArray piece = file_->read(qMin(kFilePiece, fileLeft_));
        if (piece.isEmpty()) {
            socket_->abort(); // the file shrank under us: the length sent cannot be kept
            return;
        }
        fileLeft_ -= piece.size();
        socket_->write(piece);
    }
    if (file_ && fileLeft_ == 0) {
        file_.reset();
        if (closeAfter_) Finish();
        else Process();
    }
}

void HttpConnection::Finish() {
    if (socket_->bytesToWrite() == 0) socket_->disconnectFromHost();
}

} // namespace vesrin::service
