// Conversions between the Windows-1252 bytes of catalogue texts and UTF-8,
// the text encoding of everything else in the program.
#pragma once

#include <string>
#include <string_view>

namespace dorvanta {

// Every byte maps to a character; the five bytes that Windows-1252 leaves
// undefined map to the C1 control of the same value.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view text);

// Appends the UTF-8 form of `text` to `out`; no allocation when `out` has room.
void AppendWindows1252AsUtf8(std::string& out, std::string_view text);

// Characters outside Windows-1252 become '?'. Invalid UTF-8 bytes become '?'.
[[nodiscard]] std::string Utf8ToWindows1252(std::string_view text);

} // namespace dorvanta
