// The 10-byte extended real of the catalogue file: 8 bytes of significand with
// an explicit integer bit, then the sign bit and a 15-bit exponent biased by
// 16383, all little-endian. The codec works on the bytes, never on the
// in-memory layout of long double, so it gives the same bytes everywhere.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace dorvanta {

// The real type of every computation: 80-bit extended on x86-64.
using Real = long double;

inline constexpr int kExtendedSize = 10;

namespace extended_detail {

// Whether long double is this very format in memory (x87 on little-endian
// platforms): its first ten bytes are then the record's ten bytes.
inline constexpr bool kNative =
    std::numeric_limits<Real>::digits == 64 && std::numeric_limits<Real>::max_exponent == 16384 &&
    std::endian::native == std::endian::little && sizeof(Real) >= kExtendedSize;

// A finite value in its canonical encoding: the integer bit is set exactly
// for normal numbers. Other encodings take the portable path, which gives
// them their arithmetic value.
[[nodiscard]] inline bool IsCanonicalFinite(const std::uint8_t* bytes) noexcept {
    const unsigned exponentField = (bytes[8] | (static_cast<unsigned>(bytes[9]) << 8)) & 0x7FFFU;
    const bool integerBit = (bytes[7] & 0x80U) != 0;
    return exponentField != 0x7FFFU && integerBit == (exponentField != 0);
}

// The codec on the bits, for every encoding and every platform.
[[nodiscard]] Real DecodePortable(const std::uint8_t* bytes) noexcept;
void EncodePortable(Real value, std::uint8_t* bytes) noexcept;

} // namespace extended_detail

// Value of the 10 bytes at `bytes`. Infinite and NaN encodings decode to the
// platform's infinity and NaN.
[[nodiscard]] inline Real DecodeExtended(const std::uint8_t* bytes) noexcept {
    if constexpr (extended_detail::kNative) {
        // The search decodes every entry's reals: a copy is much cheaper
        // than the portable path's ldexp.
        if (extended_detail::IsCanonicalFinite(bytes)) {
            Real value = 0;
            std::memcpy(&value, bytes, kExtendedSize);
            return value;
        }
    }
    return extended_detail::DecodePortable(bytes);
}

// Writes `value` as 10 bytes at `bytes`. Exact for every long double of an
// x87 platform; narrower long doubles are widened exactly.
inline void EncodeExtended(Real value, std::uint8_t* bytes) noexcept {
    if constexpr (extended_detail::kNative) {
        // A finite value's first ten bytes are its encoding; the search
        // encodes several values of every part it keeps.
        if (std::isfinite(value)) {
            std::memcpy(bytes, &value, kExtendedSize);
            return;
        }
    }
    extended_detail::EncodePortable(value, bytes);
}

// One extended field as it stands in a record: alignment 1, 10 bytes.
struct TExtended {
    std::array<std::uint8_t, kExtendedSize> bytes{};

    [[nodiscard]] Real value() const noexcept { return DecodeExtended(bytes.data()); }
    [[nodiscard]] static TExtended from(Real value) noexcept {
        TExtended e;
        EncodeExtended(value, e.bytes.data());
        return e;
    }
    friend bool operator==(const TExtended&, const TExtended&) = default;
};

} // namespace dorvanta
