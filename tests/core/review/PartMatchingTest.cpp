#include "core/review/PartMatching.h"

#include "core/catalogue/Catalogue.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Entry;

TEST(PartMatching, Rules) {
    struct Case {
        std::string_view catalogue;
        std::string_view written;
        bool matches;
    };
    const std::vector<Case> cases = {
        // the tolerance position takes any letter, the packaging code any character
        {"KRBA106*006#", "KRBA106K006R", true},
        {"KRBA106*006#", "KRBA106M0069", true},
        {"KRBA106*006#", "krba106k006r", true},
        {"KRBA106*006#", "KRBA106*006#", true},  // the catalogue's own form
        {"KRBA106*006#", "KRBA1061006R", false}, // a digit is no tolerance letter
        {"KRBA106*006#", "KRBA106K010R", false},
        {"KRBA106*006#", "KRBB106K006R", false},
        {"KRBA106*006#", "KRBA106K006", false},
        {"KRBA106*006#", "KRBA106K006RX", false},
        // a fixed letter in the tolerance position must be met
        {"WIRB226M010#", "WIRB226M010R", true},
        {"WIRB226M010#", "wirb226m010r", true},
        {"WIRB226M010#", "WIRB226K010R", false},
        // no suffix in the catalogue: the written number may carry one
        {"KRBA106*006#", "KRBA106K006R1500", true},
        {"KRBA106*006#", "KRBA106K006R150", false},
        {"KRBA106*006#", "KRBA106K006R15A0", false},
        // a suffix in the catalogue must be written, with the same digits
        {"KELD106*035#0300", "KELD106K035R0300", true},
        {"KELD106*035#0300", "KELD106K035R0500", false},
        {"KELD106*035#0300", "KELD106K035R", false},
        {"KELD106*035#0300", "KELD106K035R03000", false},
        {"KELD106*035#0300", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.catalogue) + " / " + std::string(c.written));
        EXPECT_EQ(PartNumberMatches(c.catalogue, c.written), c.matches);
    }
}

TEST(PartMatching, IndexFindsEveryMatchInCatalogueOrder) {
    const std::vector<TPartNoRecord> catalogue = {
        Entry("KRBA106*006#", "A", "10", "6.3"),
        Entry("WIRB226M010#", "B", "22", "10", "1", "6", "1800"),
        Entry("WIRB226M010#", "B", "22", "10", "1", "6", "700"),
        Entry("KELD106*035#0300", "D", "10", "35"),
        Entry("KELD106*035#0500", "D", "10", "35"),
        Entry("KRBA106M006#", "A", "10", "6.3"), // a fixed letter beside a `*` twin
        Entry("XY12", "A", "1", "1"),
    };
    const TPartIndex index(catalogue);
    struct Case {
        std::string_view written;
        std::vector<std::size_t> found;
    };
    const std::vector<Case> cases = {
        {"KRBA106K006R", {0}},        {"KRBA106M006R", {0, 5}},
        {"krba106m006r1200", {0, 5}}, {"WIRB226M010R", {1, 2}},
        {"KELD106K035R0300", {3}},    {"KELD106K035R0500", {4}},
        {"KELD106K035R", {}},         {"xy12", {6}},
        {"RC0603FR-0710KL", {}},      {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(index.Match(c.written), c.found);
    }
}

// The index must give what a walk through the whole built-in catalogue gives,
// for every part number written as a maker would print it.
TEST(PartMatching, IndexAgreesWithAWalkOverTheBuiltInCatalogue) {
    const std::span<const TPartNoRecord> catalogue = BuiltInCatalogue();
    const TPartIndex index(catalogue);
    std::size_t doubled = 0;
    for (const TPartNoRecord& entry : catalogue) {
        std::string written(entry.PartNumber.view());
        for (char& c : written) {
            c = c == '*' ? 'K' : c == '#' ? 'T' : c;
        }
        std::vector<std::size_t> walked;
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            if (PartNumberMatches(catalogue[i].PartNumber.view(), written)) {
                walked.push_back(i);
            }
        }
        const std::vector<std::size_t> found = index.Match(written);
        ASSERT_FALSE(found.empty()) << written;
        EXPECT_EQ(found, walked) << written;
        doubled += found.size() > 1 ? 1 : 0;
    }
    // each of the eight doubled part numbers is found twice, from both entries
    EXPECT_EQ(doubled, 16U);
}

} // namespace
} // namespace dorvanta
