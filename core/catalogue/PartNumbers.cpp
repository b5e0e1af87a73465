#include "core/catalogue/PartNumbers.h"

namespace dorvanta {

namespace {

// The one instance; reached only through the functions below.
TPartNumbers& Storage() noexcept {
    static TPartNumbers entries;
    return entries;
}

} // namespace

std::span<const TPartNoRecord> PartNumbers() noexcept {
    return Storage();
}

TCatalogueLoad LoadPartNumbers(const std::filesystem::path& file, const TLocaleTexts& locale) {
    return LoadCatalogueFile(file, locale, Storage());
}

void ClearPartNumbers() noexcept {
    TPartNumbers{}.swap(Storage());
}

} // namespace dorvanta
