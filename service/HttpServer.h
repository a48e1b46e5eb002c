#pragma once

#include "codec/HttpRequestReader.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTcpServer>
#include <QTimer>

#include <functional>
#include <memory>

class QTcpSocket;

namespace vesrin::service {

struct HttpResponse {
    int Status = 200;
    QByteArray ContentType = "text/html; charset=windows-1251";
    QByteArray Body;
    QList<QPair<QByteArray, QByteArray>> Headers;
    // A file part sent after the head instead of Body (downloads, songs).
    QString FilePath;
    qint64 FileOffset = 0;
    qint64 FileLength = 0;
};

using HttpHandler = std::function<HttpResponse(const HttpRequest&, const QHostAddress& peer)>;

// HTTP/1.1 with keep-alive on QTcpServer. Each connection cuts its requests with the
// bounded reader of the codec and answers them in order; files are streamed in pieces
// as the socket drains. Idle connections close after a while.
class HttpServer : public QObject {
public:
    HttpServer(HttpHandler handler, HttpLimits limits, QObject* parent = nullptr);
    bool Listen(const QHostAddress& address, quint16 port);
    // Serves a listening socket made elsewhere (shared by several worker processes).
    bool ListenOn(qintptr descriptor);
    quint16 Port() const { return server_.serverPort(); }
    QString ErrorText() const { return server_.errorString(); }

private:
    void Accept();

    HttpHandler handler_;
    HttpLimits limits_;
    QTcpServer server_;
    int connections_ = 0;
    QHash<QString, int> perAddress_;
};

class HttpConnection : public QObject {
public:
    HttpConnection(QTcpSocket* socket, const HttpHandler& handler, const HttpLimits& limits, int* counter,
                   QHash<QString, int>* perAddress);
    ~HttpConnection() override;

private:
    void ReadData();
    void Process();
    void Send(const HttpRequest* request, HttpResponse response, bool keepAlive);
    void SendError(int status);
    void WriteFilePiece();
    void Finish();

    QTcpSocket* socket_;
    const HttpHandler& handler_;
    HttpRequestReader reader_;
    QTimer idle_;
    std::unique_ptr<QFile> file_;
    qint64 fileLeft_ = 0;
    bool closeAfter_ = false;
    int* counter_;
    QHash<QString, int>* perAddress_;
    QString address_;
};

QByteArray StatusText(int status);

} // namespace vesrin::service
