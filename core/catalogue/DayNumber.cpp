#include "core/catalogue/DayNumber.h"

#include "core/display/NumberText.h"

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

Expected<Real> DayNumberOfIsoText(std::string_view text) {
    const auto failure = Unexpected("\"" + std::string(text) + "\" is not a date yyyy-mm-dd");
    constexpr std::size_t kLength = 10;
    if (text.size() != kLength || text[4] != '-' || text[7] != '-') {
        return failure;
    }
    const auto number = [text](std::size_t first, std::size_t count) {
        int value = 0;
        for (const char c : text.substr(first, count)) {
            if (c < '0' || c > '9') {
                return -1;
            }
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const int year = number(0, 4);
    const int month = number(5, 2);
    const int day = number(8, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) {
        return failure;
    }
    const TCivilDate date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
    const long dayNumber = DayNumberOf(date);
    if (CivilDateOf(static_cast<Real>(dayNumber)) != date) { // such as 31 April
        return failure;
    }
    return static_cast<Real>(dayNumber);
}

Real Today() noexcept {
    const auto today = std::chrono::floor<days>(std::chrono::system_clock::now());
    return static_cast<Real>((today - kDayZero).count());
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
