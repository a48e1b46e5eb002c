#include "settings/DialogDesigns.h"
#include "settings/OptionRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesrin {
namespace {

TEST(OfferedWindowSizes, TheScreenDecidesHowFarTheListGoes) {
    struct Case {
        const char* Name;
        int Width, Height;
        std::vector<int> Sizes;
    } cases[] = {
        {"tiny screen", 800, 600, {1, 2}},
        {"one pixel short in height", 990, 669, {1, 2}},
        {"exactly average 1", 990, 670, {1, 2, 3}},
        {"wide but low", 2560, 700, {1, 2, 3}},
        {"one pixel short in width", 1289, 1000, {1, 2, 3}},
        {"exactly average 2", 1290, 870, {1, 2, 3, 4}},
        {"full HD", 1920, 1080, {1, 2, 3, 4, 5}},
        {"exactly large", 1520, 1020, {1, 2, 3, 4, 5}},
        {"large but one short", 1520, 1019, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(OfferedWindowSizes(c.Width, c.Height), c.Sizes);
    }
}

TEST(WindowSizeHint, EachFixedSizeShowsItsTable) {
    EXPECT_EQ(WindowSizeHint(1), "760 x 500");
    EXPECT_EQ(WindowSizeHint(2), "");
    EXPECT_EQ(WindowSizeHint(3), "990 x 650");
    EXPECT_EQ(WindowSizeHint(4), "1290 x 850");
    EXPECT_EQ(WindowSizeHint(5), "1520 x 1000");
    EXPECT_EQ(WindowSizeHint(6), "");
}

TEST(BackModification, TenPictureSetsAreAlwaysRandom) {
    Settings settings;
    for (int set = 0; set <= 12; ++set) {
        SCOPED_TRACE(set);
        settings.BackSet = set;
        settings.BackFixed = true;
        const bool random = set >= 8 && set <= 11;
        EXPECT_EQ(BackSetAlwaysRandom(set), random);
        EXPECT_EQ(BackModificationIndex(settings), random ? 2 : 1);
        settings.BackFixed = false;
        EXPECT_EQ(BackModificationIndex(settings), random ? 2 : 0);
    }
    SetBackModification(settings, 1);
    EXPECT_TRUE(settings.BackFixed);
    SetBackModification(settings, 2);
    EXPECT_FALSE(settings.BackFixed);
    SetBackModification(settings, 0);
    EXPECT_FALSE(settings.BackFixed);
}

TEST(AuxDesign, TheGroupOrderMapsOntoTheTwoSettings) {
    struct Case {
        int Index;
        int Design;
        bool Purple;
    } cases[] = {{0, 2, false}, {1, 1, false}, {2, 3, false}, {3, 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Index);
        Settings settings;
        SetAuxDesignIndex(settings, c.Index);
        EXPECT_EQ(settings.AuxDesign, c.Design);
        EXPECT_EQ(settings.AuxDesignPurple, c.Purple);
        EXPECT_EQ(AuxDesignIndex(settings), c.Index);
        EXPECT_EQ(AuxDesignNeedsGraphics(c.Index), c.Index != 0);
    }
    // Purple keeps the design number underneath; choosing a gray design switches it off.
    Settings settings;
    settings.AuxDesign = 3;
    SetAuxDesignIndex(settings, 3);
    EXPECT_EQ(settings.AuxDesign, 3);
    SetAuxDesignIndex(settings, 1);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 1);
}

TEST(Designs, ResetAndTheBackgroundLists) {
    Settings settings;
    settings.MenuDesign = 2;
    settings.TableDesign = 2;
    settings.AuxDesignPurple = true;
    settings.AuxDesign = 3;
    EXPECT_FALSE(BackgroundListsEnabled(settings));
    ResetDesigns(settings);
    EXPECT_EQ(settings.MenuDesign, 1);
    EXPECT_EQ(settings.TableDesign, 1);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 3);
    EXPECT_TRUE(BackgroundListsEnabled(settings));
    settings.MenuDesign = 2;
    EXPECT_TRUE(BackgroundListsEnabled(settings));
}

TEST(ResetFonts, NamesAndPercentagesComeBack) {
    Settings settings;
    settings.FontName = {"A", "B", "C", "D"};
    settings.FontPercent = {50, 60, 70, 150};
    ResetFonts(settings);
    EXPECT_EQ(settings.FontName, Settings().FontName);
    EXPECT_EQ(settings.FontPercent, Settings().FontPercent);
}

