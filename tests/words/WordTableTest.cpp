#include "words/WordTable.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {
namespace {

using namespace std::string_view_literals;

std::vector<Language> AllLanguages() {
  std::vector<Language> all;
  for (int i = 0; i < LanguageCount; ++i) all.push_back(static_cast<Language>(i));
  return all;
}

std::vector<Word> AllRows() {
  std::vector<Word> all;
  for (int i = 0; i < WordRowCount; ++i) all.push_back(*WordFromIndex(i));
  return all;
}

TEST(WordTable, TellingRowsHoldTheirTextsInEveryLanguage) {
  struct Case {
    const char* Name;
    Word Row;
    std::array<std::string_view, 10> Texts;
  };
  const Case cases[] = {
      {"new player", Word::MainNewPlayer,
       {"New Player", "Новый Игрок", "Neuer Spieler", "Nouveau joueur", "Nuevo jugador", "新玩家",
        "Nuovo giocatore", "Nový hráč", "新しいプレーヤー", "새 플레이어"}},
      {"history player", Word::HistPlayer,
       {"Player", "Игрок", "Spieler", "Joueur", "Jugador", "播放器", "Giocatore", "Hráč", "プレーヤー", ""}},
      {"missing file", Word::FileCantFind,
       {"Can`t find the file", "Не могу найти файл", "Kann nicht finden Datei",
        "Impossible de trouver le fichier", "No puedo encontrar el archivo", "找不到文件",
        "Non riesco a trovare il file", "Soubor nelze najít", "ファイルが見つかりません",
        "파일을 찾을 수 없습니다"}},
      {"version date", Word::VersionDate,
       {"October 18, 2022", "18 Октября, 2022", "18. Oktober 2022", "18 Octobre 2022",
        "18 de Octubre de 2022", "2022 年 10 月 18 日", "18 Ottobre 2022", "18. Října 2022",
        "2022 年 10 月 18 日", "2022년 10월 18일"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    for (auto language : AllLanguages()) {
      SCOPED_TRACE(LanguageColumnName(language));
      EXPECT_EQ(WordOf(c.Row, language), c.Texts[static_cast<std::size_t>(language)]);
    }
  }
}

TEST(WordTable, RowsEqualInEveryLanguage) {
  struct Case {
    Word Row;
    std::string_view Text;
  };
  const Case cases[] = {
      {Word::LoginDefaultName, "Mr.X"},
      {Word::SupportYooMoney, "ЮMoney:"},
      {Word::SupportPayPal, "PayPal Direct:"},
      {Word::FacePlayboy, "Playboy"},
      {Word::FixedTitleOnlineTournament, "WINDOWS. ONLINE TOURNAMENT"},
      {Word::FixedTitleLocalGames, "WINDOWS. LOCAL GAMES WITH PC"},
      {Word::FixedTitleNetGames, "WINDOWS. NET GAMES"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Text));
    for (auto language : AllLanguages()) EXPECT_EQ(WordOf(c.Row, language), c.Text);
  }
}

TEST(WordTable, TitleIsTheGameNameInTheLanguagesThatKeepIt) {
  for (auto language : {Language::English, Language::German, Language::Japanese, Language::Korean}) {
    SCOPED_TRACE(LanguageColumnName(language));
    EXPECT_EQ(WordOf(Word::TitleMixed, language), "Vesrin");
    EXPECT_EQ(WordOf(Word::TitleCaps, language), "VESRIN");
  }
  EXPECT_EQ(WordOf(Word::TitleMixed, Language::Russian), "Весрин");
  EXPECT_EQ(WordOf(Word::TitleCaps, Language::Russian), "ВЕСРИН");
}

TEST(WordTable, SharedEnglishTextsAreSeparateRows) {
  struct Case {
    std::string_view English;
    std::vector<std::string_view> Keys;
  };
  const Case cases[] = {
      {"Player", {"InfoPlayer", "AccPlayer", "HistPlayer", "TourPlayerInterrupted", "TourPlayerTimeUp"}},
      // Three rows of the published list and the options page of the rule options.
      {"Game", {"AccGame", "FlowGame1", "FlowGame2", "OptPageGame"}},
      {"Rating", {"AccRating", "HistRating", "TourRating"}},
      {"in Apk is temporarily unavailable!", {"AdvApkUnavailable1", "AdvApkUnavailable2", "AdvApkUnavailable3"}},
      {"is temporarily unavailable!", {"AdvUnavailable1", "AdvUnavailable2", "AdvUnavailable3"}},
      {"Score", {"MenuScore", "TourScore"}},
      {"Cards", {"OptPageCards", "DesignSaluteCards"}},
      {"Please, wait...", {"AdvPleaseWait", "WaitPleaseWait"}},
      {"Close", {"AdvClose", "AccClose"}},
      {"Nick", {"WorldNick", "AccNick"}},
      {"Country", {"WorldCountry", "AccCountry"}},
      {"City", {"WorldCity", "AccCity"}},
      {"Sex", {"WorldSex", "AccSex"}},
      {"Carpet", {"BackCarpet", "BgCarpet"}},
      {"Games", {"HistGames", "TourGames"}},
      {"No", {"RuleNo", "MiscNo"}},
      {"Games played with PC", {"StatGamesWithPc1", "StatGamesWithPc2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.English));
    std::vector<std::string_view> keys;
    for (auto row : FindWordsByEnglish(c.English)) keys.push_back(WordKey(row));
    EXPECT_EQ(keys, c.Keys);
  }
}

TEST(WordTable, EveryListPlaceNamesExactlyOneRow) {
  std::set<Word> seen;
  for (int number = 1; number <= 387; ++number) {
    auto row = FindWordByListNumber(number);
    ASSERT_TRUE(row.has_value()) << number;
    EXPECT_EQ(WordListNumber(*row), number);
    EXPECT_TRUE(seen.insert(*row).second) << number;
  }
  EXPECT_FALSE(FindWordByListNumber(0));
  EXPECT_FALSE(FindWordByListNumber(388));
  EXPECT_EQ(WordOf(*FindWordByListNumber(1), Language::English), "New Player");
  EXPECT_EQ(WordOf(*FindWordByListNumber(387), Language::English), "Can`t find ");
}

TEST(WordTable, KeysAreUniqueAndFindTheirRow) {
  std::set<std::string_view> keys;
  for (auto row : AllRows()) {
    auto key = WordKey(row);
    EXPECT_TRUE(keys.insert(key).second) << key;
    EXPECT_EQ(FindWordByKey(key), row) << key;
  }
  EXPECT_FALSE(FindWordByKey("NoSuchRow"));
  EXPECT_FALSE(FindWordByKey(""));
}

TEST(WordTable, BlanksAndLineBreaksBelongToTheText) {
  struct Case {
    Word Row;
    std::string_view English;
  };
  const Case cases[] = {
      {Word::EndResult, "Result: "},
      {Word::EndPlace, "Place: "},
      {Word::AccClubMembers, "Club members: "},
      {Word::MiscCantFind, "Can`t find "},
      {Word::StatBestAccountPlayer, "The best player of games from under the account: "},
      {Word::FileNameOpen, "The file \""},
      {Word::FileBadAttributes,
       "\" has incorrect attributes!\n\rThe work of the program will be incorrect!"},
      {Word::LoginNameChanged, "Your name and/or the password were successfully changed!\n\rNew name: "},
      {Word::AboutCredits,
       "In the program many graphic, sound and musical fragments were used.\n\rThank you to their authors."},
      {Word::OptFlyCards, "\"Fly\" cards"},
      {Word::AccClubTitle, "CLUB \"MORVANE GAMES\""},
      {Word::MainClubHeaderScore, " The members of club    Games    Score "},
      {Word::MainClubHeaderRating, " The members of club    Games   Rating "},
      {Word::HelpNotTranslated,
       "Excuse!\n\rThe file of the help is not translated to the English language."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(WordKey(c.Row)));
    EXPECT_EQ(WordOf(c.Row, Language::English), c.English);
  }
}

TEST(WordTable, LineBreaksAreAlwaysLfThenCr) {
  for (auto row : AllRows()) {
    for (auto language : AllLanguages()) {
      auto text = WordOf(row, language);
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
          ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\r') << WordKey(row) << " " << i;
          ++i;
        } else {
          ASSERT_NE(text[i], '\r') << WordKey(row);
        }
      }
    }
  }
}

// Every entry must be well-formed UTF-8: window code converts them without a replacement step.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
    }
    i += length;
  }
  return true;
}

