#include "core/catalogue/Series.h"

#include "core/record/TextCase.h"

namespace dorvanta {

const std::array<std::string_view, kSeriesCount> SeriesNames = {
    "all",
    "KRB Generic and Low Profile Tantalum",
    "KMD High CV Tantalum",
    "KSF Professional Tantalum",
    "KWG High Temperature and Reliability",
    "KEL Low ESR Tantalum",
    "KEQ Multianode Tantalum",
    "KUB Tantalum Conductive Polymer",
    "KOZ Fused Cap",
    "WIR Niobium Oxide",
    "WIE Low ESR Niobium Oxide",
    "WIQ Low ESR Multianodes",
    "KYR Tantalum Microchips",
    "KYD High CV Tantalum Microchips",
    "KYE Low ESR Microchips",
    "KYF Tantalum Medical Microchips",
};

namespace {

constexpr std::array<std::string_view, kSeriesCount> kValueNames = {
    "tvAll", "tvKRB", "tvKMD", "tvKSF", "tvKWG", "tvKEL", "tvKEQ", "tvKUB",
    "tvKOZ", "tvWIR", "tvWIE", "tvWIQ", "tvKYR", "tvKYD", "tvKYE", "tvKYF",
};

} // namespace

std::string_view SeriesCode(TTypVyrobku series) noexcept {
    return kValueNames[series].substr(2);
}

std::string_view SeriesValueName(TTypVyrobku series) noexcept {
    return kValueNames[series];
}

TTypVyrobku SeriesOf(std::string_view text) noexcept {
    if (text.size() >= 3) {
        const std::string_view prefix = text.substr(0, 3);
        for (int i = 0; i < kSeriesCount; ++i) {
            const auto series = static_cast<TTypVyrobku>(i);
            if (EqualsIgnoringCase(prefix, SeriesCode(series))) {
                return series;
            }
        }
    }
    for (int i = 0; i < kSeriesCount; ++i) {
        if (text == SeriesNames[static_cast<std::size_t>(i)]) {
            return static_cast<TTypVyrobku>(i);
        }
    }
    return tvAll;
}

} // namespace dorvanta
