#include "engine/Seats.h"

namespace vesrin {

namespace {

// Row: the viewing peer's NetSeat; column: the NetSeat shown.
constexpr int SeatingTable[5][5] = {
    {0, 0, 0, 0, 0},
    {0, 4, 2, 1, 3},
    {0, 2, 4, 3, 1},
    {0, 3, 1, 4, 2},
    {0, 1, 3, 2, 4},
};

// Row: direction; column: giver; value: receiver.
constexpr int Receivers[4][5] = {
    {0, 0, 0, 0, 0},
    {0, 2, 3, 4, 1},
    {0, 4, 1, 2, 3},
    {0, 3, 4, 1, 2},
};

constexpr bool InSeatRange(int n) { return n >= 1 && n <= 4; }

} // namespace

int LocalSeatOfNetSeat(int viewerNetSeat, int netSeat) {
    if (!InSeatRange(viewerNetSeat) || !InSeatRange(netSeat)) return 0;
    return SeatingTable[viewerNetSeat][netSeat];
}

int NetSeatOfLocalSeat(int viewerNetSeat, int localSeat) {
    for (int netSeat = 1; netSeat <= 4; ++netSeat)
        if (LocalSeatOfNetSeat(viewerNetSeat, netSeat) == localSeat) return netSeat;
    return 0;
}

int PassReceiver(int dir, int giver) {
    if (dir < 1 || dir > 3 || !InSeatRange(giver)) return 0;
    return Receivers[dir][giver];
}

int PassGiver(int dir, int receiver) {
    for (int giver = 1; giver <= 4; ++giver)
        if (PassReceiver(dir, giver) == receiver) return giver;
    return 0;
}

} // namespace vesrin
