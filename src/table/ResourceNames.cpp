#include "table/ResourceNames.h"

#include <array>

namespace vesrin {

namespace {

// Face sets 0..47: name, set code, pip code, ace code. Most sets use their own code for
// all cards; a few borrow the pips or aces of another set.
const std::array<FaceSetInfo, FaceSetCount> FaceSets = {{
    {"Classical-1", "", "", ""},
    {"Medieval-1", "Med", "Med", "Med"},
    {"Modern", "Mod", "Mod", "Mod"},
    {"Ancient Egypt", "Anc", "Anc", "Anc"},
    {"Baronesse", "Bar", "Bar", "Bar"},
    {"Celtic", "Cel", "Cel", "Cel"},
    {"Corona", "Cor", "Mod", "Cor"},
    {"Crown", "Cro", "Mod", "Mod"},
    {"English Pattern", "Eng", "Eng", "Eng"},
    {"Frankfurt", "Fra", "Fra", "Fra"},
    {"Historical costumes", "His", "Mod", "Mod"},
    {"Native Americans", "Nat", "Nat", "Nat"},
    {"Old Garden Roses", "Old", "Old", "Old"},
    {"Parrots", "Par", "Mod", "Mod"},
    {"Royal", "Roy", "Roy", "Roy"},
    {"Shakespeare", "Sha", "Sha", "Sha"},
    {"Big Ben", "Big", "Big", "Big"},
    {"Four Reigns of English History", "004", "004", "004"},
    {"Large Print London", "Lon", "Lon", "Lon"},
    {"Classical-2", "Cl2", "Sea", "Sea"},
    {"Vesrin", "Ves", "Sea", "Sea"},
    {"Seasons", "Sea", "Sea", "Sea"},
    {"Rhine Style", "Rhi", "Rhi", "Rhi"},
    {"Medieval-2", "Me2", "Me2", "Me2"},
    {"Doods", "Doo", "Doo", "Doo"},
    {"Playboy", "Boy", "Rhi", "Boy"},
    {"Epic", "Epi", "Epi", "Epi"},
    {"USSR", "USR", "Big", "USR"},
    {"Plastic", "Pla", "Pla", "Pla"},
    {"Skat - German suits", "SkN", "SkN", "SkN"},
    {"Skat - Tournament suits", "SkT", "SkT", "SkT"},
    {"Skat - French suits", "SkF", "SkF", "SkF"},
    {"White palekh", "Bel", "Bel", "Bel"},
    {"Diana", "Dia", "Dia", "Dia"},
    {"Princely", "Kny", "Kny", "Kny"},
    {"For solitaires", "Pas", "Pas", "Pas"},
    {"Satin", "Rus", "Rus", "Rus"},
    {"Slavic", "Sla", "Sla", "Sla"},
    {"Maya", "May", "May", "May"},
    {"Bast", "Lub", "Lub", "Lub"},
    {"French", "Fra", "Fra", "Fra"},
    {"Spanish 1", "Mus", "Mus", "Mus"},
    {"Spanish 2", "BS1", "BS1", "BS1"},
    {"Spanish 3", "BS2", "BS2", "BS2"},
    {"Spanish 4", "BS3", "BS3", "BS3"},
    {"Chinese", "Chi", "Chi", "Chi"},
    {"Italian", "BIt", "BIt", "BIt"},
    {"Czech", "Cze", "Cze", "Cze"},
}};

const std::array<BackSetInfo, BackSetCount> BackSets = {{
    {"Classical-1", "", 7},
    {"Medieval-1", "Cl1", 7},
    {"Medieval-2", "Cl2", 7},
    {"Carpet", "Car", 7},
    {"Cross", "Cro", 7},
    {"Chess", "Che", 7},
    {"Diamond", "Dia", 7},
    {"Knightly", "Kni", 7},
    {"Animals", "Ani", 10},
    {"Flowers", "Flo", 10},
    {"Places", "Pla", 10},
    {"Other", "Oth", 10},
    {"Russian", "Rus", 7},
}};

const char* const BackNames[10] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                   "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

const char* const Backgrounds[10] = {"Sun",  "Felt",   "Gradient", "Cloth", "Carpet",
                                     "Tree", "Casino", "Pattern",  "Silk",  "Ornament"};

const char* const Tints[7] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

} // namespace

const FaceSetInfo& FaceSet(int set) { return FaceSets[set >= 0 && set < FaceSetCount ? set : 0]; }

QString FaceSetLibrary(int set) {
    if (set >= 1 && set <= 31) return FacesLibraryA;
    if (set >= 32 && set <= 39) return FacesLibraryB;
    if (set >= 40 && set <= 47) return FacesLibraryC;
    return {};
}

bool IsWideFaceSet(int set) { return set <= 27 || set == 40 || set == 45; }

QString CardPictureCode(int deckNumber) {
    if (deckNumber < 1 || deckNumber > 52) return {};
    static const char* const suits[4] = {"Ch", "Bu", "Kr", "Pi"};
    static const char* const ranks[13] = {"02", "03", "04", "05", "06", "07", "08",
                                          "09", "10", "2J", "3Q", "4K", "5A"};
    const int rank = (deckNumber - 1) / 4; // 0 = two .. 12 = ace
    const int suit = (deckNumber - 1) % 4;
    return QString(suits[suit]) + ranks[rank];
}

QString FaceResourceName(int set, int deckNumber, int cardPictureMode) {
    const FaceSetInfo& info = FaceSet(set);
    const int rank = (deckNumber - 1) / 4;
    const char* code = rank <= 8 ? info.PipCode : rank == 12 ? info.AceCode : info.Code;
    return CardPictureCode(deckNumber) + code + (cardPictureMode == CardPictureSmall ? "" : "B");
}

const BackSetInfo& BackSet(int set) { return BackSets[set >= 0 && set < BackSetCount ? set : 0]; }

QString BackResourceName(int set, int picture, int cardPictureMode, bool wideFaces) {
    if (picture < 1 || picture > 10) return {};
    const char* suffix = cardPictureMode == CardPictureSmall ? "" : wideFaces ? "B" : "U";
    return QString(BackNames[picture - 1]) + BackSet(set).Code + suffix;
}

const char* BackgroundName(int backgroundNo) {
    return backgroundNo >= 1 && backgroundNo <= 10 ? Backgrounds[backgroundNo - 1] : "";
}

const char* TintCode(int tint) { return tint >= 0 && tint <= 6 ? Tints[tint] : ""; }

QString BackgroundResourceName(int backgroundNo, int tint, int windowSize) {
    const QString base = IsBuiltInBackground(backgroundNo, tint)
                             ? QStringLiteral("FonG")
                             : QStringLiteral("Fon%1%2").arg(backgroundNo, 2, 10, QChar('0')).arg(TintCode(tint));
    return windowSize == 1 ? base : base + "B";
}

} // namespace vesrin
