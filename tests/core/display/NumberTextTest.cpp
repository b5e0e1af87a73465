#include "core/display/NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace dorvanta {
namespace {

struct GeneralCase {
    Real value;
    std::string point;
    std::string comma;
};

TEST(FormatGeneral, WritesTheShortestTextOfFifteenDigits) {
    const GeneralCase cases[] = {
        {10.0L, "10", "10"},
        {6.3L, "6.3", "6,3"},
        {0.15L, "0.15", "0,15"},
        {0.47L, "0.47", "0,47"},
        {1000.0L, "1000", "1000"},
        {-2.5L, "-2.5", "-2,5"},
        {0.0L, "0", "0"},
        {0.0001L, "0.0001", "0,0001"},
        {0.00001L, "1E-5", "1E-5"},
        {0.000015L, "1.5E-5", "1,5E-5"},
        {1e15L, "1E15", "1E15"},
        {123456789012345.0L, "123456789012345", "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15", "1,23456789012346E15"},
        {1.0L / 3.0L, "0.333333333333333", "0,333333333333333"},
        {999999999999999.9L, "1E15", "1E15"},
        {42.857142857142857L, "42.8571428571429", "42,8571428571429"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.point);
        EXPECT_EQ(FormatGeneral(c.value, ","), c.comma);
    }
}

// Values at the edges of the quick exact path of the 15-digit form: halves
// of the last digit (an exact binary half rounds to the even digit), values
// that round up into the next power of ten, the ends of the plain range, the
// smallest and largest scales of an exact power of ten and those beyond,
// the largest real and a denormal.
TEST(FormatGeneral, RoundsTrickyValuesExactlyToFifteenDigits) {
    const GeneralCase cases[] = {
        {999999999999999.5L, "1E15", "1E15"},
        {999999999999999.4L, "999999999999999", "999999999999999"},
        {123456789012345.5L, "123456789012346", "123456789012346"},
        {123456789012344.5L, "123456789012344", "123456789012344"},
        {99999999999999.99L, "100000000000000", "100000000000000"},
        {100000000000000.01L, "100000000000000", "100000000000000"},
        {0.1L + 0.2L, "0.3", "0,3"},
        {2.0L / 3, "0.666666666666667", "0,666666666666667"},
        {1.000000000000005L, "1.00000000000001", "1,00000000000001"},
        {99999.99999999999L, "100000", "100000"},
        {0.00009999999999999999L, "0.0001", "0,0001"},
        {-0.0001L, "-0.0001", "-0,0001"},
        {0.000123456789012345678L, "0.000123456789012346", "0,000123456789012346"},
        {1e-5L, "1E-5", "1E-5"},
        {1.5e-13L, "1.5E-13", "1,5E-13"},
        {1.5e-14L, "1.5E-14", "1,5E-14"},
        {4503599627370497.0L, "4.5035996273705E15", "4,5035996273705E15"},
        {1e40L, "1E40", "1E40"},
        {1.2345678901234567e41L, "1.23456789012346E41", "1,23456789012346E41"},
        {-1e42L, "-1E42", "-1E42"},
        {1e-4000L, "1E-4000", "1E-4000"},
        {std::numeric_limits<Real>::max(), "1.18973149535723E4932", "1,18973149535723E4932"},
        {3.6e-4951L, "3.64519953188247E-4951", "3,64519953188247E-4951"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.point);
        EXPECT_EQ(FormatGeneral(c.value, ","), c.comma);
    }
}

TEST(FormatGeneral, CatalogueValuesReadBackBitExactly) {
    const Real values[] = {0.1L,    0.15L, 0.22L,  0.33L, 0.47L, 0.68L,   1.5L,    2.2L,  3.3L,
                           4.7L,    6.8L,  1.8L,   2.5L,  6.3L,  40.8L,   0.025L,  23.5L, 56.4L,
                           3300.0L, 0.3L,  132.0L, 1.7L,  24.5L, 1e-300L, 7.5e100L};
    for (const char* separator : {".", ","}) {
        for (const Real v : values) {
            const auto back = ParseGeneral(FormatGeneral(v, separator), separator);
            ASSERT_TRUE(back.has_value()) << FormatGeneral(v, separator);
            EXPECT_EQ(*back, v) << FormatGeneral(v, separator);
        }
    }
}

struct ParseCase {
    std::string text;
    std::optional<Real> expected;
};

TEST(ParseGeneral, AcceptsExactlyTheReadingRule) {
    const ParseCase cases[] = {
        {"1e-3", 1e-3L},
        {" 2 ", 2.0L},
        {"+5", 5.0L},
        {"-0.5", -0.5L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"1.5E+2", 150.0L},
        {"7e0", 7.0L},
        {"0.1", 0.1L},
        {"2 V", std::nullopt},
        {"1,000.5", std::nullopt},
        {"   ", std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1.2.3", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e99999", std::nullopt},
        {"--1", std::nullopt},
        {"1 2", std::nullopt},
        {"\t1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseGeneral(c.text), c.expected) << "'" << c.text << "'";
    }
}

// The library's correctly rounded reading of `text`, as bytes.
std::string LibraryBits(const std::string& text) {
    Real value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::string(reinterpret_cast<const char*>(&value), 10);
}

std::string Bits(Real value) {
    return std::string(reinterpret_cast<const char*>(&value), 10);
}

// Short texts take a quicker path than the library's conversion; it must give
// the same nearest real, bit for bit, on both sides of its limits (19
// significant digits, powers of ten up to 27).
TEST(ParseGeneral, GivesTheLibrarysNearestRealForEveryText) {
    const char* tricky[] = {
        "0.1",
        "0.3",
        "6.3",
        "2.2",
        "1e-3",
        "33E-3",
        "0.000123456789012345678",
        "9999999999999999999",
        "18446744073709551615",
        "18446744073709551616",
        "1234567890123456789e27",
        "1234567890123456789e-27",
        "1e28",
        "1e-28",
        "123e-30",
        "0.0000000000000000000000000001",
        "-0",
        "-0.0",
        "0e400",
        "4.9406564584124654e-324",
        "1.18973149535723176502e4932",
        "3.36210314311209350626e-4932",
        "7.5",
        "-1700",
        "0.30000000000000000001",
        "1.00000000000000000005421010862427522",
    };
    for (const char* text : tricky) {
        const auto value = ParseGeneral(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(Bits(*value), LibraryBits(text)) << text;
    }
    std::mt19937_64 random(20041304);
    for (int i = 0; i < 200'000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 21);
        std::string text;
        for (int d = 0; d < digits; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        text.insert(random() % (text.size() + 1), ".");
        if (text.back() == '.') {
            text += '0';
        }
        if (random() % 2 == 0) {
            text += "e" + std::to_string(static_cast<int>(random() % 71) - 35);
        }
        const auto value = ParseGeneral(text);
        ASSERT_TRUE(value.has_value()) << text;
        ASSERT_EQ(Bits(*value), LibraryBits(text)) << text;
    }
}

TEST(ParseGeneral, UsesTheGivenSeparatorOnly) {
    EXPECT_EQ(ParseGeneral("0,5", ","), 0.5L);
    EXPECT_EQ(ParseGeneral("0.5", ","), std::nullopt);
    EXPECT_EQ(ParseGeneral("0,5", "."), std::nullopt);
    EXPECT_EQ(ParseGeneral("1,5E-5", ","), 1.5e-5L);
    EXPECT_EQ(ParseGeneral("0,1", ","), 0.1L);
}

struct PatternCase {
    Real value;
    TNumberPattern pattern;
    std::string expected;
};

TEST(FormatPattern, RoundsHalvesAwayFromZero) {
    const PatternCase cases[] = {
        {47.25L, TNumberPattern::OneDecimal, "47.3"},
        {5.0L, TNumberPattern::OneDecimal, "5"},
        {0.04L, TNumberPattern::OneDecimal, "0"},
        {0.05L, TNumberPattern::OneDecimal, "0.1"},
        {4000.0L * 0.001L, TNumberPattern::ThreeDecimals, "4"},
        {25.0L * 0.001L, TNumberPattern::ThreeDecimals, "0.025"},
        {0.000123L, TNumberPattern::Scientific, "1.2e-4"},
        {2.0L, TNumberPattern::Scientific, "2.0e0"},
        {12345.0L, TNumberPattern::Scientific, "1.2e4"},
        {0.0L, TNumberPattern::Scientific, "0.0e0"},
        {0.00096L, TNumberPattern::Scientific, "9.6e-4"},
        {0.000995L, TNumberPattern::Scientific, "1.0e-3"},
        {-0.00015L, TNumberPattern::Scientific, "-1.5e-4"},
        {707.1067L, TNumberPattern::Integer, "707"},
        {0.5L, TNumberPattern::Integer, "1"},
        {-0.5L, TNumberPattern::Integer, "-1"},
        {9.995L, TNumberPattern::TwoDecimals, "10"},
        {1.8125L, TNumberPattern::TwoDecimals, "1.81"},
        {3.08125L, TNumberPattern::TwoDecimals, "3.08"},
        {-14.2857L, TNumberPattern::OneDecimal, "-14.3"},
        {-0.04L, TNumberPattern::OneDecimal, "0"},
        {42.857142857L, TNumberPattern::OneDecimal, "42.9"},
        {1e20L, TNumberPattern::Integer, "100000000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected)
            << static_cast<double>(c.value) << " pattern " << static_cast<int>(c.pattern);
    }
}

TEST(FormatPattern, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatPattern(47.25L, TNumberPattern::OneDecimal, ","), "47,3");
    EXPECT_EQ(FormatPattern(0.000123L, TNumberPattern::Scientific, ","), "1,2e-4");
}

TEST(PatternFromText, KnowsTheFivePatterns) {
    EXPECT_EQ(PatternFromText("0"), TNumberPattern::Integer);
    EXPECT_EQ(PatternFromText("0.###"), TNumberPattern::ThreeDecimals);
    EXPECT_EQ(PatternFromText("0.0e-0"), TNumberPattern::Scientific);
    EXPECT_EQ(PatternFromText("#"), std::nullopt);
}

} // namespace
} // namespace dorvanta
