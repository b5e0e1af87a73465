#include "core/catalogue/CatalogueFile.h"

#include "core/catalogue/DayNumber.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>
#include <streambuf>
#include <system_error>

namespace dorvanta {
namespace {

using Outcome = TCatalogueLoad::Outcome;

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

std::string HeaderBytes(Real version = 2, Real date = 38090,
                        std::string_view signature = kCatalogueSignature) {
    std::string header(kRecordSize, '\0');
    auto* bytes = reinterpret_cast<std::uint8_t*>(header.data());
    EncodeExtended(version, bytes + kHeaderVersionOffset);
    EncodeExtended(date, bytes + kHeaderDateOffset);
    header.replace(kHeaderSignatureOffset, signature.size(), signature);
    return header;
}

TPartNoRecord Entry(std::string_view partNumber, Real capacitance) {
    TPartNoRecord entry{};
    entry.PartNumber.assign(partNumber);
    entry.CaseSize.assign("D");
    entry.Capacitance = TExtended::from(capacitance);
    entry.RatedVoltage = TExtended::from(35);
    entry.Reserved2 = TExtended::from(-1); // carried through untouched
    entry.ReservedByte = 0x5A;
    return entry;
}

std::string BytesOf(const TPartNoRecord& entry) {
    return {reinterpret_cast<const char*>(&entry), kRecordSize};
}

std::vector<TPartNoRecord> SampleEntries(std::size_t count) {
    std::vector<TPartNoRecord> entries;
    for (std::size_t i = 0; i < count; ++i) {
        entries.push_back(Entry("KELD106*035#" + std::to_string(i), static_cast<Real>(i) + 0.5L));
    }
    return entries;
}

std::string FileBytes(const std::string& header, const std::vector<TPartNoRecord>& entries) {
    std::string bytes = header;
    for (const auto& entry : entries) {
        bytes += BytesOf(entry);
    }
    return bytes;
}

std::vector<TPartNoRecord> BuiltIn() {
    const auto builtIn = BuiltInCatalogue();
    return {builtIn.begin(), builtIn.end()};
}

// A locale with a decimal comma and day.month.year dates.
TLocaleTexts CommaLocale() {
    TLocaleTexts locale;
    locale.DecimalSeparator = ",";
    locale.ShortDate = [](Real day) {
        const auto date = CivilDateOf(day);
        char text[16];
        std::snprintf(text, sizeof text, "%02u.%02u.%04d", date->Day, date->Month, date->Year);
        return std::string(text);
    };
    return locale;
}

class CatalogueFileTest : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    std::filesystem::path file = directory.path() / kCatalogueFileName;
    // Filled beforehand, so that a load that leaves it empty shows.
    TPartNumbers catalogue = SampleEntries(3);

    TCatalogueLoad Load() { return LoadCatalogue(directory.path(), CommaLocale(), catalogue); }

    void ExpectBuiltIn(const TCatalogueLoad& load, std::string_view message) const {
        EXPECT_EQ(load.Result, Outcome::Internal);
        EXPECT_EQ(load.CaptionNote, " - [using internal database]");
        EXPECT_EQ(load.StartMessage, message);
        EXPECT_EQ(catalogue, BuiltIn());
    }

