#include "core/display/VersionText.h"

namespace dorvanta {

std::string VersionText(std::optional<std::string_view> fileVersion) {
    if (!fileVersion || fileVersion->empty()) {
        return {};
    }
    const std::string_view text = *fileVersion;
    std::string result = "Version: ";
    const auto firstPoint = text.find('.');
    if (firstPoint == std::string_view::npos) {
        return result;
    }
    result += text.substr(0, firstPoint + 1);
    const std::string_view rest = text.substr(firstPoint + 1);
    const auto secondPoint = rest.find('.');
    if (secondPoint != std::string_view::npos) {
        result += rest.substr(0, secondPoint);
    }
    return result;
}

} // namespace dorvanta
