#include "core/review/PartsList.h"

#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

using Strings = std::vector<std::string>;

TPartsList Read(std::string_view text, const TPartsListColumns& columns = {}) {
    auto list = ReadPartsList(text, columns);
    EXPECT_TRUE(list.has_value()) << (list ? "" : list.error());
    return list ? *list : TPartsList{};
}

// A BOM as KiCad's grouped-by-value generator writes it: a preamble above
// the header, every field quoted.
constexpr std::string_view kKiCadBom =
    "\"Source:\",\"/home/user/psu/psu.kicad_sch\"\n"
    "\"Date:\",\"Thu 10 Dec 2026 05:00:00 UTC\"\n"
    "\"Tool:\",\"Eeschema 7.0.10\"\n"
    "\"Generator:\",\"bom_csv_grouped_by_value.py\"\n"
    "\"Component Count:\",\"5\"\n"
    "\"Ref\",\"Qnty\",\"Value\",\"Cmp name\",\"Footprint\",\"Description\",\"MPN\"\n"
    "\"C1 C2 \",\"2\",\"10u\",\"C_Polarized\",\"Capacitor_Tantalum_SMD:CP_EIA-7343-31_Kemet-D\","
    "\"Polarized capacitor\",\"KELD106K035R0300\"\n"
    "\"R1 "
    "\",\"1\",\"10k\",\"R\",\"Resistor_SMD:R_0603_1608Metric\",\"Resistor\",\"RC0603FR-0710KL\"\n";

TEST(PartsListReading, KiCadExportWithPreamble) {
    const TPartsList list = Read(kKiCadBom);
    EXPECT_EQ(list.Headers.size(), 7U);
    ASSERT_EQ(list.Lines.size(), 2U);
    EXPECT_EQ(list.Lines[0].Line, 7U);
    EXPECT_EQ(list.Lines[0].Designators, (Strings{"C1", "C2"}));
    EXPECT_EQ(list.Lines[0].PartNumber, "KELD106K035R0300");
    EXPECT_EQ(list.Lines[1].Designators, (Strings{"R1"}));
    EXPECT_EQ(list.Lines[1].PartNumber, "RC0603FR-0710KL");
    EXPECT_TRUE(list.Lines[0].Error.empty());
}

// The same two rows in every dialect: the fields and line numbers must come
// out the same.
TEST(PartsListReading, Dialects) {
    struct Case {
        std::string_view name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"comma, LF", "Reference,MPN\nC1,KELD106K035R0300\nC2,KRBA106K006R\n"},
        {"semicolon", "Reference;MPN\nC1;KELD106K035R0300\nC2;KRBA106K006R\n"},
        {"CRLF", "Reference,MPN\r\nC1,KELD106K035R0300\r\nC2,KRBA106K006R\r\n"},
        {"byte-order mark", "\xEF\xBB\xBFReference,MPN\nC1,KELD106K035R0300\nC2,KRBA106K006R"},
        {"quoted", "\"Reference\",\"MPN\"\n\"C1\",\"KELD106K035R0300\"\n\"C2\",\"KRBA106K006R\"\n"},
        {"semicolon with commas in quotes",
         "Reference;MPN;Note\nC1;KELD106K035R0300;\"a, b, c\"\nC2;KRBA106K006R;\"x, y\"\n"},
        {"blank and empty rows", "Reference,MPN\n\nC1,KELD106K035R0300\n,\nC2,KRBA106K006R\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPartsList list = Read(c.text);
        ASSERT_EQ(list.Lines.size(), 2U);
        EXPECT_EQ(list.Lines[0].Designators, (Strings{"C1"}));
        EXPECT_EQ(list.Lines[0].PartNumber, "KELD106K035R0300");
        EXPECT_EQ(list.Lines[1].Designators, (Strings{"C2"}));
        EXPECT_EQ(list.Lines[1].PartNumber, "KRBA106K006R");
    }
}

TEST(PartsListReading, DoubledQuotesAndSeparatorsInsideQuotes) {
    const TPartsList list =
        Read("Designator,Description,MPN\n\"C1, C4\",\"Tantalum \"\"low ESR\"\", 10 uF\",X\n");
    ASSERT_EQ(list.Lines.size(), 1U);
    EXPECT_EQ(list.Lines[0].Designators, (Strings{"C1", "C4"}));
    EXPECT_EQ(list.Lines[0].PartNumber, "X");
    EXPECT_TRUE(list.Lines[0].Error.empty());
}

