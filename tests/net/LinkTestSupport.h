#pragma once

#include "engine/GameFlow.h"
#include "net/TableLink.h"
#include "players/DecisionListPlayers.h"

#include <QTcpSocket>

#include <functional>
#include <string>
#include <vector>

namespace vesrin::test {

// Lets the event loop run until the condition holds; false after the time-out.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);

// A bare connection on 127.0.0.1 that sends and receives table bytes: a joiner or a host
// that follows no rules, to see what the other side does with what it gets.
class RawPeer {
public:
    explicit RawPeer(QTcpSocket* socket = nullptr);
    ~RawPeer();
    bool Connect(quint16 port);
    void Send(const std::string& bytes);
    // Waits until `n` bytes have come and takes them.
    std::string Take(std::size_t n);
    // What has come so far, without waiting.
    std::string Pending();
    bool WaitClosed();
    QTcpSocket& Socket() { return *socket_; }

private:
    void Pump();
    QTcpSocket* socket_;
    std::string received_;
};

// A copy of the program without a window: engine, computer players and the link.
class LinkedCopy : public EngineObserver {
public:
    LinkedCopy();
    ~LinkedCopy() override;
    void Announce(std::string_view payload) override { Link.SendToTable(payload); }

    GameState State;
    DecisionListPlayers Players;
    GameFlow Flow;
    TableLink Link;
    int BrokenOff = 0;
    int Seated = 0;
    std::vector<std::pair<int, std::string>> Chats;
};

// The first slot of the seat's hand that the rules allow now, and one they refuse (0
// when there is none).
int LegalSlot(const GameState& state, int seat);
int IllegalSlot(const GameState& state, int seat);

} // namespace vesrin::test
