#include "core/display/MemoryText.h"

namespace dorvanta {

std::string MemoryText(std::uint64_t kilobytes) {
    std::string digits = std::to_string(kilobytes);
    if (digits.size() > 3) {
        digits.insert(digits.size() - 3, 1, ' ');
    }
    return digits + " kB";
}

} // namespace dorvanta
