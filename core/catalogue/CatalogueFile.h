// The catalogue file pnumbers.dat beside the program: check, load with the
// fall-back to the built-in catalogue, and export.
//
// The file is a sequence of 101-byte records: a header, then the entries in
// the TPartNoRecord layout. Bytes after the last whole record are ignored.
#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/record/Expected.h"
#include "core/record/Extended.h"

#include <filesystem>
#include <functional>
#include <istream>
#include <span>
#include <string>
#include <string_view>

namespace dorvanta {

inline constexpr const char* kCatalogueFileName = "pnumbers.dat";

inline constexpr std::string_view kCatalogueNotCorrectMessage =
    "Data file is not correct! Internal database will be used.";
inline constexpr std::string_view kCatalogueInvalidVersionMessage =
    "Data file is not correct (invalid version)! Internal database will be used.";
inline constexpr std::string_view kCatalogueOutOfMemoryMessage =
    "There is not enough free memory in the system to allocate dynamic data.";
inline constexpr std::string_view kInternalCatalogueNote = " - [using internal database]";

// The header record: the version and the date stand where an entry has DF
// and ESRmax; the signature covers the reserved fields.
inline constexpr std::size_t kHeaderVersionOffset = 50;
inline constexpr std::size_t kHeaderDateOffset = 60;
inline constexpr std::size_t kHeaderSignatureOffset = 70;
// The length byte 27, then the 27 characters.
inline constexpr std::string_view kCatalogueSignature = "\x1B"
                                                        "Data File of Common Version";
inline constexpr Real kMinimumCatalogueVersion = 2;

// The caller's locale: its decimal separator and its short date format for a
// day number counted from 30 December 1899. Without ShortDate, dates read
// yyyy-mm-dd.
struct TLocaleTexts {
    std::string DecimalSeparator = ".";
    std::function<std::string(Real dayNumber)> ShortDate;
};

struct TCatalogueCheck {
    bool Valid = false;
    Real Version = 0;
    Real Date = 0;
    std::string StartMessage; // the check's warning; empty when nothing to report
};

// The outcome of a load. It is more than a value or an error: the built-in
// fall-back carries a warning, and the two failures differ in what the
// window does next. The text of a failure is in ErrorText.
struct TCatalogueLoad {
    enum class Outcome {
        External,    // the file's entries are in the catalogue
        Internal,    // no valid file: the built-in entries are in the catalogue
        OutOfMemory, // the catalogue stays empty; ErrorText holds the message
        IoFailure,   // the catalogue stays empty; ErrorText holds the system's text
    };
    Outcome Result = Outcome::Internal;
    std::string CaptionNote;  // appended to the window caption; empty on failure
    std::string StartMessage; // shown once the window is visible
    std::string ErrorText;
};

// Checks the header record at the start of `in`. An input/output failure (no
// whole record to read) is returned as the system's text instead of a check.
[[nodiscard]] Expected<TCatalogueCheck> CheckCatalogueHeader(std::istream& in);

// Checks `file`. No file there gives an invalid check without a message; a
// file that cannot be opened or is shorter than one record gives the
// system's text.
[[nodiscard]] Expected<TCatalogueCheck> CheckCatalogueFile(const std::filesystem::path& file);

// Fills `catalogue` from the catalogue file that `in` reads, or from the
// built-in table when its header fails the check. A failure, including a read
// that fails part way through the entries, leaves `catalogue` empty.
[[nodiscard]] TCatalogueLoad LoadCatalogueFrom(std::istream& in, const TLocaleTexts& locale,
                                               TPartNumbers& catalogue);

// The same for `file`; no file there means the built-in table, silently.
[[nodiscard]] TCatalogueLoad LoadCatalogueFile(const std::filesystem::path& file,
                                               const TLocaleTexts& locale, TPartNumbers& catalogue);

// The same for pnumbers.dat in `directory`, the program file's directory.
[[nodiscard]] TCatalogueLoad LoadCatalogue(const std::filesystem::path& directory,
                                           const TLocaleTexts& locale, TPartNumbers& catalogue);

// " - [using external database, version 2, date: 13.04.2004]" in the
// caller's locale.
[[nodiscard]] std::string ExternalCatalogueNote(Real version, Real date,
                                                const TLocaleTexts& locale);

// Writes a catalogue file: the header with the signature, `version` and
// `date` (a day number), then `entries` in order, through the safe writer.
// An existing file is replaced only after a complete write. Returns the
// system's text on failure.
[[nodiscard]] Expected<void> WriteCatalogueFile(const std::filesystem::path& file,
                                                std::span<const TPartNoRecord> entries,
                                                Real version, Real date);

// The version and the date of an exported file's header: 2 and 13 April
// 2004.
inline constexpr Real kExportVersion = 2;
[[nodiscard]] Real ExportDate() noexcept;

// Writes the built-in entries with the export's version and date.
[[nodiscard]] Expected<void> ExportCatalogue(const std::filesystem::path& file);

// Writes a catalogue file from the catalogue CSV `csv` (see CatalogueCsv.h)
// with `version` and `date` in its header, and returns the number of
// entries. Every line is checked before anything is written: on a bad line,
// or when `csv` cannot be read, `file` stays as it was. The error text starts
// with the name of the file it concerns ("catalogue.csv: line 7: ...").
[[nodiscard]] Expected<std::size_t> ImportCatalogue(const std::filesystem::path& csv,
                                                    const std::filesystem::path& file, Real version,
                                                    Real date);

} // namespace dorvanta
