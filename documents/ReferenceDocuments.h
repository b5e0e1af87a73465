// The three reference documents behind the rules that the evaluation applies:
// PDF files drawn at build time from the evaluation's own tables and built
// into the program and the companion.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace dorvanta {

enum class TReferenceDocument { VoltageDerating, RippleCurrent, FailureRate };

inline constexpr std::array kReferenceDocuments = {TReferenceDocument::VoltageDerating,
                                                   TReferenceDocument::RippleCurrent,
                                                   TReferenceDocument::FailureRate};

// The file name under which the document is written, such as
// "VoltageDerating.pdf".
[[nodiscard]] constexpr std::string_view DocumentFileName(TReferenceDocument document) noexcept {
    switch (document) {
    case TReferenceDocument::VoltageDerating:
        return "VoltageDerating.pdf";
    case TReferenceDocument::RippleCurrent:
        return "RippleCurrent.pdf";
    case TReferenceDocument::FailureRate:
        return "FailureRate.pdf";
    }
    return {};
}

// The title on the document's first page.
[[nodiscard]] constexpr std::string_view DocumentTitle(TReferenceDocument document) noexcept {
    switch (document) {
    case TReferenceDocument::VoltageDerating:
        return "Voltage Derating Rules";
    case TReferenceDocument::RippleCurrent:
        return "Ripple Current Capability";
    case TReferenceDocument::FailureRate:
        return "Reliability and Failure Rate Calculation";
    }
    return {};
}

// The PDF file, byte for byte; valid for the whole run.
[[nodiscard]] std::span<const std::byte> DocumentContents(TReferenceDocument document) noexcept;

} // namespace dorvanta
