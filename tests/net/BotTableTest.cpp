// Whole games of vesrin-bot copies on 127.0.0.1: every copy ends with the same game.

#include "LinkTestSupport.h"

#include "engine/Seats.h"
#include "net/TableMessages.h"

#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace vesrin::test {
namespace {

QString BotProgram() {
    const char* binary = std::getenv("VESRIN_BINARY_DIR");
    return QString::fromUtf8(binary ? binary : ".") + QStringLiteral("/bin/vesrin-bot");
}

std::unique_ptr<QProcess> StartBot(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->start(BotProgram(), arguments);
    process->waitForStarted(20000);
    return process;
}

// The first line "<word> N" the process printed.
int NumberAfter(QProcess& process, const QString& word) {
    int value = 0;
    WaitFor([&] {
        process.waitForReadyRead(50);
        const QString out = QString::fromUtf8(process.peek(4096));
        const int at = out.indexOf(word);
        if (at < 0 || out.indexOf('\n', at) < 0) return false;
        value = out.mid(at + word.size(), out.indexOf('\n', at) - at - word.size()).trimmed().toInt();
        return true;
    });
    return value;
}

int ExitCodeOf(QProcess& process) {
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    return tokens;
}

// A copy's log in NetSeat numbers, without the players' rule labels: the lines every
// copy must share. Deal and pass lines come per seat and are put in NetSeat order.
std::vector<std::string> TableView(const std::string& path, int viewer) {
    std::ifstream in(path);
    std::vector<std::string> out;
    std::vector<std::string> block;
    const auto flush = [&] {
        std::sort(block.begin(), block.end());
        out.insert(out.end(), block.begin(), block.end());
        block.clear();
    };
    const auto net = [viewer](const std::string& seat) { return std::to_string(NetSeatOfLocalSeat(viewer, std::stoi(seat))); };
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> t = Tokens(line);
        if (t.empty()) continue;
        if (t[0] == "deal" || t[0] == "pass") {
            t[1] = net(t[1]);
            std::string joined;
            for (const auto& token : t) joined += token + " ";
            block.push_back(joined);
            continue;
        }
        flush();
        if (t[0] == "play") {
            out.push_back("play " + t[1] + " " + net(t[2]) + " " + t[3]);
        } else if (t[0] == "trick") {
            out.push_back("trick " + t[1] + " " + net(t[2]) + " " + t[3]);
        } else if (t[0] == "hand-end" || t[0] == "game-end") {
            std::vector<std::string> numbers;
            for (std::size_t i = 1; i < t.size(); ++i)
                if (t[i] != "totals") numbers.push_back(t[i]);
            std::string joined = t[0];
            for (std::size_t group = 0; group + 4 <= numbers.size(); group += 4)
                for (int netSeat = 1; netSeat <= 4; ++netSeat)
                    joined += " " + numbers[group + std::size_t(LocalSeatOfNetSeat(viewer, netSeat) - 1)];
            out.push_back(joined);
        } else {
            out.push_back(line);
        }
    }
    flush();
    return out;
}

struct TableCase {
    const char* Name;
    int Joiners;
    QStringList HostOptions;
    int Games;
};

TEST(BotTable, EveryCopyEndsWithTheSameGame) {
    const TableCase cases[] = {
        {"one joiner", 1, {"--seed", "3"}, 1},
        {"two joiners, moon, short games", 2, {"--seed", "4", "--moon", "on", "--limit", "50", "--games", "2"}, 2},
        {"three joiners", 3, {"--seed", "5"}, 1},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir folder;
        const QString hostLog = folder.filePath(QStringLiteral("host.log"));
        auto host = StartBot(QStringList{"host", "--port", "0", "--joiners", QString::number(c.Joiners), "--log", hostLog} +
                             c.HostOptions);
        const int port = NumberAfter(*host, QStringLiteral("listening on port "));
        ASSERT_GT(port, 0);
        std::vector<std::unique_ptr<QProcess>> joiners;
        std::vector<QString> logs;
        for (int i = 1; i <= c.Joiners; ++i) {
            logs.push_back(folder.filePath(QStringLiteral("join%1.log").arg(i)));
            joiners.push_back(StartBot({"join", "--address", "127.0.0.1", "--port", QString::number(port), "--name",
                                        QStringLiteral("Bot%1").arg(i), "--log", logs.back()}));
        }
        std::vector<int> seats;
        for (auto& joiner : joiners) seats.push_back(NumberAfter(*joiner, QStringLiteral("seat ")));
        EXPECT_EQ(ExitCodeOf(*host), 0) << host->readAllStandardError().toStdString();
        for (auto& joiner : joiners) EXPECT_EQ(ExitCodeOf(*joiner), 0) << joiner->readAllStandardError().toStdString();

        const std::vector<std::string> table = TableView(hostLog.toStdString(), 1);
        EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const std::string& l) { return l.rfind("game-end", 0) == 0; }),
                  c.Games);
        std::vector<int> sortedSeats = seats;
        std::sort(sortedSeats.begin(), sortedSeats.end());
        for (int i = 0; i < c.Joiners; ++i) EXPECT_EQ(sortedSeats[std::size_t(i)], i + 2);
        for (std::size_t i = 0; i < joiners.size(); ++i) {
            SCOPED_TRACE("joiner at NetSeat " + std::to_string(seats[i]));
            EXPECT_EQ(TableView(logs[i].toStdString(), seats[i]), table);
        }
    }
}

TEST(BotTable, AJoinerWhoseHostLeavesMidHandReportsTheBreak) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    auto joiner = StartBot({"join", "--address", "127.0.0.1", "--port", QString::number(server.serverPort())});
    ASSERT_TRUE(WaitFor([&] { return server.hasPendingConnections(); }));
    RawPeer host(server.nextPendingConnection());
    host.Socket().setParent(nullptr);
    EXPECT_EQ(host.Take(19), "qor4225connect1Bot ");
    DealData deal;
    for (int pos = 1; pos <= 52; ++pos) {
        deal.Deck[pos] = CardOfDeckNumber(53 - pos);
        deal.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(deal.Deck[pos]));
    }
    host.Send("connect2+2HostBot PC  PC  " + EncodeDeal(deal) + "h10000001");
    // The bot picks its three cards and sends them at once.
    EXPECT_EQ(host.Take(9).substr(0, 2), "h3");
    host.Socket().disconnectFromHost();
    EXPECT_EQ(ExitCodeOf(*joiner), 3);
    EXPECT_NE(joiner->readAllStandardError().indexOf("has interrupted game!"), -1);
}

TEST(BotTable, AJoinerWithoutAHostGetsNoSeat) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    auto joiner = StartBot({"join", "--address", "127.0.0.1", "--port", QString::number(port)});
    EXPECT_EQ(ExitCodeOf(*joiner), 2);
}

} // namespace
} // namespace vesrin::test
