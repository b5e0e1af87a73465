#include "core/record/Extended.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace dorvanta {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponentField = 0x7FFF;
// The significand is a 64-bit integer whose top bit is the integer bit.
constexpr int kSignificandBits = 64;

std::uint64_t LoadLE64(const std::uint8_t* p) noexcept {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) {
        v = (v << 8) | p[i];
    }
    return v;
}

void StoreLE64(std::uint64_t v, std::uint8_t* p) noexcept {
    for (int i = 0; i < 8; ++i) {
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

} // namespace

namespace extended_detail {

Real DecodePortable(const std::uint8_t* bytes) noexcept {
    const std::uint64_t significand = LoadLE64(bytes);
    const unsigned signExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (signExponent & 0x8000U) != 0;
    const int exponentField = static_cast<int>(signExponent & 0x7FFFU);

    Real magnitude;
    if (exponentField == kMaxExponentField) {
        // Only the fraction bits (below the integer bit) tell infinity from NaN.
        magnitude = (significand << 1) == 0 ? std::numeric_limits<Real>::infinity()
                                            : std::numeric_limits<Real>::quiet_NaN();
    } else {
        // Denormals use the exponent of the smallest normal, 1 - bias.
        const int exponent = (exponentField == 0 ? 1 : exponentField) - kBias;
        magnitude = std::ldexp(static_cast<Real>(significand), exponent - (kSignificandBits - 1));
    }
    return negative ? -magnitude : magnitude;
}

void EncodePortable(Real value, std::uint8_t* bytes) noexcept {
    unsigned signExponent = std::signbit(value) ? 0x8000U : 0U;
    std::uint64_t significand = 0;
    const Real magnitude = std::fabs(value);

    if (std::isnan(value)) {
        signExponent |= kMaxExponentField;
        significand = 0xC000000000000000ULL; // the default quiet NaN
    } else if (std::isinf(value)) {
        signExponent |= kMaxExponentField;
        significand = 0x8000000000000000ULL;
    } else if (magnitude != 0) {
        int exponent = 0;
        const Real fraction = std::frexp(magnitude, &exponent); // in [0.5, 1)
        int exponentField = exponent - 1 + kBias;
        if (exponentField >= 1) {
            significand = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificandBits));
        } else {
            // Too small for a normal: a denormal with exponent field 0.
            significand = static_cast<std::uint64_t>(
                std::ldexp(magnitude, kBias - 1 + (kSignificandBits - 1)));
            exponentField = 0;
        }
        signExponent |= static_cast<unsigned>(exponentField);
    }
    StoreLE64(significand, bytes);
    bytes[8] = static_cast<std::uint8_t>(signExponent);
    bytes[9] = static_cast<std::uint8_t>(signExponent >> 8);
}

} // namespace extended_detail

} // namespace dorvanta
