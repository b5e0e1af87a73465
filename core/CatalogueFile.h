// The catalogue file pnumbers.dat beside the program: check, load with the
// fall-back to the built-in catalogue, and export.
#pragma once

#include "Catalogue.h"
#include "Extended.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace dorvanta {

inline constexpr const char* kCatalogueFileName = "pnumbers.dat";

// The caller's locale: its decimal separator and its short date format for a
// day number counted from 30 December 1899.
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

// Checks `directory`/pnumbers.dat. An input/output failure (the file exists
// but cannot be read, or is shorter than one record) is returned as an error
// text instead of a check.
[[nodiscard]] std::variant<TCatalogueCheck, std::string>
CheckCatalogueFile(const std::filesystem::path& file);

// Fills `catalogue` from the file in `directory`, or from the built-in table.
// A failure leaves `catalogue` empty.
[[nodiscard]] TCatalogueLoad LoadCatalogue(const std::filesystem::path& directory,
                                           const TLocaleTexts& locale, TPartNumbers& catalogue);

// Writes the header and the built-in entries to `file` through a temporary
// file in the same directory; an existing file is replaced only after a
// complete write. Returns the system's text on failure.
[[nodiscard]] std::optional<std::string> ExportCatalogue(const std::filesystem::path& file);

} // namespace dorvanta
