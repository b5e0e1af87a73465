// The catalogue's CSV form: the reader that compiles the built-in catalogue
// and imports catalogue files, and the import that writes one.
#include "core/catalogue/CatalogueCsv.h"

#include "core/catalogue/CatalogueFile.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <system_error>

namespace dorvanta {
namespace {

const std::string kHeaderRow = std::string(kCatalogueCsvHeader) + "\n";

Expected<TPartNumbers> Read(const std::string& text) {
    std::istringstream in(text);
    return ReadCatalogueCsv(in);
}

std::string ErrorOf(const Expected<TPartNumbers>& result) {
    return result ? std::string("no error") : result.error();
}

TEST(CatalogueCsv, ReadsTheBuiltInCatalogueByteForByte) {
    std::ifstream in(DORVANTA_CATALOGUE_CSV, std::ios::binary);
    ASSERT_TRUE(in.is_open());
    const auto entries = ReadCatalogueCsv(in);
    ASSERT_TRUE(entries) << entries.error();
    const auto builtIn = BuiltInCatalogue();
    ASSERT_EQ(entries->size(), builtIn.size());
    EXPECT_EQ(std::memcmp(entries->data(), builtIn.data(), builtIn.size_bytes()), 0);
}

TEST(CatalogueCsv, ReadsEveryFieldIntoItsPlace) {
    const auto entries =
        Read("# a note\n\n" + kHeaderRow + "KELD106*035#0300,D,10,35,3.5,6,300\r\n" +
             "# another note\nWUDA336*010#,A, 0.1 ,1e1,33E-3,0,1700");
    ASSERT_TRUE(entries) << entries.error();
    ASSERT_EQ(entries->size(), 2u);
    const TPartNoRecord& first = (*entries)[0];
    EXPECT_EQ(first.PartNumber.view(), "KELD106*035#0300");
    EXPECT_EQ(first.CaseSize.view(), "D");
    EXPECT_EQ(first.Capacitance, TExtended::from(10));
    EXPECT_EQ(first.RatedVoltage, TExtended::from(35));
    EXPECT_EQ(first.DCLmax, TExtended::from(3.5L));
    EXPECT_EQ(first.DF, TExtended::from(6));
    EXPECT_EQ(first.ESRmax, TExtended::from(300));
    EXPECT_EQ(first.Reserved1, TExtended{});
    EXPECT_EQ(first.ReservedByte, 0);
    // 0.1 is the extended real nearest to one tenth, typed as its bytes.
    const TExtended tenth{{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}};
    EXPECT_EQ((*entries)[1].Capacitance, tenth);
    EXPECT_EQ((*entries)[1].RatedVoltage, TExtended::from(10));
    EXPECT_EQ((*entries)[1].DCLmax, TExtended::from(0.033L));
}

TEST(CatalogueCsv, ReportsTheFirstBadLineWithItsNumberAndReason) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"KELD106*035#03000,D,10,35,3.5,6,300",
         "line 3: part number \"KELD106*035#03000\" is longer than 16 characters"},
        {"KELD,,10,35,3.5,6,300", "line 3: case size \"\" is not 1 or 2 characters"},
        {"KELD,DDD,10,35,3.5,6,300", "line 3: case size \"DDD\" is not 1 or 2 characters"},
        {"KELD,D,10,35,3.5,6", "line 3: 7 fields expected, 6 found"},
        {"KELD,D,10,35,3.5,6,300,1", "line 3: 7 fields expected, 8 found"},
        {"KELD,D,ten,35,3.5,6,300", "line 3: capacitance \"ten\" is not a finite number"},
        {"KELD,D,10,,3.5,6,300", "line 3: rated voltage \"\" is not a finite number"},
        {"KELD,D,10,35,1e5000,6,300", "line 3: DCLmax \"1e5000\" is not a finite number"},
        {"KELD,D,10,35,3.5,nan,300", "line 3: DF \"nan\" is not a finite number"},
        {"KELD,D,10,35,3.5,6,inf", "line 3: ESRmax \"inf\" is not a finite number"},
        {"KELD,D,10,35,3.5,6,3,5", "line 3: 7 fields expected, 8 found"},
    };
    for (const auto& c : cases) {
        const std::string text = "# note\n" + kHeaderRow + c.line + "\nGOOD,A,1,1,1,1,1\n";
        EXPECT_EQ(ErrorOf(Read(text)), c.error) << c.line;
    }
}