TEST(PartsListReading, HeaderNamesIgnoreCaseAndPreferTheMakersNumber) {
    struct Case {
        std::string_view header;
        std::string_view part;
    };
    const std::vector<Case> cases = {
        {"ref,value,mpn", "M"},
        {"REFDES,Value,Manufacturer Part Number", "M"},
        {"References,Value,part number", "M"},
        {"Ref,Value,pn", "M"},
        {"RefDes,VALUE,Footprint", "V"}, // Value only as the last resort
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const TPartsList list = Read(std::string(c.header) + "\nC1,V,M\n");
        ASSERT_EQ(list.Lines.size(), 1U);
        EXPECT_EQ(list.Lines[0].PartNumber, c.part);
        EXPECT_EQ(list.Lines[0].Designators, (Strings{"C1"}));
    }
}

TEST(PartsListReading, ColumnsNamedByTheUser) {
    TPartsListColumns columns;
    ASSERT_TRUE(SetPartsListColumn(columns, "designator=Pos"));
    ASSERT_TRUE(SetPartsListColumn(columns, "PART = Order code"));
    ASSERT_TRUE(SetPartsListColumn(columns, "va=Rail"));
    const TPartsList list = Read("Pos,MPN,Order code,Rail\nC9,ignored,KRBA106K006R,3.3\n", columns);
    ASSERT_EQ(list.Lines.size(), 1U);
    EXPECT_EQ(list.Lines[0].Designators, (Strings{"C9"}));
    EXPECT_EQ(list.Lines[0].PartNumber, "KRBA106K006R");
    EXPECT_EQ(list.Lines[0].Application.Va, 3.3L);

    EXPECT_FALSE(SetPartsListColumn(columns, "colour=Red"));
    EXPECT_FALSE(SetPartsListColumn(columns, "part="));
    EXPECT_FALSE(SetPartsListColumn(columns, "part"));

    TPartsListColumns missing;
    ASSERT_TRUE(SetPartsListColumn(missing, "rs=Source"));
    const auto failed = ReadPartsList("Ref,MPN\nC1,X\n", missing);
    ASSERT_FALSE(failed);
    EXPECT_NE(failed.error().find("\"Source\""), std::string::npos) << failed.error();
}

TEST(PartsListReading, CircuitValuesPerLine) {
    const TPartsList list = Read("Ref;MPN;Va;Rs;Rl;Imax\n"
                                 "C1;A;12;0.5;0.02;3\n"
                                 "C2;B;;;;\n"
                                 "C3;C;1.5e1; 0 ;;\n");
    ASSERT_EQ(list.Lines.size(), 3U);
    const TLineApplication& first = list.Lines[0].Application;
    EXPECT_EQ(first.Va, 12.0L);
    EXPECT_EQ(first.Rs, 0.5L);
    EXPECT_EQ(first.Rl, 0.02L);
    EXPECT_EQ(first.Imax, 3.0L);
    const TLineApplication& second = list.Lines[1].Application;
    EXPECT_FALSE(second.Va || second.Rs || second.Rl || second.Imax);
    EXPECT_EQ(list.Lines[2].Application.Va, 15.0L);
    EXPECT_EQ(list.Lines[2].Application.Rs, 0.0L);
}

TEST(PartsListReading, BadLinesSayWhyAndTheOthersAreStillRead) {
    const TPartsList list = Read("Ref,MPN,Va,Imax\n"
                                 "C1,A,5,\n"
                                 "C2,\"B,5,\n"     // quote never closed
                                 "C3,C,5V,\n"      // unit written into the number
                                 "C4,D,\"5,0\",\n" // decimal comma
                                 "C5,E,0,\n"
                                 "C6,F,,-1\n"
                                 "C7,G,6,2\n");
    ASSERT_EQ(list.Lines.size(), 7U);
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {2, ""},
        {3, "unbalanced quote"},
        {4, "Va is not a number: \"5V\""},
        {5, "Va is not a number: \"5,0\""},
        {6, "Va is not above 0: \"0\""},
        {7, "Imax is not above 0: \"-1\""},
        {8, ""},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.Lines[i].Line, expected[i].first);
        EXPECT_EQ(list.Lines[i].Error, expected[i].second);
    }
    EXPECT_EQ(list.Lines[6].PartNumber, "G");
    EXPECT_EQ(list.Lines[3].Designators, (Strings{"C4"}));
}

