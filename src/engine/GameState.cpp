#include "engine/GameState.h"

#include "engine/HandQueries.h"

namespace vesrin {

GameState::GameState() {
    for (int seat = 1; seat <= SeatCount; ++seat) {
        for (int slot = 1; slot <= HandSlots; ++slot) ClearSlot(*this, seat, slot);
        SeatNames[seat] = "PC";
    }
}

} // namespace vesrin
