// The sockets of a network table: listening and seating on the host, connecting on a
// joiner, sending, and what a closed connection does to a running game.

#include "net/TableLink.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace vesrin {

TableLink::TableLink(GameFlow& flow, QObject* parent) : QObject(parent), flow_(flow) {}

TableLink::~TableLink() {
    // No hook runs while the link goes away.
    Hooks = {};
    Close();
}

void TableLink::Run(std::function<void()> work) {
    if (Hooks.RunStep)
        Hooks.RunStep(std::move(work));
    else
        work();
}

void TableLink::BeginTable(bool host, std::string_view playerName) {
    Close();
    GameState& s = flow_.State();
    playerName_ = std::string(playerName.substr(0, 20));
    playerName_.resize(20, ' ');
    host_ = host;
    s.NetMode = true;
    s.TourMode = false;
    s.NetSeat = host ? 1 : 2;
    // A joiner has no seat until the host gives one; its first deal is not counted again.
    connFailed_ = !host;
    joinedAsClient_ = !host;
    aborted_ = false;
}

bool TableLink::HostTable(quint16 port, std::string_view playerName, const QHostAddress& address) {
    BeginTable(true, playerName);
    flow_.State().NetRemotes = -1;
    ServerSocket1 = new QTcpServer(this);
    connect(ServerSocket1, &QTcpServer::newConnection, this, &TableLink::NewConnection);
    if (!ServerSocket1->listen(address, port)) {
        delete ServerSocket1;
        ServerSocket1 = nullptr;
        return false;
    }
    connPhase_ = Gathering;
    return true;
}

void TableLink::JoinTable(const QString& address, quint16 port, std::string_view playerName) {
    BeginTable(false, playerName);
    connPhase_ = Gathering;
    helloSent_ = false;
    clientBuffer_.Clear();
    ClientSocket1 = new QTcpSocket(this);
    connect(ClientSocket1, &QTcpSocket::connected, this, &TableLink::ClientConnected);
    connect(ClientSocket1, &QTcpSocket::readyRead, this, &TableLink::ReadClient);
    connect(ClientSocket1, &QTcpSocket::disconnected, this, &TableLink::ClientClosed);
    connect(ClientSocket1, &QTcpSocket::errorOccurred, this, &TableLink::ClientError);
    ClientSocket1->connectToHost(address, port);
}

void TableLink::Close() {
    if (ServerSocket1) {
        ServerSocket1->close();
        ServerSocket1->deleteLater();
        ServerSocket1 = nullptr;
    }
    for (auto& peer : peers_) {
        peer->Socket->disconnect(this);
        peer->Socket->flush();
        peer->Socket->disconnectFromHost();
        peer->Socket->deleteLater();
    }
    peers_.clear();
    if (ClientSocket1) {
        ClientSocket1->disconnect(this);
        ClientSocket1->flush();
        ClientSocket1->disconnectFromHost();
        ClientSocket1->deleteLater();
        ClientSocket1 = nullptr;
    }
    connPhase_ = Idle;
}

void TableLink::CloseListener() {
    if (!ServerSocket1) return;
    ServerSocket1->close();
    // Connections that never got a seat go with the listener.
    for (auto it = peers_.begin(); it != peers_.end();) {
        if ((*it)->NetSeat == 0) {
            (*it)->Socket->disconnect(this);
            (*it)->Socket->abort();
            (*it)->Socket->deleteLater();
            it = peers_.erase(it);
        } else {
            ++it;
        }
    }
}

quint16 TableLink::ListeningPort() const {
    return ServerSocket1 && ServerSocket1->isListening() ? ServerSocket1->serverPort() : 0;
}

int TableLink::Joiners() const {
    int seated = 0;
    for (const auto& peer : peers_) seated += peer->NetSeat != 0 ? 1 : 0;
    return seated;
}

TableLink::Peer* TableLink::PeerOfSeat(int netSeat) {
    for (auto& peer : peers_)
        if (peer->NetSeat == netSeat) return peer.get();
    return nullptr;
}

