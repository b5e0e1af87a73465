// The 10-byte extended real of the catalogue file: 8 bytes of significand with
// an explicit integer bit, then the sign bit and a 15-bit exponent biased by
// 16383, all little-endian. The codec works on the bytes, never on the
// in-memory layout of long double, so it gives the same bytes everywhere.
#pragma once

#include <array>
#include <cstdint>

namespace dorvanta {

// The real type of every computation: 80-bit extended on x86-64.
using Real = long double;

inline constexpr int kExtendedSize = 10;

// Value of the 10 bytes at `bytes`. Infinite and NaN encodings decode to the
// platform's infinity and NaN.
[[nodiscard]] Real DecodeExtended(const std::uint8_t* bytes) noexcept;

// Writes `value` as 10 bytes at `bytes`. Exact for every long double of an
// x87 platform; narrower long doubles are widened exactly.
void EncodeExtended(Real value, std::uint8_t* bytes) noexcept;

// One extended field as it stands in a record: alignment 1, 10 bytes.
struct Extended {
    std::array<std::uint8_t, kExtendedSize> bytes{};

    [[nodiscard]] Real value() const noexcept { return DecodeExtended(bytes.data()); }
    [[nodiscard]] static Extended from(Real value) noexcept {
        Extended e;
        EncodeExtended(value, e.bytes.data());
        return e;
    }
    friend bool operator==(const Extended&, const Extended&) = default;
};

} // namespace dorvanta
