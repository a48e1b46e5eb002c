#include "settings/OptionsLists.h"

#include "settings/DialogTexts.h"

#include <array>

namespace vesrin {

namespace {

constexpr std::array<Word, 48> kFaceSets = {
    Word::FaceClassical1, Word::FaceMedieval1, Word::FaceModern, Word::FaceAncientEgypt,
    Word::FaceBaronesse, Word::FaceCeltic, Word::FaceCorona, Word::FaceCrown,
    Word::FaceEnglishPattern, Word::FaceFrankfurt, Word::FaceHistoricalCostumes, Word::FaceNativeAmericans,
    Word::FaceOldGardenRoses, Word::FaceParrots, Word::FaceRoyal, Word::FaceShakespeare,
    Word::FaceBigBen, Word::FaceFourReigns, Word::FaceLargePrintLondon, Word::FaceClassical2,
    Word::FaceVesrin, Word::FaceSeasons, Word::FaceRhineStyle, Word::FaceMedieval2,
    Word::FaceDoods, Word::FacePlayboy, Word::FaceEpic, Word::FaceUssr,
    Word::FacePlastic, Word::FaceSkatGerman, Word::FaceSkatTournament, Word::FaceSkatFrench,
    Word::FaceWhitePalekh, Word::FaceDiana, Word::FacePrincely, Word::FaceForSolitaires,
    Word::FaceSatin, Word::FaceSlavic, Word::FaceMaya, Word::FaceBast,
    Word::FaceFrench, Word::FaceSpanish1, Word::FaceSpanish2, Word::FaceSpanish3,
    Word::FaceSpanish4, Word::FaceChinese, Word::FaceItalian, Word::FaceCzech};

// The first three back sets share their names with face sets (one row each in the table).
constexpr std::array<Word, 13> kBackSets = {
    Word::FaceClassical1, Word::FaceMedieval1, Word::FaceMedieval2, Word::BackCarpet, Word::BackCross,
    Word::BackChess, Word::BackDiamond, Word::BackKnightly, Word::BackAnimals, Word::BackFlowers,
    Word::BackPlaces, Word::BackOther, Word::BackRussian};

constexpr std::array<Word, 10> kBackgrounds = {
    Word::BgSun, Word::BgFelt, Word::BgGradient, Word::BgCloth, Word::BgCarpet,
    Word::BgTree, Word::BgCasino, Word::BgPattern, Word::BgSilk, Word::BgOrnament};

constexpr std::array<Word, 7> kTints = {
    Word::TintGreen, Word::TintRed, Word::TintOrange, Word::TintYellow,
    Word::TintLightBlue, Word::TintDarkBlue, Word::TintViolet};

constexpr std::array<Word, 5> kWindowSizes = {
    Word::OptSizeSmall, Word::OptSizeFullScreen, Word::OptSizeAverage1, Word::OptSizeAverage2, Word::OptSizeLarge};

template <std::size_t N>
Word Pick(const std::array<Word, N>& rows, int index) {
    return index >= 0 && index < int(N) ? rows[std::size_t(index)] : rows[0];
}

} // namespace

Word FaceSetWord(int faceSet) { return Pick(kFaceSets, faceSet); }
Word BackSetWord(int backSet) { return Pick(kBackSets, backSet); }
Word BackgroundWord(int backgroundNo) { return Pick(kBackgrounds, backgroundNo - 1); }
Word TintWord(int tint) { return Pick(kTints, tint); }
Word WindowSizeWord(int windowSize) { return Pick(kWindowSizes, windowSize - 1); }

QStringList FontKindTexts(const Settings& settings) {
    const QString special = DialogText(Word::OptFontSpecial, settings);
    return {DialogText(Word::OptFontLarge, settings), DialogText(Word::OptFontSmall, settings),
            special + QStringLiteral(" 1"), special + QStringLiteral(" 2")};
}

} // namespace vesrin
