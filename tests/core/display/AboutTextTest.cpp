#include "core/display/MemoryText.h"
#include "core/display/VersionText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {
namespace {

TEST(VersionText, ShowsTheMajorAndMinorNumberUpToTheSecondPoint) {
    const struct {
        std::optional<std::string_view> fileVersion;
        std::string expected;
    } cases[] = {
        {"6.1.7.1", "Version: 6.1"},
        {"10.22.3.4", "Version: 10.22"},
        {"6.1", "Version: 6."},
        {"6", "Version: "},
        {".", "Version: ."},
        {"1..2", "Version: 1."},
        {"", ""},
        {std::nullopt, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.fileVersion), c.expected) << c.fileVersion.value_or("(none)");
    }
}

TEST(MemoryText, PutsOneBlankBeforeTheLastThreeDigitsOnly) {
    const struct {
        std::uint64_t kilobytes;
        std::string expected;
    } cases[] = {
        {261616, "261 616 kB"},
        {524288, "524 288 kB"},
        {2097152, "2097 152 kB"},
        {1000, "1 000 kB"},
        {999, "999 kB"},
        {512, "512 kB"},
        {0, "0 kB"},
        {67108864, "67108 864 kB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MemoryText(c.kilobytes), c.expected) << c.kilobytes;
    }
}

} // namespace
} // namespace dorvanta