void TableLink::Send(QTcpSocket* socket, std::string_view bytes) {
    if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
    socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TableLink::SendToTable(std::string_view payload) {
    const GameState& s = flow_.State();
    if (host_) {
        // The first deal closes the gathering: no more joiners are seated.
        if (!payload.empty() && payload.front() == 'b') connPhase_ = Playing;
        const std::string message = EncodeMove(payload, 1);
        for (int seat = 2; seat <= 4; ++seat)
            if (Peer* peer = PeerOfSeat(seat)) Send(peer->Socket, message);
    } else {
        Send(ClientSocket1, EncodeMove(payload, s.NetSeat));
    }
}

void TableLink::RelayFromSeat(int seat, std::string_view message) {
    for (int other = 2; other <= 4; ++other)
        if (other != seat)
            if (Peer* peer = PeerOfSeat(other)) Send(peer->Socket, message);
}

void TableLink::SendChat(std::string_view text) {
    if (host_) {
        const std::string message = EncodeChat(1, text);
        RelayFromSeat(1, message);
    } else {
        Send(ClientSocket1, EncodeChat(flow_.State().NetSeat, text));
    }
}

// --- host ---

void TableLink::NewConnection() {
    while (ServerSocket1 && ServerSocket1->hasPendingConnections()) {
        QTcpSocket* socket = ServerSocket1->nextPendingConnection();
        // Moves are a few bytes each and wait for each other: no coalescing delay.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto peer = std::make_unique<Peer>();
        peer->Socket = socket;
        peers_.push_back(std::move(peer));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { ReadPeer(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { PeerClosed(socket); });
        // A socket error closes the connection; the closing does the rest.
        connect(socket, &QTcpSocket::errorOccurred, socket, [socket] { socket->abort(); });
    }
}

void TableLink::ReadPeer(QTcpSocket* socket) {
    Run([this, socket] {
        // The peer may have gone while the step waited.
        Peer* current = nullptr;
        for (auto& p : peers_)
            if (p->Socket == socket) current = p.get();
        if (!current) return;
        const QByteArray bytes = socket->readAll();
        current->Buffer.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        while (auto message = current->Buffer.Next()) {
            HostMessage(*current, *message);
            if (Hooks.MessageHandled) Hooks.MessageHandled();
            // The message may have ended the table.
            bool stillThere = false;
            for (auto& p : peers_) stillThere = stillThere || p.get() == current;
            if (!stillThere) return;
        }
    });
}

void TableLink::PeerClosed(QTcpSocket* socket) {
    auto it = std::find_if(peers_.begin(), peers_.end(), [socket](const auto& p) { return p->Socket == socket; });
    if (it == peers_.end()) return;
    const bool seated = (*it)->NetSeat != 0;
    socket->deleteLater();
    peers_.erase(it);
    if (!seated) return;
    const GameState& s = flow_.State();
    const bool running = connPhase_ == Playing && s.InGame() && !s.GameOver;
    if (!running && connPhase_ != Gathering) return;
    Run([this] { BreakOff(false); });
}

void TableLink::BreakOff(bool aborted) {
    if (host_) {
        for (auto& peer : peers_)
            if (peer->NetSeat != 0) Send(peer->Socket, EncodeAbort());
    }
    aborted_ = aborted || host_;
    Close();
    if (Hooks.BrokenOff) Hooks.BrokenOff();
}

// --- joiner ---

void TableLink::ClientConnected() {
    ClientSocket1->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (connPhase_ != Gathering || helloSent_ || flow_.State().NetSeat < 2) return;
    helloSent_ = true;
    Send(ClientSocket1, EncodeHello(playerName_));
}

void TableLink::DrainClient() {
    if (!ClientSocket1) return;
    const QByteArray bytes = ClientSocket1->readAll();
    clientBuffer_.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    // A message may close the link (an abort): the loop ends with it.
    while (ClientSocket1) {
        auto message = clientBuffer_.Next();
        if (!message) break;
        JoinerMessage(*message);
        if (Hooks.MessageHandled) Hooks.MessageHandled();
    }
}

void TableLink::ReadClient() {
    Run([this] { DrainClient(); });
}

void TableLink::ClientClosed() {
    Run([this] {
        // What arrived before the close is handled first: the last move of a game may
        // come just before the host leaves.
        DrainClient();
        if (!ClientSocket1) return;
        const GameState& s = flow_.State();
        const bool running = connPhase_ >= Seated && s.InGame() && s.NetSeat >= 2 && !s.GameOver;
        if (running) {
            BreakOff(false);
            return;
        }
        const bool seatedBefore = connPhase_ >= Seated;
        connFailed_ = !seatedBefore;
        Close();
        if (!seatedBefore && Hooks.ConnectionFailed) Hooks.ConnectionFailed();
        if (seatedBefore && !s.GameOver && Hooks.BrokenOff) Hooks.BrokenOff();
        if (seatedBefore && s.GameOver && Hooks.TableClosed) Hooks.TableClosed();
    });
}

void TableLink::ClientError() {
    if (!ClientSocket1) return;
    // A refused or broken connection: the waiting dialog shows that no game answers.
    if (ClientSocket1->state() == QAbstractSocket::ConnectedState) return; // the close handles it
    connFailed_ = true;
    if (connPhase_ == Gathering && Hooks.ConnectionFailed) Hooks.ConnectionFailed();
}

} // namespace vesrin
