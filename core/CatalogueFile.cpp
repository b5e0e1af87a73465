#include "CatalogueFile.h"

#include "DayNumber.h"
#include "NumberText.h"
#include "SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <new>
#include <stdexcept>

namespace dorvanta {

namespace {

using TRecordBytes = std::array<std::uint8_t, kRecordSize>;

// The version and the date of an exported file's header.
constexpr Real kExportVersion = 2;
constexpr TCivilDate kExportDate{2004, 4, 13};

// Reads `count` bytes into `bytes`; the system's text when they are not all
// there.
std::optional<std::string> ReadExactly(std::istream& in, void* bytes, std::streamsize count) {
    errno = 0;
    in.read(static_cast<char*>(bytes), count);
    if (in.gcount() != count || in.fail()) {
        return SystemErrorText(errno);
    }
    return std::nullopt;
}

// The stream's length in bytes, from its current end.
std::variant<std::uint64_t, std::string> StreamSize(std::istream& in) {
    errno = 0;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (in.fail() || size < 0) {
        return SystemErrorText(errno);
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
// entries replace `catalogue` only when every one of them was read. They are
// read block by block through a small buffer and appended to a vector of
// their final size: each page of the catalogue is written once (a vector
// sized first would be zeroed first), and only one block is held twice.
TCatalogueLoad LoadEntries(std::istream& in, const TCatalogueCheck& check,
                           const TLocaleTexts& locale, TPartNumbers& catalogue) {
    constexpr std::size_t kBlockEntries = 4096;
    const auto size = StreamSize(in);
    if (const auto* error = std::get_if<std::string>(&size)) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, *error, catalogue);
    }
    const std::uint64_t records = std::get<std::uint64_t>(size) / kRecordSize;
    if (records == 0) { // the stream shrank since its header was read
        return Failure(TCatalogueLoad::Outcome::IoFailure, SystemErrorText(0), catalogue);
    }
    TPartNumbers entries;
    TPartNumbers block;
    if (!Allocated([&] {
            entries.reserve(records - 1);
            block.resize(std::min<std::uint64_t>(records - 1, kBlockEntries));
        })) {
        return OutOfMemory(catalogue);
    }
    in.seekg(static_cast<std::streamoff>(kRecordSize));
    while (entries.size() < entries.capacity()) {
        const std::size_t count = std::min(block.size(), entries.capacity() - entries.size());
        const auto error =
            ReadExactly(in, block.data(), static_cast<std::streamsize>(count * kRecordSize));
        if (error) {
            return Failure(TCatalogueLoad::Outcome::IoFailure, *error, catalogue);
        }
        // Within the reserved capacity: no reallocation, no failure.
        entries.insert(entries.end(), block.begin(),
                       block.begin() + static_cast<std::ptrdiff_t>(count));
    }
    catalogue.swap(entries);
    TCatalogueLoad load;
    load.Result = TCatalogueLoad::Outcome::External;
    load.CaptionNote = ExternalCatalogueNote(check.Version, check.Date, locale);
    return load;
}

struct NoFile {};

// The catalogue file opened for reading, no file at all (a directory is not
// one), or the system's text of the failure to open it.
std::variant<NoFile, std::ifstream, std::string>
OpenCatalogueFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return NoFile{};
    }
    if (error) {
        return error.message();
    }
    if (std::filesystem::is_directory(status)) {
        return NoFile{};
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        return SystemErrorText(errno);
    }
    return in;
}

TRecordBytes ExportHeader() {
    TRecordBytes header{};
    ShortString<kPartNumberCapacity> partNumber;
    partNumber.assign(kCatalogueSignature.substr(1));
    std::memcpy(header.data(), &partNumber, sizeof partNumber);
    EncodeExtended(kExportVersion, header.data() + kHeaderVersionOffset);
    EncodeExtended(static_cast<Real>(DayNumberOf(kExportDate)), header.data() + kHeaderDateOffset);
    std::memcpy(header.data() + kHeaderSignatureOffset, kCatalogueSignature.data(),
                kCatalogueSignature.size());
    return header;
}

} // namespace

std::variant<TCatalogueCheck, std::string> CheckCatalogueHeader(std::istream& in) {
    TRecordBytes header;
    in.seekg(0);
    if (auto error = ReadExactly(in, header.data(), kRecordSize)) {
        return std::move(*error);
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

std::variant<TCatalogueCheck, std::string> CheckCatalogueFile(const std::filesystem::path& file) {
    auto opened = OpenCatalogueFile(file);
    if (auto* in = std::get_if<std::ifstream>(&opened)) {
        return CheckCatalogueHeader(*in);
    }
    if (auto* error = std::get_if<std::string>(&opened)) {
        return std::move(*error);
    }
    return TCatalogueCheck{};
}

TCatalogueLoad LoadCatalogueFrom(std::istream& in, const TLocaleTexts& locale,
                                 TPartNumbers& catalogue) {
    auto checked = CheckCatalogueHeader(in);
    if (auto* error = std::get_if<std::string>(&checked)) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, std::move(*error), catalogue);
    }
    auto& check = std::get<TCatalogueCheck>(checked);
    if (!check.Valid) {
        return LoadBuiltIn(std::move(check.StartMessage), catalogue);
    }
    return LoadEntries(in, check, locale, catalogue);
}

TCatalogueLoad LoadCatalogueFile(const std::filesystem::path& file, const TLocaleTexts& locale,
                                 TPartNumbers& catalogue) {
    // One opening serves the check and the load, so both see the same file.
    auto opened = OpenCatalogueFile(file);
    if (auto* in = std::get_if<std::ifstream>(&opened)) {
        return LoadCatalogueFrom(*in, locale, catalogue);
    }
    if (auto* error = std::get_if<std::string>(&opened)) {
        return Failure(TCatalogueLoad::Outcome::IoFailure, std::move(*error), catalogue);
    }
    return LoadBuiltIn({}, catalogue);
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

std::optional<std::string> ExportCatalogue(const std::filesystem::path& file) {
    return WriteFileSafely(file, [](std::ostream& out) {
        const TRecordBytes header = ExportHeader();
        out.write(reinterpret_cast<const char*>(header.data()), kRecordSize);
        const auto entries = BuiltInCatalogue();
        out.write(reinterpret_cast<const char*>(entries.data()),
                  static_cast<std::streamsize>(entries.size_bytes()));
    });
}

} // namespace dorvanta
