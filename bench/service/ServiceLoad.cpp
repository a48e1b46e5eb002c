// Load run against a running vesrin-service: C keep-alive clients, each sending its next
// request as soon as the previous reply is complete, for D seconds, with a mix of the
// program's reads and writes. Prints requests per second and latency percentiles.
//   service_load PORT [--clients 64] [--seconds 10]
#include "online/ServiceRequests.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using namespace vesrin;

struct Mix {
    const char* Path;
    std::string Body;
    int Weight;
};

std::vector<Mix> MakeMix(int client) {
    WorldResultValues result;
    result.Nick = "Load" + std::to_string(client);
    result.City = "Paris";
    result.Country = "1-015";
    result.Score = client * 7 % 300;
    WorldResultValues chat = result;
    chat.Gid = 100;
    chat.R10 = "load_test_message";
    return {
        {"/worldtop", EncodeRequest(WorldTopTenRead(42)), 35},
        {"/worldtop", EncodeRequest(WorldTopTenRead(100)), 10},
        {"/worldtop", EncodeRequest(WorldNearRead(42, result.Nick, "Paris")), 10},
        {"/tour", EncodeRequest(TableListRead(42)), 10},
        {"/stat", EncodeRequest(StatisticsRead(42)), 5},
        {"/account", EncodeRequest(AccountCountRead()), 5},
        {"/worldtop", EncodeRequest(WorldResultSend(result)), 10},
        {"/stat", EncodeRequest(GameStatisticsSend(42, {1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0})), 10},
        {"/worldtop", EncodeRequest(WorldResultSend(chat)), 5},
    };
}

class Client : public QObject {
public:
    Client(int id, quint16 port, std::vector<qint64>* latencies, const bool* running, int* errors)
        : mix_(MakeMix(id)), random_(static_cast<unsigned>(id)), latencies_(latencies), running_(running), errors_(errors) {
        for (const Mix& m : mix_) total_ += m.Weight;
        connect(&socket_, &QTcpSocket::connected, this, &Client::SendNext);
        connect(&socket_, &QTcpSocket::readyRead, this, &Client::Read);
        socket_.connectToHost("127.0.0.1", port);
    }

private:
    void SendNext() {
        if (!*running_) {
            socket_.disconnectFromHost();
            return;
        }
        int pick = std::uniform_int_distribution<int>(0, total_ - 1)(random_);
        const Mix* chosen = &mix_.front();
        for (const Mix& m : mix_) {
            if (pick < m.Weight) {
                chosen = &m;
                break;
            }
            pick -= m.Weight;
        }
        const QByteArray body = QByteArray::fromStdString(chosen->Body);
        socket_.write("POST " + QByteArray(chosen->Path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: NqwPioqBfwdmw\r\n"
                      "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        clock_.start();
    }

    void Read() {
        buffer_ += socket_.readAll();
        const int headEnd = buffer_.indexOf("\r\n\r\n");
        if (headEnd < 0) return;
        const int at = buffer_.indexOf("Content-Length: ");
        if (at < 0 || at > headEnd) {
            ++*errors_;
            socket_.abort();
            return;
        }
        const int length = buffer_.mid(at + 16, buffer_.indexOf("\r\n", at) - at - 16).toInt();
        if (buffer_.size() < headEnd + 4 + length) return;
        if (!buffer_.startsWith("HTTP/1.1 200")) ++*errors_;
        buffer_.remove(0, headEnd + 4 + length);
        latencies_->push_back(clock_.nsecsElapsed() / 1000);
        SendNext();
    }

    std::vector<Mix> mix_;
    int total_ = 0;
    std::mt19937 random_;
    QTcpSocket socket_;
    QByteArray buffer_;
    QElapsedTimer clock_;
    std::vector<qint64>* latencies_;
    const bool* running_;
    int* errors_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: service_load PORT [--clients 64] [--seconds 10]\n");
        return 2;
    }
    const quint16 port = static_cast<quint16>(args[1].toInt());
    int clients = 64;
    int seconds = 10;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == "--clients") clients = args[i + 1].toInt();
        if (args[i] == "--seconds") seconds = args[i + 1].toInt();
    }
    std::vector<qint64> latencies;
    latencies.reserve(1000000);
    bool running = true;
    int errors = 0;
    std::vector<std::unique_ptr<Client>> pool;
    for (int i = 0; i < clients; ++i) pool.push_back(std::make_unique<Client>(i, port, &latencies, &running, &errors));
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, [&] {
        running = false;
        const double elapsed = wall.nsecsElapsed() / 1e9;
        std::vector<qint64> sorted = latencies;
        std::sort(sorted.begin(), sorted.end());
        const auto at = [&](double q) {
            return sorted.empty() ? 0.0 : sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(q * sorted.size()))] / 1000.0;
        };
        std::printf("clients %d, %.1f s: %zu requests, %.0f requests/s, errors %d\n", clients, elapsed, sorted.size(),
                    sorted.size() / elapsed, errors);
        std::printf("latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", at(0.5), at(0.9), at(0.99), at(1.0));
        app.quit();
    });
    return app.exec();
}
