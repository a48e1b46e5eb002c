// The receive rules of a network table: what the host takes from its joiners (only what
// their seat may do now) and what a joiner takes from the host.

#include "engine/Rules.h"
#include "engine/Seats.h"
#include "net/TableLink.h"

#include <QTcpSocket>

namespace vesrin {

namespace {

// Going round the table from the host: NetSeat 1, 3, 2, 4. The groups of a pass
// exchange come in this order.
constexpr int TableOrder[4] = {1, 3, 2, 4};

int GroupOfNetSeat(int netSeat) {
    for (int g = 0; g < 4; ++g)
        if (TableOrder[g] == netSeat) return g;
    return 0;
}

} // namespace

void TableLink::HostMessage(Peer& peer, const std::string& bytes) {
    const DecodedMessage decoded = DecodeTableMessage(bytes);
    if (decoded.Status != DecodeStatus::Ok) return;
    const TableMessage& m = decoded.Message;
    if (m.Kind == TableMessageKind::Hello) {
        SeatJoiner(peer, m);
        return;
    }
    // Only a hello is taken from a connection without a seat, and every other message
    // must carry the seat of the connection it came on.
    if (peer.NetSeat == 0 || m.Seat != peer.NetSeat) return;
    switch (m.Kind) {
    case TableMessageKind::Chat:
        RelayFromSeat(peer.NetSeat, bytes);
        if (Hooks.ChatReceived) Hooks.ChatReceived(peer.NetSeat, m.Text);
        break;
    case TableMessageKind::PassChoice:
        HostPassChoice(peer, m);
        break;
    case TableMessageKind::CardPlay:
        HostCard(peer, bytes, m);
        break;
    default:
        // Sweeps, hand ends, starts, exchanges, deals and seatings are the host's own
        // steps; a joiner cannot make them.
        break;
    }
}

void TableLink::SeatJoiner(Peer& peer, const TableMessage& hello) {
    GameState& s = flow_.State();
    // A hello of another game or protocol, or from a joiner seated already, gets no
    // answer.
    if (peer.NetSeat != 0 || hello.GameId != TableGameId || hello.Protocol != TableProtocol) return;
    if (connPhase_ != Gathering || s.NetRemotes >= 2) {
        // The table is full or its game has begun: the connection is closed and the
        // seating stays as it is.
        peer.Socket->abort();
        return;
    }
    ++s.NetRemotes;
    const std::string name = SeatName(hello.Name);
    const std::string computer = "PC  ";
    s.SeatNames[4] = SeatName(playerName_);
    switch (s.NetRemotes) {
    case 0:
        s.SeatNames[1] = computer;
        s.SeatNames[2] = name;
        s.SeatNames[3] = computer;
        break;
    case 1:
        s.SeatNames[1] = name;
        s.SeatNames[3] = computer;
        break;
    default:
        s.SeatNames[3] = name;
        break;
    }
    peer.NetSeat = s.NetRemotes + 2;
    const std::array<std::string, 4> names{s.SeatNames[4], s.SeatNames[2], s.SeatNames[1], s.SeatNames[3]};
    Send(peer.Socket, EncodeSeatAssignment(peer.NetSeat, names));
    if (s.NetRemotes >= 1) {
        const std::string update = EncodeSeatUpdate(peer.NetSeat, names);
        for (int earlier = peer.NetSeat - 1; earlier >= 2; --earlier)
            if (Peer* other = PeerOfSeat(earlier)) Send(other->Socket, update);
    }
    if (Hooks.SeatingChanged) Hooks.SeatingChanged();
}

void TableLink::HostCard(Peer& peer, const std::string& bytes, const TableMessage& card) {
    const GameState& s = flow_.State();
    const int seat = LocalSeatOfNetSeat(1, peer.NetSeat);
    const int slot = card.Slots[0];
    if (!s.InGame() || s.StartState != 2 || s.Phase != seat || s.TrickPos > 4) return;
    if (s.HandCards[seat][slot].IsEmpty() || CardError(s, seat, slot) != 0) return;
    RelayFromSeat(peer.NetSeat, bytes);
    flow_.ReceiveCard(slot);
}

void TableLink::HostPassChoice(const Peer& peer, const TableMessage& choice) {
    const GameState& s = flow_.State();
    const int seat = LocalSeatOfNetSeat(1, peer.NetSeat);
    if (!s.InGame() || s.StartState != 2 || s.Phase != PhaseOf::Passing || s.PassPicks[seat][1] != 0) return;
    OneBased<int, 3> picks{};
    for (int r = 1; r <= 3; ++r) {
        picks[r] = choice.Slots[static_cast<std::size_t>(r - 1)];
        if (s.HandCards[seat][picks[r]].IsEmpty()) return;
        for (int other = 1; other < r; ++other)
            if (picks[other] == picks[r]) return;
    }
    flow_.ReceivePassPicks(seat, picks);
}

void TableLink::JoinerMessage(const std::string& bytes) {
    const DecodedMessage decoded = DecodeTableMessage(bytes);
    if (decoded.Status != DecodeStatus::Ok) return;
    const TableMessage& m = decoded.Message;
    GameState& s = flow_.State();
    if (m.Kind == TableMessageKind::SeatAssignment) {
        if (connPhase_ != Gathering) return;
        connPhase_ = Seated;
        connFailed_ = false;
        s.NetSeat = m.Seat;
        s.NetRemotes = m.Seat - 2;
        TakeSeatNames(m.Names);
        if (Hooks.Seated) Hooks.Seated();
        return;
    }
    if (connPhase_ < Seated) return;
    switch (m.Kind) {
    case TableMessageKind::Chat:
        if (Hooks.ChatReceived) Hooks.ChatReceived(m.Seat, m.Text);
        break;
    case TableMessageKind::Abort:
        BreakOff(true);
        break;
    case TableMessageKind::SeatUpdate:
        if ((m.Seat == 3 && s.NetSeat == 2) || (m.Seat == 4 && (s.NetSeat == 2 || s.NetSeat == 3))) {
            s.NetRemotes = m.Seat - 2;
            TakeSeatNames(m.Names);
            if (Hooks.SeatingChanged) Hooks.SeatingChanged();
        }
        break;
    case TableMessageKind::Deal:
        TakeDeal(m.Deal);
        break;
    case TableMessageKind::Start:
        flow_.ReceiveStart(m.WithPass);
        break;
    case TableMessageKind::PassExchange:
        TakeExchange(m);
        break;
    case TableMessageKind::CardPlay:
        flow_.ReceiveCard(m.Slots[0]);
        break;
    case TableMessageKind::Sweep:
        flow_.ReceiveSweep();
        break;
    case TableMessageKind::HandEnd:
        flow_.ReceiveHandEnd();
        break;
    default:
        break;
    }
}

void TableLink::TakeSeatNames(const std::array<std::string, 4>& names) {
    GameState& s = flow_.State();
    for (int netSeat = 1; netSeat <= 4; ++netSeat) {
        const int seat = LocalSeatOfNetSeat(s.NetSeat, netSeat);
        if (seat != 0) s.SeatNames[seat] = names[static_cast<std::size_t>(netSeat - 1)];
    }
}

void TableLink::TakeExchange(const TableMessage& exchange) {
    const GameState& s = flow_.State();
    OneBased<OneBased<int, 3>, 3> picks{};
    for (int seat = 1; seat <= 3; ++seat) {
        const int group = GroupOfNetSeat(NetSeatOfLocalSeat(s.NetSeat, seat));
        for (int r = 1; r <= 3; ++r) picks[seat][r] = exchange.Slots[static_cast<std::size_t>(group * 3 + r - 1)];
    }
    flow_.ReceiveExchange(picks);
}

void TableLink::TakeDeal(const DealData& deal) {
    GameState& s = flow_.State();
    // A deal after the last game was summed up, or before this copy has a table, begins
    // a game; the new game has counted its first hand already.
    if (!s.InGame() || s.GameOver) {
        // The table waits for this deal with empty hands, not the last game's cards.
        s.Deck.fill(EmptySlot);
        if (Hooks.NewGame) Hooks.NewGame();
        s.DealNotCounted = true;
    }
    if (joinedAsClient_) {
        s.DealNotCounted = true;
        joinedAsClient_ = false;
    }
    flow_.ReceiveDeal(deal);
}

} // namespace vesrin