TEST(CatalogueCsv, TheHeaderRowIsRequired) {
    const std::string header(kCatalogueCsvHeader);
    EXPECT_EQ(ErrorOf(Read("# note\nKELD,D,10,35,3.5,6,300\n")),
              "line 2: the header row " + header + " is missing");
    EXPECT_EQ(ErrorOf(Read("Part_Number,case_size,capacitance,rated_voltage,dcl_max,df,esr_max\n")),
              "line 1: the header row " + header + " is missing");
    EXPECT_EQ(ErrorOf(Read("")), "the header row " + header + " is missing");
    EXPECT_EQ(ErrorOf(Read("# only a note\n")), "the header row " + header + " is missing");
}

TEST(CatalogueCsv, AHeaderAloneIsAnEmptyCatalogue) {
    const auto entries = Read(kHeaderRow);
    ASSERT_TRUE(entries);
    EXPECT_TRUE(entries->empty());
}

class CatalogueImportTest : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    std::filesystem::path csv = directory.path() / "catalogue.csv";
    std::filesystem::path file = directory.path() / kCatalogueFileName;
};

TEST_F(CatalogueImportTest, TheBuiltInCatalogueImportsAsItsExport) {
    const auto imported =
        ImportCatalogue(DORVANTA_CATALOGUE_CSV, file, kExportVersion, ExportDate());
    ASSERT_TRUE(imported) << imported.error();
    EXPECT_EQ(*imported, kBuiltInCatalogueSize);
    const auto exported = directory.path() / "exported.dat";
    ASSERT_TRUE(ExportCatalogue(exported));
    EXPECT_EQ(ReadBytes(file), ReadBytes(exported));
}

TEST_F(CatalogueImportTest, ABadLineWritesNothing) {
    WriteBytes(file, "the old catalogue");
    WriteBytes(csv, kHeaderRow + "GOOD,A,1,1,1,1,1\nBAD,A,1,1,1,1\n");
    const auto imported = ImportCatalogue(csv, file, 3, 46000);
    ASSERT_FALSE(imported);
    EXPECT_EQ(imported.error(), csv.string() + ": line 3: 7 fields expected, 6 found");
    EXPECT_EQ(ReadBytes(file), "the old catalogue");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(CatalogueImportTest, WritesTheEntriesWithTheVersionAndTheDate) {
    WriteBytes(csv, kHeaderRow + "KELD106*035#0300,D,10,35,3.5,6,300\n");
    ASSERT_TRUE(ImportCatalogue(csv, file, 3, 46000));
    TPartNumbers catalogue;
    const auto load = LoadCatalogueFile(file, TLocaleTexts{}, catalogue);
    EXPECT_EQ(load.Result, TCatalogueLoad::Outcome::External);
    EXPECT_EQ(load.CaptionNote, " - [using external database, version 3, date: 2025-12-09]");
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].PartNumber.view(), "KELD106*035#0300");
}

TEST_F(CatalogueImportTest, NamesTheFileThatFailed) {
    const auto missing = ImportCatalogue(csv, file, 2, 38090);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), csv.string() + ": " + std::system_category().message(ENOENT));

    WriteBytes(csv, kHeaderRow);
    const auto target = directory.path() / "missing" / "out.dat";
    const auto unwritable = ImportCatalogue(csv, target, 2, 38090);
    ASSERT_FALSE(unwritable);
    EXPECT_EQ(unwritable.error(), target.string() + ": " + std::system_category().message(ENOENT));
}

} // namespace
} // namespace dorvanta
