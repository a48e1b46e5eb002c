#include "settings/OptionRules.h"

#include <array>

namespace vesrin {

namespace {

struct SizeNeed {
    int WindowSize;
    int Width;
    int Height;
};

// The sizes past the first two, each with the screen it needs.
constexpr std::array<SizeNeed, 3> kSizeNeeds = {{{3, 990, 670}, {4, 1290, 870}, {5, 1520, 1020}}};

} // namespace

std::vector<int> OfferedWindowSizes(int screenWidth, int screenHeight) {
    std::vector<int> sizes = {1, 2};
    for (const SizeNeed& need : kSizeNeeds) {
        if (screenWidth < need.Width || screenHeight < need.Height) break;
        sizes.push_back(need.WindowSize);
    }
    return sizes;
}

std::string_view WindowSizeHint(int windowSize) {
    switch (windowSize) {
    case 1: return "760 x 500";
    case 3: return "990 x 650";
    case 4: return "1290 x 850";
    case 5: return "1520 x 1000";
    default: return {};
    }
}

bool BackSetAlwaysRandom(int backSet) { return backSet >= 8 && backSet <= 11; }

int BackModificationIndex(const Settings& settings) {
    if (BackSetAlwaysRandom(settings.BackSet)) return 2;
    return settings.BackFixed ? 1 : 0;
}

void SetBackModification(Settings& settings, int index) {
    // "Random" stores the same as "To change decks": the ten-picture sets ignore the flag.
    settings.BackFixed = index == 1;
}

int AuxDesignIndex(const Settings& settings) {
    if (settings.AuxDesignPurple) return 3;
    switch (settings.AuxDesign) {
    case 1: return 1;
    case 3: return 2;
    default: return 0;
    }
}

void SetAuxDesignIndex(Settings& settings, int index) {
    switch (index) {
    case 0: settings.AuxDesign = 2; settings.AuxDesignPurple = false; break;
    case 1: settings.AuxDesign = 1; settings.AuxDesignPurple = false; break;
    case 2: settings.AuxDesign = 3; settings.AuxDesignPurple = false; break;
    case 3: settings.AuxDesignPurple = true; break;
    default: break;
    }
}

bool AuxDesignNeedsGraphics(int index) { return index != 0; }

void ResetDesigns(Settings& settings) {
    settings.AuxDesignPurple = false;
    settings.MenuDesign = 1;
    settings.TableDesign = 1;
}

bool BackgroundListsEnabled(const Settings& settings) {
    return !(settings.MenuDesign == 2 && settings.TableDesign == 2);
}

void ResetFonts(Settings& settings) {
    const Settings defaults;
    settings.FontName = defaults.FontName;
    settings.FontPercent = defaults.FontPercent;
}

} // namespace vesrin
