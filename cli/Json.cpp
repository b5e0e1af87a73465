#include "Json.h"

#include <array>
#include <charconv>

namespace dorvanta::cli {

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr std::string_view kHex = "0123456789abcdef";
                json += "\\u00";
                json += kHex[static_cast<unsigned char>(c) >> 4];
                json += kHex[static_cast<unsigned char>(c) & 0xF];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

std::string JsonNumber(Real value) {
    std::array<char, 32> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value));
    (void)ec; // 32 characters hold every double
    return std::string(buffer.data(), end);
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            json += ", ";
        }
        json += items[i];
    }
    json += ']';
    return json;
}

} // namespace dorvanta::cli
