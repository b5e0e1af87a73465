// Letter-case rules for the program's texts: only the ASCII letters have a
// case partner here. Catalogue codes and part numbers are ASCII, so this is
// the whole of the case-insensitive matching and ordering they need.
#pragma once

#include <cstddef>
#include <string_view>

namespace dorvanta {

[[nodiscard]] constexpr char AsciiLower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// Negative, 0 or positive as `a` sorts before, with or after `b` when letter
// case is ignored; characters compare by their unsigned code, so digits come
// before letters.
[[nodiscard]] constexpr int CompareIgnoringCase(std::string_view a, std::string_view b) noexcept {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace dorvanta
