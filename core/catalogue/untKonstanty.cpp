#include "core/catalogue/untKonstanty.h"

namespace dorvanta {

const std::array<std::string_view, kCaseLetterCount> CaseSizeDimensions = {
    "3.2±0.2 x 1.6+0.2-0.1 x 1.6+0.2-0.1",   // A
    "3.5±0.2 x 2.8+0.2-0.1 x 1.9+0.2-0.1",   // B
    "6±0.2 x 3.2+0.2-0.1 x 2.6+0.2-0.1",     // C
    "7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1",   // D
    "7.3±0.2 x 4.3+0.2-0.1 x 4.1+0.2-0.1",   // E
    "",                                      // F
    "",                                      // G
    "",                                      // H
    "",                                      // I
    "",                                      // J
    "",                                      // K
    "",                                      // L
    "",                                      // M
    "",                                      // N
    "",                                      // O
    "2.05±0.2 x 1.3+0.2-0.1 x 1.35+0.2-0.1", // P
    "2±0.2 x 1.25+0.2-0.1 x 1.2 H max",      // Q
    "2.05±0.2 x 1.3+0.2-0.1 x 1.2 H max",    // R
    "3.2±0.2 x 1.6+0.2-0.1 x 1.2 H max",     // S
    "3.5±0.2 x 2.8+0.2-0.1 x 1.2 H max",     // T
    "",                                      // U
    "7.3±0.2 x 6.1+0.2-0.1 x 3.45±0.3",      // V
    "6±0.2 x 3.2+0.2-0.1 x 1.5 H max",       // W
    "7.3±0.2 x 4.3+0.2-0.1 x 1.5 H max",     // X
    "7.3±0.2 x 4.3+0.2-0.1 x 2.0 H max",     // Y
};

// "1.35+02-0.1" in U is the maker's text as published.
const std::array<std::string_view, kCaseLetterCount> KYRCaseSizeDimensions = {
    "3.2±0.2 x 1.6±0.2 x 1.6±0.2", // A
    "",
    "",
    "",
    "",
    "",
    "",                                         // B to G
    "2.0+0.25-0.15 x 1.35+0.2-0.1 x 1.0 H max", // H
    "",
    "",                                            // I, J
    "1.0+0.2-0 x 0.5+0.2-0 x 0.5+0.2-0",           // K
    "1.6+0.25-0.15 x 0.85+0.2-0.1 x 0.85+0.2-0.1", // L
    "",
    "",
    "",
    "",
    "",                                            // M to Q
    "2.0+0.25-0.15 x 1.35+0.2-0.1 x 1.35+0.2-0.1", // R
    "",
    "",                                      // S, T
    "2.0+0.25-0.15 x 1.35+02-0.1 x 0.5±0.1", // U
    "",
    "",                                          // V, W
    "3.0+0.1-0.1 x 1.45+0.1-0.1 x 1.45+0.1-0.1", // X
    "",                                          // Y
};

const std::array<std::string_view, kTemperatureCount> TemperatureCaptions = {
    "-55", "25", "40", "85", "105", "125", "175"};

std::string_view CaseDimensions(TTypVyrobku series, std::string_view caseCode) noexcept {
    if (caseCode.empty()) {
        return {};
    }
    const char letter = caseCode.front();
    if (letter < 'A' || letter > 'Y') {
        return {};
    }
    const auto index = static_cast<std::size_t>(letter - 'A');
    return series == tvKYR ? KYRCaseSizeDimensions[index] : CaseSizeDimensions[index];
}

int TopTemperatureCaptionIndex(TTypVyrobku series) noexcept {
    switch (series) {
    case tvKWG:
        return kTemperature175;
    case tvWIR:
        return kTemperature105;
    default:
        return kTemperatureTop;
    }
}

} // namespace dorvanta