TEST(WordTable, EveryTextIsUtf8) {
  for (auto row : AllRows()) {
    for (auto language : AllLanguages()) {
      EXPECT_TRUE(IsUtf8(WordOf(row, language))) << WordKey(row) << " " << LanguageColumnName(language);
    }
  }
}

TEST(WordTable, EveryEntryIsFilledButTheKoreanHistoryHeader) {
  for (auto row : AllRows()) {
    for (auto language : AllLanguages()) {
      bool keptEmpty = row == Word::HistPlayer && language == Language::Korean;
      EXPECT_EQ(WordOf(row, language).empty(), keptEmpty) << WordKey(row) << " " << LanguageColumnName(language);
    }
  }
}

// The code points of a UTF-8 text (the table is checked to be UTF-8 above).
std::u32string CodePoints(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t value = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    out.push_back(value);
    i += length;
  }
  return out;
}

TEST(WordTable, ClubListHeadersKeepTheFixedPitchLayout) {
  const Language alphabetic[] = {Language::English, Language::Russian, Language::German, Language::French,
                                 Language::Spanish, Language::Italian, Language::Czech};
  for (auto row : {Word::MainClubHeaderScore, Word::MainClubHeaderRating}) {
    for (auto language : alphabetic) {
      auto text = CodePoints(WordOf(row, language));
      SCOPED_TRACE(std::string(WordOf(row, language)));
      // Drawn in a fixed-pitch font over list rows with the same columns.
      ASSERT_EQ(text.size(), 39u);
      EXPECT_EQ(text[0], U' ');
      EXPECT_EQ(text[38], U' ');
      EXPECT_NE(text[28], U' ');  // the games title ends at column 29
      EXPECT_EQ(text[29], U' ');
      EXPECT_NE(text[37], U' ');  // the score or rating title ends at column 38
    }
  }
}

