#include "core/catalogue/DayNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace dorvanta {
namespace {

struct DayCase {
    Real dayNumber;
    TCivilDate date;
};

const DayCase kDays[] = {
    {0, {1899, 12, 30}},    {1, {1899, 12, 31}},    {2, {1900, 1, 1}},    {60, {1900, 2, 28}},
    {61, {1900, 3, 1}}, // 1900 has no 29 February
    {38090, {2004, 4, 13}}, {36585, {2000, 2, 29}}, {-693593, {1, 1, 1}}, {2958465, {9999, 12, 31}},
};

TEST(DayNumber, ConvertsBothWays) {
    for (const auto& known : kDays) {
        EXPECT_EQ(CivilDateOf(known.dayNumber), known.date) << static_cast<double>(known.dayNumber);
        EXPECT_EQ(DayNumberOf(known.date), known.dayNumber) << static_cast<double>(known.dayNumber);
    }
}

TEST(DayNumber, DropsTheTimeOfDayTowardsZero) {
    EXPECT_EQ(CivilDateOf(38090.99L), (TCivilDate{2004, 4, 13}));
    EXPECT_EQ(CivilDateOf(-1.25L), (TCivilDate{1899, 12, 29}));
}

TEST(DayNumber, HasNoDateOutsideTheYearsOneToNineThousandNineHundredNinetyNine) {
    for (const Real day : {-693594.0L, 2958466.0L, 1e300L, std::numeric_limits<Real>::infinity(),
                           std::numeric_limits<Real>::quiet_NaN()}) {
        EXPECT_FALSE(CivilDateOf(day).has_value()) << static_cast<double>(day);
    }
}

TEST(DayNumber, IsoDateTextFallsBackToTheNumber) {
    EXPECT_EQ(IsoDateText(38090.5L), "2004-04-13");
    EXPECT_EQ(IsoDateText(-693593), "0001-01-01");
    EXPECT_EQ(IsoDateText(1e300L), "1E300");
    EXPECT_EQ(IsoDateText(std::numeric_limits<Real>::quiet_NaN()), "NAN");
}

TEST(DayNumber, ReadsIsoDatesAndRejectsEverythingElse) {
    EXPECT_EQ(*DayNumberOfIsoText("2004-04-13"), 38090);
    EXPECT_EQ(*DayNumberOfIsoText("1899-12-30"), 0);
    EXPECT_EQ(*DayNumberOfIsoText("2024-02-29"), 45351);
    EXPECT_EQ(*DayNumberOfIsoText("0001-01-01"), -693593);
    for (const char* text :
         {"2023-02-29", "2004-04-31", "2004-13-01", "2004-00-10", "0000-01-01", "2004-4-13",
          "13.4.2004", "2004-04-13 ", "2004/04/13", "", "20040413xx", "2004-04-1x"}) {
        const auto day = DayNumberOfIsoText(text);
        ASSERT_FALSE(day) << text;
        EXPECT_EQ(day.error(), "\"" + std::string(text) + "\" is not a date yyyy-mm-dd");
    }
}

TEST(DayNumber, TodayIsAWholeDayAfterTheCatalogueExport) {
    const Real today = Today();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_GT(today, 45000); // after 15 March 2023
    EXPECT_TRUE(CivilDateOf(today).has_value());
}

} // namespace
} // namespace dorvanta
