// Fuzz entry for the catalogue file: any bytes go through the check and the
// load as a catalogue file, and the result must be one of the sound outcomes.
// The replay test runs the committed corpus through the same entry.
#include "core/catalogue/CatalogueFile.h"
#include "core/catalogue/DayNumber.h"
#include "core/record/Text1252.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

namespace {

using dorvanta::TCatalogueLoad;

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Every text field of every entry is read the way the program displays it.
void ReadEveryEntry(const dorvanta::TPartNumbers& catalogue) {
    std::size_t characters = 0;
    for (const auto& entry : catalogue) {
        characters += dorvanta::Windows1252ToUtf8(entry.PartNumber.view()).size();
        characters += entry.CaseSize.view().size();
        Require(entry.PartNumber.size() <= dorvanta::kPartNumberCapacity);
        Require(entry.CaseSize.size() <= dorvanta::kCaseSizeCapacity);
    }
    Require(characters <= catalogue.size() * 4 * dorvanta::kRecordSize);
}

void CheckExternal(const std::string& bytes, const TCatalogueLoad& load,
                   const dorvanta::TPartNumbers& catalogue) {
    Require(load.StartMessage.empty() && load.ErrorText.empty());
    Require(load.CaptionNote.starts_with(" - [using external database, version "));
    Require(catalogue.size() == bytes.size() / dorvanta::kRecordSize - 1);
    Require(catalogue.empty() || std::memcmp(catalogue.data(), bytes.data() + dorvanta::kRecordSize,
                                             catalogue.size() * dorvanta::kRecordSize) == 0);
}

void CheckInternal(const TCatalogueLoad& load, const dorvanta::TPartNumbers& catalogue) {
    Require(load.StartMessage == dorvanta::kCatalogueNotCorrectMessage ||
            load.StartMessage == dorvanta::kCatalogueInvalidVersionMessage);
    Require(load.CaptionNote == dorvanta::kInternalCatalogueNote);
    Require(catalogue.size() == dorvanta::BuiltInCatalogue().size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    dorvanta::TLocaleTexts locale;
    locale.DecimalSeparator = ",";
    locale.ShortDate = [](dorvanta::Real day) {
        return dorvanta::IsoDateText(day);
    };
    dorvanta::TPartNumbers catalogue;
    const TCatalogueLoad load = dorvanta::LoadCatalogueFrom(in, locale, catalogue);
    switch (load.Result) {
    case TCatalogueLoad::Outcome::External:
        CheckExternal(bytes, load, catalogue);
        break;
    case TCatalogueLoad::Outcome::Internal:
        CheckInternal(load, catalogue);
        break;
    case TCatalogueLoad::Outcome::IoFailure:
        Require(size < dorvanta::kRecordSize && catalogue.empty() && !load.ErrorText.empty());
        Require(load.CaptionNote.empty());
        break;
    case TCatalogueLoad::Outcome::OutOfMemory:
        Require(false); // a file in memory always fits
        break;
    }
    ReadEveryEntry(catalogue);
    return 0;
}
