// Holiday rows: any bytes either parse into a row whose date resolves in any year, or are
// refused.
#include "calendar/CalendarDay.h"
#include "calendar/HolidayRow.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<vesrin::HolidayRow> row = vesrin::ParseHolidayRow(text);
  if (!row) return 0;
  for (int year : {1, 1900, 2024, 2025, 9999}) {
    const std::optional<vesrin::CivilDate> date = vesrin::HolidayDate(*row, year);
    if (date) (void)vesrin::HolidayHint(*row, date->Year, vesrin::Language::English);
  }
  return 0;
}
