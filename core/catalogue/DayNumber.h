// Day numbers as the catalogue file stores dates: whole days counted from
// 30 December 1899 = 0; a fraction is a time of day. These helpers serve
// callers without a locale service (the companion, the tests); the window
// formats dates with its locale's short date format.
#pragma once

#include "core/record/Expected.h"
#include "core/record/Extended.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {

struct TCivilDate {
    int Year = 1899;
    unsigned Month = 12; // 1 to 12
    unsigned Day = 30;   // 1 to 31
    friend bool operator==(const TCivilDate&, const TCivilDate&) = default;
};

// The calendar date (proleptic Gregorian) of the day `dayNumber` falls on; the
// fraction is dropped towards zero as a time of day. Nothing for a day number
// that is not a number, infinite, or outside the years 1 to 9999.
[[nodiscard]] std::optional<TCivilDate> CivilDateOf(Real dayNumber) noexcept;

// The day number of midnight at the start of `date`.
[[nodiscard]] long DayNumberOf(const TCivilDate& date) noexcept;

// "yyyy-mm-dd" for the date of `dayNumber`; outside the years 1 to 9999 the
// day number itself in the general number format.
[[nodiscard]] std::string IsoDateText(Real dayNumber);

// The day number of a date written "yyyy-mm-dd" (years 1 to 9999), as the
// companion takes dates; the reason when the text is not such a date.
[[nodiscard]] Expected<Real> DayNumberOfIsoText(std::string_view text);

// The day number of the current day (UTC), without a time of day.
[[nodiscard]] Real Today() noexcept;

} // namespace dorvanta
