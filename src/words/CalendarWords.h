#pragma once

#include "words/Language.h"

#include <span>
#include <string_view>

// The calendar's ten-language data: the built-in holiday rows and the names of months, zodiac
// signs, eastern years and regions. The calendar library parses and resolves the rows; this
// library only holds them.

namespace vesrin {

// The built-in holiday rows in table order, each in the calendar's row form: date code
// (columns 1-10), "#", region code (12-14), "#", picture resource (16-24), "#", then the ten
// names in the order Russian, English, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean, each followed by "#".
std::span<const std::string_view> HolidayRows();

// The month's name for the day picture, month 1..12; Russian in the genitive. Empty for any
// other month.
std::string_view MonthName(int month, Language language);

// The zodiac sign's name, sign 1 (Aries) .. 12 (Pisces); empty otherwise.
std::string_view ZodiacName(int sign, Language language);

// The eastern year's name, animal 1 (Rat) .. 12 (Pig); empty otherwise.
std::string_view EasternYearName(int animal, Language language);

// What follows the number of years of an anniversary ("-th anniversary").
std::string_view AnniversarySuffix(Language language);

// The word a holiday's hint shows for its region code (ENG, RUS, DEU, FRA, ISP, USA, PRA,
// KAT); empty for the codes without a word (ALL, RU-) and for unknown codes.
std::string_view RegionWord(std::string_view regionCode, Language language);

}  // namespace vesrin
