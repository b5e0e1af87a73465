// The three reference documents behind the rules that the evaluation applies:
// PDF files drawn at build time from the evaluation's own tables and built
// into the program and the companion.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace dorvanta {

enum class ReferenceDocument { VoltageDerating, RippleCurrent, FailureRate };

inline constexpr std::array kReferenceDocuments = {ReferenceDocument::VoltageDerating,
                                                   ReferenceDocument::RippleCurrent,
                                                   ReferenceDocument::FailureRate};

// The file name under which the document is written, such as
// "VoltageDerating.pdf".
[[nodiscard]] constexpr std::string_view DocumentFileName(ReferenceDocument document) noexcept {
    switch (document) {
    case ReferenceDocument::VoltageDerating:
        return "VoltageDerating.pdf";
    case ReferenceDocument::RippleCurrent:
        return "RippleCurrent.pdf";
    case ReferenceDocument::FailureRate:
        return "FailureRate.pdf";
    }
    return {};
}

// The title on the document's first page.
[[nodiscard]] constexpr std::string_view DocumentTitle(ReferenceDocument document) noexcept {
    switch (document) {
    case ReferenceDocument::VoltageDerating:
        return "Voltage Derating Rules";
    case ReferenceDocument::RippleCurrent:
        return "Ripple Current Capability";
    case ReferenceDocument::FailureRate:
        return "Reliability and Failure Rate Calculation";
    }
    return {};
}

// The PDF file, byte for byte; valid for the whole run.
[[nodiscard]] std::span<const std::byte> DocumentContents(ReferenceDocument document) noexcept;

} // namespace dorvanta