// One thing has one name in a language: every row about it holds the same word (a stem, so
// that case and endings may follow the sentence). A language left out of a group has no
// single word there (English keeps its published texts).
TEST(WordTable, OneTermForOneThingInEachLanguage) {
  struct Case {
    const char* Thing;
    std::vector<Word> Rows;
    std::vector<std::pair<Language, std::string_view>> Stems;
  };
  using L = Language;
  const Case cases[] = {
      {"rating",
       {Word::InfoInitialRating, Word::InfoCurrentRating, Word::AccRating, Word::HistRating, Word::TourRating},
       {{L::English, "ating"}, {L::Russian, "ейтинг"}, {L::German, "ertung"}, {L::French, "ote"},
        {L::Spanish, "aloraci"}, {L::Chinese, "等级分"}, {L::Italian, "ating"}, {L::Czech, "odnocení"},
        {L::Japanese, "レーティング"}, {L::Korean, "레이팅"}}},
      {"hand",
       {Word::FlowRound, Word::FlowNextRound, Word::AccCurrentDeal},
       {{L::Russian, "аздач"}, {L::German, "Runde"}, {L::French, "anche"}, {L::Spanish, "ano"},
        {L::Chinese, "轮"}, {L::Italian, "ano"}, {L::Czech, "ozdání"}, {L::Japanese, "ディール"},
        {L::Korean, "라운드"}}},
      {"recording games as pictures",
       {Word::OptSaveGames, Word::OptSaveGif, Word::OptSaveMainWindow, Word::OptSaveScreen},
       {{L::Russian, "апис"}, {L::German, "ufzeichn"}, {L::French, "nregistr"}, {L::Spanish, "rabar"},
        {L::Chinese, "录制"}, {L::Italian, "egistra"}, {L::Czech, "znam"}, {L::Japanese, "録画"},
        {L::Korean, "녹화"}}},
      {"the options dialog",
       {Word::MainOptions, Word::FileCantSaveOptions},
       {{L::English, "ptions"}, {L::Russian, "пции"}, {L::German, "Optionen"}, {L::French, "ptions"},
        {L::Spanish, "pciones"}, {L::Chinese, "设置"}, {L::Italian, "pzioni"}, {L::Czech, "astavení"},
        {L::Japanese, "オプション"}, {L::Korean, "옵션"}}},
      {"speed",
       {Word::OptSpeed, Word::OptChoiceOfSpeed},
       {{L::English, "peed"}, {L::Russian, "корост"}, {L::German, "Tempo"}, {L::French, "itesse"},
        {L::Spanish, "elocidad"}, {L::Chinese, "速度"}, {L::Italian, "elocità"}, {L::Czech, "ychlost"},
        {L::Japanese, "速度"}, {L::Korean, "속도"}}},
      {"games played",
       {Word::WorldNumberOfGames, Word::NetNumberOfGames, Word::HistGames, Word::TourGames, Word::InfoGamesInCycle,
        Word::MainClubHeaderScore, Word::MainClubHeaderRating},
       {{L::Korean, "판수"}}},
      {"the player's profile",
       {Word::WorldPassport},
       {{L::Russian, "Профиль"}, {L::German, "Profil"}, {L::French, "Profil"}, {L::Spanish, "Perfil"},
        {L::Chinese, "个人资料"}, {L::Italian, "Profilo"}, {L::Czech, "Profil"}, {L::Japanese, "プロフィール"},
        {L::Korean, "프로필"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Thing);
    for (const auto& [language, stem] : c.Stems) {
      for (auto row : c.Rows) {
        EXPECT_NE(WordOf(row, language).find(stem), std::string_view::npos)
            << WordKey(row) << " " << LanguageColumnName(language) << ": " << WordOf(row, language);
      }
    }
  }
}

// Quotation marks are those of the language, and a pair opened in one half of a joined
// message ("The file \"" + name + "\" has ...") is closed in the other.
TEST(WordTable, QuotesAreTheLanguagesOwnAndPaired) {
  struct Case {
    Language Column;
    std::string_view Open;
    std::string_view Close;
  };
  const Case cases[] = {
      {Language::Russian, "«", "»"},    {Language::German, "„", "“"},   {Language::French, "«\u00a0", "\u00a0»"},
      {Language::Spanish, "«", "»"},    {Language::Chinese, "“", "”"},  {Language::Italian, "«", "»"},
      {Language::Czech, "„", "“"},      {Language::Japanese, "「", "」"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(LanguageColumnName(c.Column)));
    const std::string fileMessage =
        std::string(WordOf(Word::FileNameOpen, c.Column)) + "x" + std::string(WordOf(Word::FileBadAttributes, c.Column));
    std::vector<std::string_view> texts = {fileMessage, WordOf(Word::AccClubTitle, c.Column)};
    // Japanese names the flying cards without quotes.
    if (c.Column != Language::Japanese) texts.push_back(WordOf(Word::OptFlyCards, c.Column));
    for (const std::string_view text : texts) {
      SCOPED_TRACE(std::string(text));
      EXPECT_EQ(text.find('"'), std::string_view::npos);
      const auto open = text.find(c.Open);
      ASSERT_NE(open, std::string_view::npos);
      EXPECT_NE(text.find(c.Close, open + c.Open.size()), std::string_view::npos);
    }
  }
}

// French sets a no-break space before ! ? : ; so the sign never starts a line on its own.
TEST(WordTable, FrenchTwoPartPunctuationKeepsItsSpace) {
  for (auto row : AllRows()) {
    const auto text = WordOf(row, Language::French);
    for (const char* sign : {" !", " ?", " :", " ;"}) {
      EXPECT_EQ(text.find(sign), std::string_view::npos) << WordKey(row) << ": " << text;
    }
  }
}

TEST(WordTable, ClubListHeaderFollowsTheRankingKind) {
  EXPECT_EQ(ClubListHeader(1), Word::MainClubHeaderScore);
  EXPECT_EQ(ClubListHeader(2), Word::MainClubHeaderRating);
  EXPECT_EQ(ClubListHeader(0), Word::MainClubHeaderScore);
}

TEST(WordTable, OutOfRangeValuesGiveEmptyTexts) {
  EXPECT_EQ(WordOf(Word::MainNewPlayer, static_cast<Language>(10)), "");
  EXPECT_EQ(WordOf(static_cast<Word>(WordRowCount), Language::English), "");
  EXPECT_EQ(WordKey(static_cast<Word>(WordRowCount)), "");
  EXPECT_FALSE(WordFromIndex(-1));
  EXPECT_FALSE(WordFromIndex(WordRowCount));
}

}  // namespace
}  // namespace vesrin
