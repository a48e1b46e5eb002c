#include "LinkTestSupport.h"

#include "engine/Rules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace vesrin::test {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

RawPeer::RawPeer(QTcpSocket* socket) : socket_(socket ? socket : new QTcpSocket) {}

RawPeer::~RawPeer() {
    socket_->abort();
    delete socket_;
}

bool RawPeer::Connect(quint16 port) {
    socket_->connectToHost(QStringLiteral("127.0.0.1"), port);
    return WaitFor([this] { return socket_->state() == QAbstractSocket::ConnectedState; });
}

void RawPeer::Send(const std::string& bytes) {
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
}

void RawPeer::Pump() {
    const QByteArray bytes = socket_->readAll();
    received_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string RawPeer::Take(std::size_t n) {
    WaitFor([&] {
        Pump();
        return received_.size() >= n;
    });
    const std::string head = received_.substr(0, n);
    received_.erase(0, head.size());
    return head;
}

std::string RawPeer::Pending() {
    Pump();
    std::string all;
    all.swap(received_);
    return all;
}

bool RawPeer::WaitClosed() {
    return WaitFor([this] { return socket_->state() == QAbstractSocket::UnconnectedState; });
}

LinkedCopy::LinkedCopy() : Flow(State, *this, Players, 7), Link(Flow) {
    State.ProfileSlot = 6;
    State.CardFlight = false;
    Link.Hooks.BrokenOff = [this] { ++BrokenOff; };
    Link.Hooks.Seated = [this] {
        ++Seated;
        Flow.StartHand(false);
    };
    Link.Hooks.NewGame = [this] { Flow.StartHand(false); };
    Link.Hooks.ChatReceived = [this](int seat, const std::string& text) { Chats.emplace_back(seat, text); };
}

LinkedCopy::~LinkedCopy() { Link.Hooks = {}; }

int LegalSlot(const GameState& state, int seat) {
    for (int slot = 1; slot <= state.HandCount[seat]; ++slot)
        if (CardError(state, seat, slot) == 0) return slot;
    return 0;
}

int IllegalSlot(const GameState& state, int seat) {
    for (int slot = 1; slot <= state.HandCount[seat]; ++slot)
        if (CardError(state, seat, slot) != 0) return slot;
    return 0;
}

} // namespace vesrin::test
