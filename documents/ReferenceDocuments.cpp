#include "documents/ReferenceDocuments.h"

#include <cstddef>

// Defined by the build from the PDF files that the document writer drew.
namespace dorvanta::embedded {
extern const unsigned char VoltageDeratingPdf[];
extern const std::size_t VoltageDeratingPdfSize;
extern const unsigned char RippleCurrentPdf[];
extern const std::size_t RippleCurrentPdfSize;
extern const unsigned char FailureRatePdf[];
extern const std::size_t FailureRatePdfSize;
} // namespace dorvanta::embedded

namespace dorvanta {

namespace {

std::span<const std::byte> Bytes(const unsigned char* data, std::size_t size) noexcept {
    return std::as_bytes(std::span(data, size));
}

} // namespace

std::span<const std::byte> DocumentContents(TReferenceDocument document) noexcept {
    using namespace embedded;
    switch (document) {
    case TReferenceDocument::VoltageDerating:
        return Bytes(VoltageDeratingPdf, VoltageDeratingPdfSize);
    case TReferenceDocument::RippleCurrent:
        return Bytes(RippleCurrentPdf, RippleCurrentPdfSize);
    case TReferenceDocument::FailureRate:
        return Bytes(FailureRatePdf, FailureRatePdfSize);
    }
    return {};
}

} // namespace dorvanta
