#include "app/MenuTexts.h"

#include "records/Rating.h"
#include "records/Roster.h"

namespace vesrin {

namespace {

// Columns of a line by their 1-based first column and width; a short line gives what
// it has, so a damaged line never reads past its end.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
    if (line.size() < first) return {};
    return line.substr(first - 1, width);
}

std::string RightAligned(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string NameColumns(std::string_view line) {
    std::string name(Columns(line, 1, 20));
    name.resize(20, ' ');
    return name;
}

} // namespace

std::string ProfileRowText(std::string_view rosterLine, int rankingKind) {
    const std::optional<RosterEntry> entry = ParseRosterLine(rosterLine);
    const std::string_view gamesField = Columns(rosterLine, 31, 7);
    std::string row = NameColumns(rosterLine);
    if (rankingKind == 2) {
        row += "  ";
        row += gamesField;
        row += "  ";
        // An empty slot's ten "#" of the rating are cut to six like a rating text.
        row += entry ? RatingText(entry->Rating, 6) : std::string(Columns(rosterLine, 21, 6));
        return row;
    }
    row += "    ";
    if (entry)
        row += RightAligned(std::to_string(entry->Games % 20), 3);
    else
        row += gamesField == "#######" ? std::string("###") : std::string(Columns(gamesField, 5, 3));
    row += "    ";
    row += Columns(rosterLine, 39, 6);
    return row;
}

std::string RankingRowText(std::string_view topTenLine) {
    return NameColumns(topTenLine) + "  " + std::string(Columns(topTenLine, 21, 6));
}

std::string CutRowText(std::string text, int limit, const std::function<int(std::string_view)>& measure) {
    bool lostMark = false;
    std::size_t cutAt = 0;
    for (std::size_t position = 20; position >= 5 && position <= text.size() && measure(text) >= limit; --position) {
        const char removed = text[position - 1];
        if (removed != ' ' && removed != '#') lostMark = true;
        text.erase(position - 1, 1);
        cutAt = position;
    }
    if (lostMark && cutAt >= 4) text.replace(cutAt - 4, 3, "...");
    return text;
}

} // namespace vesrin
