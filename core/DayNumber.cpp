#include "DayNumber.h"

#include "NumberText.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace dorvanta {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// Day 0 of the catalogue's day numbers.
constexpr sys_days kDayZero = std::chrono::year{1899} / 12 / 30;
// 1 January of year 1 and 31 December 9999, as day numbers.
constexpr long kFirstDay = (sys_days{std::chrono::year{1} / 1 / 1} - kDayZero).count();
constexpr long kLastDay = (sys_days{std::chrono::year{9999} / 12 / 31} - kDayZero).count();

} // namespace

std::optional<TCivilDate> CivilDateOf(Real dayNumber) noexcept {
    if (!std::isfinite(dayNumber)) {
        return std::nullopt;
    }
    const Real whole = std::trunc(dayNumber);
    if (whole < kFirstDay || whole > kLastDay) {
        return std::nullopt;
    }
    const year_month_day date{kDayZero + days{static_cast<long>(whole)}};
    return TCivilDate{static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                      static_cast<unsigned>(date.day())};
}

long DayNumberOf(const TCivilDate& date) noexcept {
    const sys_days day{std::chrono::year{date.Year} / std::chrono::month{date.Month} /
                       std::chrono::day{date.Day}};
    return (day - kDayZero).count();
}

std::string IsoDateText(Real dayNumber) {
    const auto date = CivilDateOf(dayNumber);
    if (!date) {
        return FormatGeneral(dayNumber);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", date->Year, date->Month, date->Day);
    return text;
}

} // namespace dorvanta
