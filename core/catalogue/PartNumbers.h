// The program's catalogue: empty at start, filled once by LoadPartNumbers
// (when the main window is created, or when the companion starts a command),
// read by everything else through the span that PartNumbers gives, emptied
// by ClearPartNumbers when the main window goes. Only these functions change
// it; code that searches or lists takes the span from its caller.
#pragma once

#include "core/catalogue/CatalogueFile.h"
#include "core/record/PartNoRecord.h"

#include <filesystem>
#include <span>

namespace dorvanta {

// The entries of the program's catalogue; empty before a load.
[[nodiscard]] std::span<const TPartNoRecord> PartNumbers() noexcept;

// Loads the catalogue file `file` into the program's catalogue by the rules
// of LoadCatalogueFile (the built-in table when there is no valid file).
[[nodiscard]] TCatalogueLoad LoadPartNumbers(const std::filesystem::path& file,
                                             const TLocaleTexts& locale);

// Empties the program's catalogue and gives its memory back.
void ClearPartNumbers() noexcept;

} // namespace dorvanta
