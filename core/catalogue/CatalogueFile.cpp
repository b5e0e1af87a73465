#include "core/catalogue/CatalogueFile.h"

#include "core/catalogue/CatalogueCsv.h"
#include "core/catalogue/DayNumber.h"
#include "core/display/NumberText.h"
#include "platform/SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>
#include <stdexcept>

namespace dorvanta {

namespace {

using TRecordBytes = std::array<std::uint8_t, kRecordSize>;

constexpr TCivilDate kExportDate{2004, 4, 13};

// Reads `count` bytes into `bytes`; the system's text when they are not all
// there.
Expected<void> ReadExactly(std::istream& in, void* bytes, std::streamsize count) {
    errno = 0;
    in.read(static_cast<char*>(bytes), count);
    if (in.gcount() != count || in.fail()) {
        return Unexpected(SystemErrorText(errno));
    }
    return {};
}

// The stream's length in bytes, from its current end.
Expected<std::uint64_t> StreamSize(std::istream& in) {
    errno = 0;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (in.fail() || size < 0) {
        return Unexpected(SystemErrorText(errno));
    }
    return static_cast<std::uint64_t>(size);
}

TCatalogueLoad Failure(TCatalogueLoad::Outcome outcome, std::string text, TPartNumbers& catalogue) {
    TPartNumbers{}.swap(catalogue);
    TCatalogueLoad load;
    load.Result = outcome;
    load.ErrorText = std::move(text);
    return load;
}

// Runs `allocate`; false when the memory it asks for is not there.
template <typename Allocation> bool Allocated(Allocation&& allocate) {
    try {
        allocate();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

TCatalogueLoad OutOfMemory(TPartNumbers& catalogue) {
    return Failure(TCatalogueLoad::Outcome::OutOfMemory, std::string(kCatalogueOutOfMemoryMessage),
                   catalogue);
}

TCatalogueLoad LoadBuiltIn(std::string startMessage, TPartNumbers& catalogue) {
    const auto builtIn = BuiltInCatalogue();
    if (!Allocated([&] { catalogue.assign(builtIn.begin(), builtIn.end()); })) {
        return OutOfMemory(catalogue);
    }
    TCatalogueLoad load;
    load.Result = TCatalogueLoad::Outcome::Internal;
    load.CaptionNote = kInternalCatalogueNote;
    load.StartMessage = std::move(startMessage);
    return load;
}

// Reads the entries after the header of a file that passed the check. The
// entries replace `catalogue` only when every one of them was read. Their
// storage is sized once from the stream's length and left unwritten (see
// TRecordAllocator), then the entries are read straight into it: each page
// of the catalogue is written once, by the read, and no byte is copied
// twice.
TCatalogueLoad LoadEntries(std::istream& in, const TCatalogueCheck& check,
                           const TLocaleTexts& locale, TPartNumbers& catalogue) {
    const auto size = StreamSize(in);
    if (!size) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, size.error(), catalogue);
    }
    const std::uint64_t records = *size / kRecordSize;
    if (records == 0) { // the stream shrank since its header was read
        return Failure(TCatalogueLoad::Outcome::IoFailure, SystemErrorText(0), catalogue);
    }
    TPartNumbers entries;
    if (records - 1 > std::numeric_limits<std::size_t>::max() / kRecordSize ||
        !Allocated([&] { entries.resize(records - 1); })) {
        return OutOfMemory(catalogue);
    }
    in.seekg(static_cast<std::streamoff>(kRecordSize));
    const auto read =
        ReadExactly(in, entries.data(), static_cast<std::streamsize>(entries.size() * kRecordSize));
    if (!read) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, read.error(), catalogue);
    }
    catalogue.swap(entries);
    TCatalogueLoad load;
    load.Result = TCatalogueLoad::Outcome::External;
    load.CaptionNote = ExternalCatalogueNote(check.Version, check.Date, locale);
    return load;
}

// The catalogue file opened for reading, nothing when there is no file at
// all (a directory is not one), or the system's text of the failure to open
// it.
Expected<std::optional<std::ifstream>> OpenCatalogueFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::optional<std::ifstream>();
    }
    if (error) {
        return Unexpected(error.message());
    }
    if (std::filesystem::is_directory(status)) {
        return std::optional<std::ifstream>();
    }
    errno = 0;
    std::optional<std::ifstream> in(std::in_place, file, std::ios::binary);
    if (!in->is_open()) {
        return Unexpected(SystemErrorText(errno));
    }
    return in;
}