    void ExpectFailure(const TCatalogueLoad& load, Outcome outcome, std::string_view text) const {
        EXPECT_EQ(load.Result, outcome);
        EXPECT_EQ(load.ErrorText, text);
        EXPECT_TRUE(load.CaptionNote.empty());
        EXPECT_TRUE(load.StartMessage.empty());
        EXPECT_TRUE(catalogue.empty());
    }
};

TEST_F(CatalogueFileTest, NoFileLoadsTheBuiltInCatalogueSilently) {
    ExpectBuiltIn(Load(), "");
    const auto check = CheckCatalogueFile(file);
    ASSERT_TRUE(check);
    EXPECT_FALSE(check->Valid);
    EXPECT_TRUE(check->StartMessage.empty());
}

TEST_F(CatalogueFileTest, ADirectoryIsNoCatalogueFile) {
    std::filesystem::create_directory(file);
    ExpectBuiltIn(Load(), "");
}

TEST_F(CatalogueFileTest, AHeaderAloneLoadsAnEmptyExternalCatalogueWithTheNote) {
    WriteBytes(file, HeaderBytes());
    const auto load = Load();
    EXPECT_EQ(load.Result, Outcome::External);
    EXPECT_EQ(load.CaptionNote, " - [using external database, version 2, date: 13.04.2004]");
    EXPECT_TRUE(load.StartMessage.empty());
    EXPECT_TRUE(catalogue.empty());
}

TEST_F(CatalogueFileTest, LoadsWholeRecordsAndIgnoresTrailingBytes) {
    // The entries are read in blocks of 4096: counts at and across the
    // blocks' edges too.
    for (const std::size_t records : {1u, 2u, 5u, 4097u, 4098u, 8194u}) {
        const auto entries = SampleEntries(records - 1);
        WriteBytes(file, FileBytes(HeaderBytes(), entries) + std::string(50, '\x7F'));
        ASSERT_EQ(std::filesystem::file_size(file), kRecordSize * records + 50);
        EXPECT_EQ(Load().Result, Outcome::External);
        EXPECT_EQ(catalogue, entries) << records << " records";
    }
}

struct VersionCase {
    Real version;
    bool accepted;
};

TEST_F(CatalogueFileTest, AcceptsVersionsFromTwoOn) {
    const VersionCase cases[] = {
        {2, true},           {7.5L, true}, {kInfinity, true},   {1.9L, false},
        {1.9999999L, false}, {0, false},   {-kInfinity, false}, {kNaN, false},
    };
    const auto entries = SampleEntries(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.version));
        WriteBytes(file, FileBytes(HeaderBytes(c.version), entries));
        const auto load = Load();
        if (c.accepted) {
            EXPECT_EQ(load.Result, Outcome::External);
            EXPECT_EQ(catalogue, entries);
        } else {
            ExpectBuiltIn(load, kCatalogueInvalidVersionMessage);
        }
    }
}

TEST_F(CatalogueFileTest, ComparesTheSignatureByteForByteBeforeTheVersion) {
    const std::string signatures[] = {
        "\x1B"
        "data file of common version",
        "\x1B"
        "Data File of Common Versio!",
        "\x1A"
        "Data File of Common Version",
        std::string(28, '\0'),
    };
    for (const auto& signature : signatures) {
        for (const Real version : {2.0L, 1.0L, kNaN}) {
            WriteBytes(file, FileBytes(HeaderBytes(version, 38090, signature), SampleEntries(1)));
            ExpectBuiltIn(Load(), kCatalogueNotCorrectMessage);
        }
    }
}

TEST_F(CatalogueFileTest, BytesWithoutMeaningHaveNoEffect) {
    std::string header = HeaderBytes(7.5L);
    std::fill_n(header.begin(), kHeaderVersionOffset, '\xFF');
    std::fill(header.begin() + kHeaderSignatureOffset + kCatalogueSignature.size(), header.end(),
              '\xEE');
    const auto entries = SampleEntries(3);
    WriteBytes(file, FileBytes(header, entries));
    const auto load = Load();
    EXPECT_EQ(load.Result, Outcome::External);
    EXPECT_EQ(load.CaptionNote, " - [using external database, version 7,5, date: 13.04.2004]");
    EXPECT_EQ(catalogue, entries); // reserved fields of the entries included
}

TEST_F(CatalogueFileTest, ClampsAnEntrysLengthByteToItsField) {
    std::string entry = BytesOf(Entry("KELD106*035#0300", 10));
    entry[0] = '\xFF';
    entry[17] = '\xC8';
    WriteBytes(file, HeaderBytes() + entry);
    ASSERT_EQ(Load().Result, Outcome::External);
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].PartNumber.view(), "KELD106*035#0300");
    EXPECT_EQ(catalogue[0].CaseSize.view(), std::string_view("D\0", 2));
}

TEST_F(CatalogueFileTest, AFileShorterThanOneRecordIsAnInputOutputFailure) {
    for (const std::size_t size : {0u, 50u, 100u}) {
        catalogue = SampleEntries(1);
        WriteBytes(file, HeaderBytes().substr(0, size));
        ExpectFailure(Load(), Outcome::IoFailure, std::system_category().message(EIO));
        const auto check = CheckCatalogueFile(file);
        ASSERT_FALSE(check);
        EXPECT_EQ(check.error(), std::system_category().message(EIO));
    }
}

