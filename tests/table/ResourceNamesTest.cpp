#include "table/ResourceNames.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(ResourceNames, CardPictureCodesFollowTheDeckOrder) {
    struct Case {
        int Deck;
        const char* Code;
    };
    const Case cases[] = {{1, "Ch02"}, {2, "Bu02"}, {3, "Kr02"}, {4, "Pi02"}, {33, "Ch10"},
                          {37, "Ch2J"}, {44, "Pi3Q"}, {47, "Kr4K"}, {52, "Pi5A"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Deck);
        EXPECT_EQ(CardPictureCode(c.Deck), c.Code);
    }
    EXPECT_TRUE(CardPictureCode(0).isEmpty());
    EXPECT_TRUE(CardPictureCode(53).isEmpty());
}

TEST(ResourceNames, FaceNamesTakePipCourtAndAceCodes) {
    struct Case {
        const char* Name;
        int Set;
        int Deck;
        int Mode;
        const char* Expected;
    };
    const Case cases[] = {
        {"set 0 small", 0, 1, CardPictureSmall, "Ch02"},
        {"set 0 large", 0, 52, CardPictureLarge, "Pi5AB"},
        {"set 0 native", 0, 44, CardPictureNative, "Pi3QB"},
        {"set 20 pip from the seasons", 20, 16, CardPictureNative, "Pi05SeaB"},
        {"set 20 ace from the seasons", 20, 49, CardPictureLarge, "Ch5ASeaB"},
        {"set 20 court of its own", 20, 43, CardPictureLarge, "Kr3QVesB"},
        {"set 6 pips modern, ace own", 6, 50, CardPictureSmall, "Bu5ACor"},
        {"set 6 pip", 6, 2, CardPictureSmall, "Bu02Mod"},
        {"set 6 court", 6, 38, CardPictureSmall, "Bu2JCor"},
        {"set 25 pip, court, ace", 25, 5, CardPictureSmall, "Ch03Rhi"},
        {"set 25 ace", 25, 49, CardPictureSmall, "Ch5ABoy"},
        {"set 27 pip", 27, 36, CardPictureLarge, "Pi10BigB"},
        {"set 27 ace", 27, 51, CardPictureLarge, "Kr5AUSRB"},
        {"set 47", 47, 48, CardPictureLarge, "Pi4KCzeB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FaceResourceName(c.Set, c.Deck, c.Mode), c.Expected);
    }
}

TEST(ResourceNames, FaceSetsLiveInTheirLibraries) {
    struct Case {
        int Set;
        const char* Library;
        bool Wide;
    };
    const Case cases[] = {{0, "", true},
                          {1, "QorCards06A.dll", true},
                          {27, "QorCards06A.dll", true},
                          {28, "QorCards06A.dll", false},
                          {31, "QorCards06A.dll", false},
                          {32, "QorCards06B.dll", false},
                          {39, "QorCards06B.dll", false},
                          {40, "QorCards06C.dll", true},
                          {41, "QorCards06C.dll", false},
                          {45, "QorCards06C.dll", true},
                          {47, "QorCards06C.dll", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Set);
        EXPECT_EQ(FaceSetLibrary(c.Set), c.Library);
        EXPECT_EQ(IsWideFaceSet(c.Set), c.Wide);
    }
    EXPECT_STREQ(FaceSet(9).Code, "Fra");
    EXPECT_STREQ(FaceSet(40).Code, "Fra");
    EXPECT_STREQ(FaceSet(20).Name, "Vesrin");
    EXPECT_STREQ(FaceSet(99).Name, "Classical-1");
}

TEST(ResourceNames, BackNamesCarryCodeAndSizeSuffix) {
    struct Case {
        const char* Name;
        int Set;
        int Picture;
        int Mode;
        bool Wide;
        const char* Expected;
    };
    const Case cases[] = {
        {"set 0 small", 0, 1, CardPictureSmall, true, "Ob01Mo"},
        {"set 0 large wide", 0, 7, CardPictureLarge, true, "Ob07SuB"},
        {"set 0 large narrow", 0, 1, CardPictureNative, false, "Ob01MoU"},
        {"set 9 tenth picture", 9, 10, CardPictureLarge, true, "Ob10XXFloB"},
        {"set 12 small", 12, 3, CardPictureSmall, false, "Ob03WeRus"},
        {"set 5 saturday narrow", 5, 6, CardPictureLarge, false, "Ob06SuCheU"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(BackResourceName(c.Set, c.Picture, c.Mode, c.Wide), c.Expected);
    }
    EXPECT_EQ(BackSet(8).Pictures, 10);
    EXPECT_EQ(BackSet(11).Pictures, 10);
    EXPECT_EQ(BackSet(12).Pictures, 7);
}

TEST(ResourceNames, BackgroundNamesByNumberTintAndWindow) {
    struct Case {
        int Number;
        int Tint;
        int WindowSize;
        const char* Expected;
    };
    const Case cases[] = {{2, 0, 1, "FonG"},     {2, 0, 3, "FonGB"},    {2, 3, 1, "Fon02Ye"},
                          {5, 1, 1, "Fon05Re"},  {10, 6, 2, "Fon10FiB"}, {1, 4, 5, "Fon01B1B"},
                          {7, 5, 4, "Fon07B2B"}, {3, 2, 1, "Fon03Or"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(BackgroundResourceName(c.Number, c.Tint, c.WindowSize), c.Expected);
    }
    EXPECT_STREQ(BackgroundName(2), "Felt");
    EXPECT_STREQ(BackgroundName(10), "Ornament");
}

} // namespace
} // namespace vesrin