TRecordBytes CatalogueHeader(Real version, Real date) {
    TRecordBytes header{};
    ShortString<kPartNumberCapacity> partNumber;
    partNumber.assign(kCatalogueSignature.substr(1));
    std::memcpy(header.data(), &partNumber, sizeof partNumber);
    EncodeExtended(version, header.data() + kHeaderVersionOffset);
    EncodeExtended(date, header.data() + kHeaderDateOffset);
    std::memcpy(header.data() + kHeaderSignatureOffset, kCatalogueSignature.data(),
                kCatalogueSignature.size());
    return header;
}

} // namespace

Expected<TCatalogueCheck> CheckCatalogueHeader(std::istream& in) {
    TRecordBytes header;
    in.seekg(0);
    if (auto read = ReadExactly(in, header.data(), kRecordSize); !read) {
        return Unexpected(read.error());
    }
    TCatalogueCheck check;
    const std::string_view signature(reinterpret_cast<const char*>(header.data()) +
                                         kHeaderSignatureOffset,
                                     kCatalogueSignature.size());
    if (signature != kCatalogueSignature) {
        check.StartMessage = kCatalogueNotCorrectMessage;
        return check;
    }
    const Real version = DecodeExtended(header.data() + kHeaderVersionOffset);
    if (!(version >= kMinimumCatalogueVersion)) { // a NaN compares false too
        check.StartMessage = kCatalogueInvalidVersionMessage;
        return check;
    }
    check.Valid = true;
    check.Version = version;
    check.Date = DecodeExtended(header.data() + kHeaderDateOffset);
    return check;
}

Expected<TCatalogueCheck> CheckCatalogueFile(const std::filesystem::path& file) {
    auto opened = OpenCatalogueFile(file);
    if (!opened) {
        return Unexpected(opened.error());
    }
    if (!opened->has_value()) {
        return TCatalogueCheck{};
    }
    return CheckCatalogueHeader(**opened);
}

TCatalogueLoad LoadCatalogueFrom(std::istream& in, const TLocaleTexts& locale,
                                 TPartNumbers& catalogue) {
    auto checked = CheckCatalogueHeader(in);
    if (!checked) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, checked.error(), catalogue);
    }
    auto& check = *checked;
    if (!check.Valid) {
        return LoadBuiltIn(std::move(check.StartMessage), catalogue);
    }
    return LoadEntries(in, check, locale, catalogue);
}

TCatalogueLoad LoadCatalogueFile(const std::filesystem::path& file, const TLocaleTexts& locale,
                                 TPartNumbers& catalogue) {
    // One opening serves the check and the load, so both see the same file.
    auto opened = OpenCatalogueFile(file);
    if (!opened) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, opened.error(), catalogue);
    }
    if (!opened->has_value()) {
        return LoadBuiltIn({}, catalogue);
    }
    return LoadCatalogueFrom(**opened, locale, catalogue);
}

TCatalogueLoad LoadCatalogue(const std::filesystem::path& directory, const TLocaleTexts& locale,
                             TPartNumbers& catalogue) {
    return LoadCatalogueFile(directory / kCatalogueFileName, locale, catalogue);
}

std::string ExternalCatalogueNote(Real version, Real date, const TLocaleTexts& locale) {
    const std::string dateText = locale.ShortDate ? locale.ShortDate(date) : IsoDateText(date);
    return " - [using external database, version " +
           FormatGeneral(version, locale.DecimalSeparator) + ", date: " + dateText + "]";
}

Expected<void> WriteCatalogueFile(const std::filesystem::path& file,
                                  std::span<const TPartNoRecord> entries, Real version, Real date) {
    return WriteFileSafely(file, [entries, version, date](std::ostream& out) {
        const TRecordBytes header = CatalogueHeader(version, date);
        out.write(reinterpret_cast<const char*>(header.data()), kRecordSize);
        out.write(reinterpret_cast<const char*>(entries.data()),
                  static_cast<std::streamsize>(entries.size_bytes()));
    });
}

Real ExportDate() noexcept {
    return static_cast<Real>(DayNumberOf(kExportDate));
}

Expected<void> ExportCatalogue(const std::filesystem::path& file) {
    return WriteCatalogueFile(file, BuiltInCatalogue(), kExportVersion, ExportDate());
}

Expected<std::size_t> ImportCatalogue(const std::filesystem::path& csv,
                                      const std::filesystem::path& file, Real version, Real date) {
    errno = 0;
    std::ifstream in(csv, std::ios::binary);
    if (!in.is_open()) {
        return Unexpected(csv.string() + ": " + SystemErrorText(errno));
    }
    const auto entries = ReadCatalogueCsv(in);
    if (!entries) {
        return Unexpected(csv.string() + ": " + entries.error());
    }
    if (auto written = WriteCatalogueFile(file, *entries, version, date); !written) {
        return Unexpected(file.string() + ": " + written.error());
    }
    return entries->size();
}

} // namespace dorvanta