TEST_F(CatalogueFileTest, AFileThatCannotBeOpenedIsAnInputOutputFailure) {
    WriteBytes(file, HeaderBytes());
    std::filesystem::permissions(file, std::filesystem::perms::none);
    if (std::ifstream(file).is_open()) {
        GTEST_SKIP() << "this user reads files without read permission";
    }
    ExpectFailure(Load(), Outcome::IoFailure, std::system_category().message(EACCES));
}

// A stream over `bytes` that claims to be `claimedSize` bytes long and fails
// with `error` when a read reaches `failAt`.
class FailingBuffer : public std::streambuf {
public:
    FailingBuffer(std::string bytes, std::uint64_t claimedSize, std::size_t failAt, int error)
        : bytes_(std::move(bytes)), claimedSize_(claimedSize),
          failAt_(std::min(failAt, bytes_.size())), error_(error) {}

protected:
    pos_type seekoff(off_type offset, std::ios::seekdir from, std::ios::openmode) override {
        const auto base = from == std::ios::beg   ? 0
                          : from == std::ios::cur ? static_cast<off_type>(position_)
                                                  : static_cast<off_type>(claimedSize_);
        position_ = static_cast<std::uint64_t>(base + offset);
        return static_cast<off_type>(position_);
    }
    pos_type seekpos(pos_type position, std::ios::openmode which) override {
        return seekoff(position, std::ios::beg, which);
    }
    std::streamsize xsgetn(char* out, std::streamsize count) override {
        std::streamsize done = 0;
        for (; done < count && position_ < failAt_; ++done) {
            out[done] = bytes_[position_++];
        }
        if (done < count) {
            errno = error_;
        }
        return done;
    }
    int_type underflow() override {
        errno = error_;
        return traits_type::eof();
    }

private:
    std::string bytes_;
    std::uint64_t claimedSize_;
    std::size_t failAt_;
    int error_;
    std::uint64_t position_ = 0;
};

TEST_F(CatalogueFileTest, AReadFailurePartWayLeavesTheCatalogueEmpty) {
    // In the first block of entries, and in a later one after whole blocks
    // were read.
    for (const std::size_t failingRecord : {2u, 4500u}) {
        catalogue = SampleEntries(3);
        const std::string bytes = FileBytes(HeaderBytes(), SampleEntries(5000));
        FailingBuffer buffer(bytes, bytes.size(), failingRecord * kRecordSize + 30, ENXIO);
        std::istream in(&buffer);
        const auto load = LoadCatalogueFrom(in, CommaLocale(), catalogue);
        SCOPED_TRACE(failingRecord);
        ExpectFailure(load, Outcome::IoFailure, std::system_category().message(ENXIO));
    }
}

// A catalogue of several megabytes takes the storage aligned for huge pages;
// it is read whole, and given back when a small catalogue replaces it.
TEST_F(CatalogueFileTest, ALargeFileIsReadWholeIntoItsStorage) {
    const std::vector<TPartNoRecord> entries = SampleEntries(60'000); // 6 MB
    std::istringstream in(FileBytes(HeaderBytes(), entries));
    const auto load = LoadCatalogueFrom(in, CommaLocale(), catalogue);
    EXPECT_EQ(load.Result, Outcome::External);
    EXPECT_EQ(catalogue, entries);
    catalogue = SampleEntries(2);
    EXPECT_EQ(catalogue.size(), 2U);
}

TEST_F(CatalogueFileTest, NotEnoughMemoryLeavesTheCatalogueEmptyWithoutNote) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer ends the program instead of failing the allocation";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer ends the program instead of failing the allocation";
#endif
#endif
    const std::string header = HeaderBytes();
    FailingBuffer buffer(header, std::uint64_t{1} << 62, header.size(), EIO);
    std::istream in(&buffer);
    ExpectFailure(LoadCatalogueFrom(in, CommaLocale(), catalogue), Outcome::OutOfMemory,
                  "There is not enough free memory in the system to allocate dynamic data.");
}

TEST(CatalogueNote, UsesTheCallersSeparatorAndDateFormat) {
    EXPECT_EQ(ExternalCatalogueNote(7.5L, 38090.25L, CommaLocale()),
              " - [using external database, version 7,5, date: 13.04.2004]");
    EXPECT_EQ(ExternalCatalogueNote(2, 38090, TLocaleTexts{}),
              " - [using external database, version 2, date: 2004-04-13]");
}

