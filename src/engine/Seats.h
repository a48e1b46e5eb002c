#pragma once

namespace vesrin {

// Seat arithmetic. Seats are 1 left, 2 top, 3 right, 4 bottom (the local player); play
// goes from seat n to n + 1 and from 4 to 1, clockwise as seen by the local player.

constexpr int NextSeat(int seat) { return seat % 4 + 1; }
// Reduces any seat number into 1..4 (5 becomes 1, 6 becomes 2, 0 becomes 4).
constexpr int WrapSeat(int seat) { return ((seat - 1) % 4 + 4) % 4 + 1; }
// Seat of trick position p in a trick led by `leader`.
constexpr int SeatOfTrickPos(int leader, int pos) { return WrapSeat(leader + pos - 1); }
// Trick position of `seat` in a trick led by `leader`.
constexpr int TrickPosOfSeat(int leader, int seat) { return WrapSeat(seat - leader + 1); }

// Where a peer of a network table (or a tournament table, with TourSeat in place of
// NetSeat) shows the player of `netSeat`: every peer shows itself at seat 4. Returns 0
// for numbers outside 1..4.
int LocalSeatOfNetSeat(int viewerNetSeat, int netSeat);
// The inverse: which NetSeat the viewer shows at its local seat.
int NetSeatOfLocalSeat(int viewerNetSeat, int localSeat);

// Pass directions: 1 left, 2 right, 3 across, 0 none (from HandNo mod 4).
constexpr int PassDirOfHand(int handNo) { return ((handNo % 4) + 4) % 4; }
// The seat that receives the cards `giver` passes in direction `dir` (1..3).
int PassReceiver(int dir, int giver);
// The seat whose cards `receiver` gets in direction `dir` (1..3).
int PassGiver(int dir, int receiver);

// The local seat that receives deck block k (positions 13k-12 .. 13k) when the deck is
// dealt by the copy at `viewerNetSeat` (1 on a local game or the host). Block k belongs to
// the player of NetSeat k.
inline int SeatOfDealBlock(int viewerNetSeat, int block) { return LocalSeatOfNetSeat(viewerNetSeat, block); }
// Tournament deals: the player of TourSeat n receives block 5 - n.
constexpr int TourBlockOfTourSeat(int tourSeat) { return 5 - tourSeat; }

} // namespace vesrin