TEST(PartsListReading, WholeFileFailuresNameWhatWasFound) {
    const auto noPart = ReadPartsList("Ref,Qty,Footprint\nC1,1,0805\n");
    ASSERT_FALSE(noPart);
    EXPECT_NE(noPart.error().find("line 1"), std::string::npos) << noPart.error();
    EXPECT_NE(noPart.error().find("\"Ref\", \"Qty\", \"Footprint\""), std::string::npos)
        << noPart.error();

    const auto noLines = ReadPartsList("\r\nRef,MPN\r\n\r\n,\r\n");
    ASSERT_FALSE(noLines);
    EXPECT_NE(noLines.error().find("no lines"), std::string::npos) << noLines.error();
    EXPECT_NE(noLines.error().find("line 2"), std::string::npos) << noLines.error();

    EXPECT_FALSE(ReadPartsList(""));
    EXPECT_FALSE(ReadPartsList("\xEF\xBB\xBF"));
}

// Malformed bytes never stop the reading: each input either fails as a whole
// or gives lines, bad ones marked.
TEST(PartsListReading, MalformedBytes) {
    using namespace std::string_literals;
    const std::vector<std::string> inputs = {
        "Ref,MPN\n\"\n",
        "Ref,MPN\nC1,\"\"\"\n",
        "Ref,MPN\r\r\nC1,A\r",
        "Ref,MPN\nC1\0,A\0B\n"s,
        "Ref,MPN\n\xFF\xFE,\xC3\n",
        "\"Ref\"x,\"MPN\"y\nC1,A\n",
        "Ref;MPN,Value\nC1;A,B\n",
        std::string(100000, '"'),
        std::string(100000, ','),
        "Ref,MPN\n" + std::string(100000, 'C') + ",A\n",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        const auto list = ReadPartsList(input);
        if (list) {
            EXPECT_FALSE(list->Lines.empty());
        } else {
            EXPECT_FALSE(list.error().empty());
        }
    }
    const auto open = ReadPartsList("Ref,MPN\n\"\n");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->Lines.at(0).Error, "unbalanced quote");
}

TEST(PartsListReading, Files) {
    const TemporaryDirectory directory;
    const auto file = directory.path() / "bom.csv";
    WriteBytes(file, "Ref,MPN\nC1,KRBA106K006R\n");
    const auto list = ReadPartsListFile(file);
    ASSERT_TRUE(list) << list.error();
    EXPECT_EQ(list->Lines.size(), 1U);

    const auto missing = ReadPartsListFile(directory.path() / "none.csv");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("none.csv"), std::string::npos) << missing.error();

    EXPECT_FALSE(ReadPartsListFile(directory.path())); // a directory is no list

    const auto big = directory.path() / "big.csv";
    std::string text = "Ref,MPN\nC1,KRBA106K006R\n";
    text.resize(kMaxPartsListBytes + 1, ' ');
    WriteBytes(big, text);
    const auto refused = ReadPartsListFile(big);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("larger"), std::string::npos) << refused.error();
}

TEST(Designators, ListsAndRanges) {
    struct Case {
        std::string_view cell;
        Strings expected;
    };
    const std::vector<Case> cases = {
        {"C1, C4, C7", {"C1", "C4", "C7"}},
        {"C1-C3", {"C1", "C2", "C3"}},
        {"C1 - C3, C10", {"C1", "C2", "C3", "C10"}},
        {"C8;C9 C12", {"C8", "C9", "C12"}},
        {"C9-C11", {"C9", "C10", "C11"}},
        {"C3-C1", {"C3-C1"}}, // descending: kept as written
        {"C1-R3", {"C1-R3"}}, // different prefixes
        {"C1-C", {"C1-C"}},
        {"TP-1", {"TP-1"}},
        {"C1-C100000", {"C1-C100000"}}, // too long to spell out
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(ExpandDesignators(c.cell), c.expected);
    }
}

} // namespace
} // namespace dorvanta
