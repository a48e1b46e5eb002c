#pragma once

#include "engine/GameFlow.h"
#include "net/ReceiveBuffer.h"
#include "net/TableMessages.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>
#include <string>
#include <string_view>

class QTcpServer;
class QTcpSocket;

namespace vesrin {

// What the link tells the program around it. Every hook may be left empty.
struct TableLinkHooks {
    // A chat line of the player at `netSeat` (code page 1251, blanks trimmed).
    std::function<void(int netSeat, const std::string& text)> ChatReceived;
    // Host: a joiner was seated (NetRemotes went up). Joiner: the seat names changed.
    std::function<void()> SeatingChanged;
    // Joiner: the host assigned a seat; the game is to start.
    std::function<void()> Seated;
    // A game was broken off by a disconnect or an "abort": the link is closed already;
    // the program returns to the menu with the message. Also a seated joiner that leaves
    // a gathering host.
    std::function<void()> BrokenOff;
    // Joiner: the connection failed or was refused before a seat was given.
    std::function<void()> ConnectionFailed;
    // Joiner: a deal came while no game runs on the table, or after the last one was
    // summed up: a new game is to start (StartHand(false)) before the deal is taken.
    std::function<void()> NewGame;
    // Joiner: the host closed the table after the game was over.
    std::function<void()> TableClosed;
    // After each message the link handled (a headless seat takes its next steps here).
    std::function<void()> MessageHandled;
    // Runs engine work that may block (flights, pauses). The window runs it as one of
    // its blocking steps or after the one running; by default it runs at once.
    std::function<void(std::function<void()>)> RunStep;
};

// The link of a network table on Qt sockets, on the GUI thread. One copy hosts: it
// listens (ServerSocket1), seats up to three joiners, and is the authority of the game:
// a joiner's move is taken only when it carries the seat of its connection, it is that
// seat's turn and the move is legal; everything else is ignored. The other copies join
// (ClientSocket1) and feed the host's messages into their engine. Moves of the own engine
// go out through SendToTable (the engine's Announce).
class TableLink : public QObject {
    Q_OBJECT
public:
    enum Phase { Idle = 0, Gathering = 1, Seated = 2, Playing = 3 };

    TableLink(GameFlow& flow, QObject* parent = nullptr);
    ~TableLink() override;

    TableLinkHooks Hooks;

    // Host: listens on the port (0 picks a free one). False when the port cannot be
    // opened. NetSeat := 1, NetRemotes := -1, ConnPhase := gathering.
    bool HostTable(quint16 port, std::string_view playerName, const QHostAddress& address = QHostAddress::Any);
    // Joiner: connects; the hello goes out once the connection stands.
    void JoinTable(const QString& address, quint16 port, std::string_view playerName);
    // Closes every socket and forgets the table (ConnPhase := idle).
    void Close();
    // Host: stops taking connections (the seated joiners stay).
    void CloseListener();

    // The engine's moves: on the host to every seated joiner, on a joiner to the host.
    void SendToTable(std::string_view payload);
    // Host: a joiner's move to every other seated joiner.
    void RelayFromSeat(int seat, std::string_view message);
    // The own chat line to the table (code page 1251, at most 15 characters).
    void SendChat(std::string_view text);

    int ConnPhase() const { return connPhase_; }
    bool ConnFailed() const { return connFailed_; }
    bool Aborted() const { return aborted_; }
    bool JoinedAsClient() const { return joinedAsClient_; }
    bool IsHost() const { return host_; }
    quint16 ListeningPort() const;
    // Host: the joiners seated so far (0..3).
    int Joiners() const;
    const std::string& PlayerName() const { return playerName_; }

private:
    struct Peer {
        QTcpSocket* Socket = nullptr;
        ReceiveBuffer Buffer = TableReceiveBuffer();
        int NetSeat = 0; // 0 until seated
    };

    // What hosting and joining share: the old table closed, the name, the game kind.
    void BeginTable(bool host, std::string_view playerName);
    void NewConnection();
    void ReadPeer(QTcpSocket* socket);
    void PeerClosed(QTcpSocket* socket);
    void ClientConnected();
    void ReadClient();
    void DrainClient();
    void ClientClosed();
    void ClientError();
    void Run(std::function<void()> work);

    // The receive rules (TableReceive.cpp).
    void HostMessage(Peer& peer, const std::string& bytes);
    void SeatJoiner(Peer& peer, const TableMessage& hello);
    void HostCard(Peer& peer, const std::string& bytes, const TableMessage& card);
    void HostPassChoice(const Peer& peer, const TableMessage& choice);
    void JoinerMessage(const std::string& bytes);
    void TakeSeatNames(const std::array<std::string, 4>& names);
    void TakeExchange(const TableMessage& exchange);
    void TakeDeal(const DealData& deal);
    void BreakOff(bool aborted);
    Peer* PeerOfSeat(int netSeat);
    void Send(QTcpSocket* socket, std::string_view bytes);

    GameFlow& flow_;
    QTcpServer* ServerSocket1 = nullptr;
    QTcpSocket* ClientSocket1 = nullptr;
    std::vector<std::unique_ptr<Peer>> peers_;
    ReceiveBuffer clientBuffer_ = TableReceiveBuffer();
    std::string playerName_;
    int connPhase_ = Idle;
    bool host_ = false;
    bool connFailed_ = false;
    bool aborted_ = false;
    bool joinedAsClient_ = false;
    bool helloSent_ = false;
};

} // namespace vesrin