TEST(OptionsLayout, EachDesignPlacesTheParts) {
    struct Case {
        AuxLook Look;
        OptionsLayout Expected;
    } cases[] = {
        {AuxLook::Design1, {360, 48, 55, 80, 170, 315}},
        {AuxLook::Design2, {375, 64, 73, 95, 185, 330}},
        {AuxLook::Design3, {410, 90, 108, 130, 220, 365}},
        {AuxLook::Purple, {400, 0, -1, 120, 210, 355}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Look));
        const OptionsLayout got = OptionsLayoutFor(c.Look);
        EXPECT_EQ(got.ClientHeight, c.Expected.ClientHeight);
        EXPECT_EQ(got.HeaderHeight, c.Expected.HeaderHeight);
        EXPECT_EQ(got.RedBarTop, c.Expected.RedBarTop);
        EXPECT_EQ(got.TabTop, c.Expected.TabTop);
        EXPECT_EQ(got.AnimationTop, c.Expected.AnimationTop);
        EXPECT_EQ(got.OkTop, c.Expected.OkTop);
        // The tab control (270 high) and the "Ok" button (30 high) stay inside the window.
        EXPECT_LE(got.TabTop + 270, got.ClientHeight);
        EXPECT_LE(got.OkTop + 30, got.ClientHeight);
    }
}

TEST(SpeedLayout, GrayDesignsFollowTheirThreeOffsets) {
    struct Case {
        AuxLook Look;
        int Height, A, B, C;
    } cases[] = {{AuxLook::Design1, 260, 55, 70, 80}, {AuxLook::Design2, 275, 70, 85, 95},
                 {AuxLook::Design3, 295, 95, 105, 115}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Look));
        const SpeedLayout got = SpeedLayoutFor(c.Look);
        EXPECT_EQ(got.ClientWidth, 310);
        EXPECT_EQ(got.ClientHeight, c.Height);
        EXPECT_EQ(got.RedBarTop, c.A);
        EXPECT_EQ(got.PictureTop, c.B);
        EXPECT_EQ(got.PromptTop, c.C);
        EXPECT_EQ(got.PromptLeft, 140);
        EXPECT_EQ(got.SliderTop, c.C + 40);
        EXPECT_EQ(got.DigitsTop, c.C + 80);
        EXPECT_EQ(got.ButtonTop, c.C + 125);
        EXPECT_EQ(got.ButtonWidth, 300);
        EXPECT_LE(got.ButtonTop + SpeedButtonHeight, got.ClientHeight);
        const int digits[6] = {145, 170, 195, 220, 245, 270};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got.DigitLeft[i], digits[i]);
    }
    const SpeedLayout purple = SpeedLayoutFor(AuxLook::Purple);
    EXPECT_EQ(purple.ClientWidth, 340);
    EXPECT_EQ(purple.ClientHeight, 280);
    EXPECT_EQ(purple.SliderLeft, 158);
    EXPECT_EQ(purple.SliderTop, 164);
    EXPECT_EQ(purple.ButtonTop, 225);
    EXPECT_EQ(purple.ButtonWidth, 320);
}

TEST(SpeedIconInterval, QuickerForAQuickerSpeed) {
    const int expected[6] = {110, 95, 80, 65, 40, 25};
    for (int speed = 1; speed <= 6; ++speed) EXPECT_EQ(SpeedIconInterval(speed), expected[speed - 1]);
    EXPECT_EQ(SpeedIconInterval(0), 65);
    EXPECT_EQ(SpeedIconInterval(7), 65);
}

TEST(AuxLookOf, PurpleWins) {
    Settings settings;
    EXPECT_EQ(AuxLookOf(settings), AuxLook::Design2);
    settings.AuxDesign = 1;
    EXPECT_EQ(AuxLookOf(settings), AuxLook::Design1);
    settings.AuxDesign = 3;
    EXPECT_EQ(AuxLookOf(settings), AuxLook::Design3);
    settings.AuxDesignPurple = true;
    EXPECT_EQ(AuxLookOf(settings), AuxLook::Purple);
}

} // namespace
} // namespace vesrin
