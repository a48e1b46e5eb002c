#pragma once

#include "settings/Settings.h"

namespace vesrin {

// The secondary-window designs as the options and speed dialogs lay them out. A design
// is 1, 2 or 3 (`AuxDesign`) or the purple one (`AuxDesignPurple`, which wins).
enum class AuxLook { Design1 = 1, Design2 = 2, Design3 = 3, Purple = 4 };

AuxLook AuxLookOf(const Settings& settings);

// Where the options dialog puts its parts in a design (client width 500).
struct OptionsLayout {
    int ClientHeight;
    int HeaderHeight; // 0: no header picture and no red bar
    int RedBarTop;
    int TabTop;       // the tab control and the flag
    int AnimationTop;
    int OkTop;
};
OptionsLayout OptionsLayoutFor(AuxLook look);

inline constexpr int OptionsClientWidth = 500;

// Where the speed dialog puts its parts. The purple design has its own 340 x 280 layout
// drawn over the library picture; the others are 310 wide with a header, a red bar and
// a fixed picture on the left.
struct SpeedLayout {
    int ClientWidth;
    int ClientHeight;
    int HeaderHeight; // 0 in the purple design (the background picture carries it)
    int RedBarTop;    // -1: none
    int PictureTop;   // the fixed 128 x 128 picture; -1: none
    int PromptLeft, PromptTop, PromptWidth, PromptHeight;
    int SliderLeft, SliderTop, SliderWidth, SliderHeight;
    int DigitsTop;
    int DigitLeft[6];
    int ButtonLeft, ButtonTop, ButtonWidth;
};
SpeedLayout SpeedLayoutFor(AuxLook look);

inline constexpr int SpeedButtonHeight = 45;

// The tick of the purple speed dialog's animated icon: quicker for a quicker speed
// (110, 95, 80, 65, 40 and 25 ms for speeds 1 to 6; speeds out of range count as 4).
int SpeedIconInterval(int speed);

} // namespace vesrin
