#include "words/WordTable.h"

#include "words/detail/WordData.h"

#include <cstddef>

namespace vesrin {

namespace {

const detail::WordRowData* Row(Word row) {
  auto rows = detail::WordRows();
  auto index = static_cast<std::size_t>(row);
  return index < rows.size() ? &rows[index] : nullptr;
}

}  // namespace

std::string_view WordOf(Word row, Language language) {
  const auto* data = Row(row);
  auto column = static_cast<std::size_t>(language);
  if (data == nullptr || column >= data->Texts.size()) return {};
  return data->Texts[column];
}

std::string_view WordKey(Word row) {
  const auto* data = Row(row);
  return data != nullptr ? data->Key : std::string_view{};
}

int WordListNumber(Word row) {
  const auto* data = Row(row);
  return data != nullptr ? data->ListNumber : 0;
}

std::optional<Word> WordFromIndex(int index) {
  if (index < 0 || index >= WordRowCount) return std::nullopt;
  return static_cast<Word>(index);
}

std::optional<Word> FindWordByKey(std::string_view key) {
  auto rows = detail::WordRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Key == key) return static_cast<Word>(i);
  }
  return std::nullopt;
}

std::optional<Word> FindWordByListNumber(int number) {
  if (number <= 0) return std::nullopt;
  auto rows = detail::WordRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].ListNumber == number) return static_cast<Word>(i);
  }
  return std::nullopt;
}

std::vector<Word> FindWordsByEnglish(std::string_view text) {
  std::vector<Word> found;
  auto rows = detail::WordRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Texts[static_cast<std::size_t>(Language::English)] == text) {
      found.push_back(static_cast<Word>(i));
    }
  }
  return found;
}

Word ClubListHeader(int rankingKind) {
  return rankingKind == 2 ? Word::MainClubHeaderRating : Word::MainClubHeaderScore;
}

}  // namespace vesrin
