#include "settings/DialogDesigns.h"

namespace vesrin {

AuxLook AuxLookOf(const Settings& settings) {
    if (settings.AuxDesignPurple) return AuxLook::Purple;
    switch (settings.AuxDesign) {
    case 1: return AuxLook::Design1;
    case 3: return AuxLook::Design3;
    default: return AuxLook::Design2;
    }
}

OptionsLayout OptionsLayoutFor(AuxLook look) {
    switch (look) {
    case AuxLook::Design1: return {360, 48, 55, 80, 170, 315};
    case AuxLook::Design3: return {410, 90, 108, 130, 220, 365};
    case AuxLook::Purple: return {400, 0, -1, 120, 210, 355};
    case AuxLook::Design2: break;
    }
    return {375, 64, 73, 95, 185, 330};
}

SpeedLayout SpeedLayoutFor(AuxLook look) {
    if (look == AuxLook::Purple) {
        return {340, 280, 0, -1, -1,
                159, 120, 146, 41,
                158, 164, 150, 30,
                195, {162, 187, 212, 236, 260, 285},
                10, 225, 320};
    }
    int height = 275, a = 70, b = 85, c = 95, header = 64;
    if (look == AuxLook::Design1) {
        height = 260, a = 55, b = 70, c = 80, header = 48;
    } else if (look == AuxLook::Design3) {
        height = 295, a = 95, b = 105, c = 115, header = 90;
    }
    return {310, height, header, a, b,
            140, c, 165, 40,
            140, c + 40, 150, 30,
            c + 80, {145, 170, 195, 220, 245, 270},
            5, c + 125, 300};
}

int SpeedIconInterval(int speed) {
    static constexpr int kIntervals[6] = {110, 95, 80, 65, 40, 25};
    if (speed < 1 || speed > 6) speed = 4;
    return kIntervals[speed - 1];
}

} // namespace vesrin