TEST_F(CatalogueFileTest, ExportWritesTheHeaderAndTheBuiltInEntries) {
    ASSERT_TRUE(ExportCatalogue(file));
    const std::string bytes = ReadBytes(file);
    const auto builtIn = BuiltInCatalogue();
    ASSERT_EQ(bytes.size(), (builtIn.size() + 1) * kRecordSize);

    std::string header = std::string("\x10"
                                     "Data File of Com") +
                         std::string(33, '\0') + std::string("\0\0\0\0\0\0\0\x80\0\x40", 10) + // 2
                         std::string("\0\0\0\0\0\0\xCA\x94\x0E\x40", 10) + // 38090
                         std::string(kCatalogueSignature) + std::string(3, '\0');
    EXPECT_EQ(bytes.substr(0, kRecordSize), header);
    EXPECT_EQ(std::memcmp(bytes.data() + kRecordSize, builtIn.data(), builtIn.size_bytes()), 0);
}

TEST_F(CatalogueFileTest, AnExportedFileLoadsAsTheBuiltInCatalogue) {
    WriteBytes(file, FileBytes(HeaderBytes(3), SampleEntries(2)));
    ASSERT_EQ(Load().Result, Outcome::External);
    ASSERT_TRUE(ExportCatalogue(file)); // replaces the loaded file
    const auto load = Load();
    EXPECT_EQ(load.Result, Outcome::External);
    EXPECT_EQ(load.CaptionNote, " - [using external database, version 2, date: 13.04.2004]");
    EXPECT_EQ(catalogue, BuiltIn());
}

TEST_F(CatalogueFileTest, AFailedExportKeepsTheExistingFile) {
    const std::string good = FileBytes(HeaderBytes(), SampleEntries(2));
    WriteBytes(file, good);
    std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    if (CanCreateFileIn(directory.path())) {
        GTEST_SKIP() << "this user writes into read-only directories";
    }
    const auto exported = ExportCatalogue(file);
    ASSERT_FALSE(exported);
    EXPECT_EQ(exported.error(), std::system_category().message(EACCES));
    EXPECT_EQ(ReadBytes(file), good);
}

TEST_F(CatalogueFileTest, ExportIntoAMissingDirectoryGivesTheSystemsText) {
    const auto exported = ExportCatalogue(directory.path() / "missing" / kCatalogueFileName);
    ASSERT_FALSE(exported);
    EXPECT_EQ(exported.error(), std::system_category().message(ENOENT));
}

TEST_F(CatalogueFileTest, AnExportOverAPrivateFileOrALinkKeepsTheModeAndTheLink) {
    using P = std::filesystem::perms;
    WriteBytes(file, FileBytes(HeaderBytes(3), SampleEntries(2)));
    std::filesystem::permissions(file, P::owner_read | P::owner_write);
    const auto link = directory.path() / "link.dat";
    std::filesystem::create_symlink(kCatalogueFileName, link);
    ASSERT_TRUE(ExportCatalogue(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::status(file).permissions() & P::mask,
              P::owner_read | P::owner_write);
    EXPECT_EQ(Load().Result, Outcome::External);
    EXPECT_EQ(catalogue, BuiltIn());
}

TEST_F(CatalogueFileTest, WritesAnyEntriesWithTheGivenVersionAndDate) {
    const auto entries = SampleEntries(3);
    ASSERT_TRUE(WriteCatalogueFile(file, entries, 7.5L, 46000));
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(kRecordSize), FileBytes("", entries));
    // The header is the export's but for the version and the date.
    ASSERT_TRUE(ExportCatalogue(directory.path() / "exported.dat"));
    std::string header = ReadBytes(directory.path() / "exported.dat").substr(0, kRecordSize);
    EncodeExtended(7.5L, reinterpret_cast<std::uint8_t*>(header.data()) + kHeaderVersionOffset);
    EncodeExtended(46000, reinterpret_cast<std::uint8_t*>(header.data()) + kHeaderDateOffset);
    EXPECT_EQ(bytes.substr(0, kRecordSize), header);
    const auto load = Load();
    EXPECT_EQ(load.Result, Outcome::External);
    EXPECT_EQ(load.CaptionNote, " - [using external database, version 7,5, date: 09.12.2025]");
    EXPECT_EQ(catalogue, entries);
}

} // namespace
} // namespace dorvanta
